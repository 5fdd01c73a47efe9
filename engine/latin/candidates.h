// The candidate tables of a document: every content word and every run of
// two and three adjacent content words, with its count, first and second
// position and, for words, the spellings it was seen in.
#pragma once

#include <string_view>

#include "api/document_memory.h"
#include "latin/latin_language.h"

namespace phx {

// Counts one occurrence of a candidate at the current word. 0, or 1 when a
// table or list could not grow.
int count_candidate(DocumentMemory& doc, std::string_view candidate);

// Records how a word was spelled (the token without punctuation): the
// spelling with the fewest capitals is the plain one, and the best one with
// more capitals the alternative. Ties keep the spelling seen first. 0 or 1.
int record_spelling(const LatinLanguage& language, DocumentMemory& doc, std::string_view token,
                    std::string_view normal);

// True when punctuation stands between two tokens: in `left` from its third
// byte on, or in `right` up to its third-last byte. Up to two punctuation
// bytes around a phrase are allowed ("(solar" "energy)."), but not between
// its words ("solar," "energy").
bool punctuation_between(std::string_view left, std::string_view right,
                         const ByteSet& punctuation);

}  // namespace phx
