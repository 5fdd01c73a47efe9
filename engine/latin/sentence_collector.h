// The sentence collector: while highlights are active, the reader hands it
// every token, and it rebuilds the document's sentences as readable text
// (tokens joined by single spaces where the text had them, punctuation
// attached), each with a mask that marks the edges of the words that are no
// content words. Up to kSentenceStoreSize sentences are stored with the
// number of their first word; the key-sentence step chooses highlights among
// them and the go-phrase step searches them.
//
// A sentence ends at a block end (RS), a paragraph-like break, a rule line
// (------), a bullet, and after ".", "?" or "!" unless the full stop belongs
// to an abbreviation, initials or a list number. A sentence that would grow
// past kSentenceBytes is discarded: it keeps its place in the store (so the
// first-word numbers of later sentences stay right) but has no text.
//
// The language's description supplies the steps a variant changes: the tests
// for a sentence end before and after a token, how a token is joined to the
// sentence, how a function word is marked, and which sentences are kept.
#pragma once

#include <cstddef>
#include <string_view>

#include "latin/latin_language.h"

namespace phx {

// Bullet bytes: a lone one at a line start opens a new sentence.
inline constexpr std::string_view kBulletBytes = "\x95\xA4\xB0\xB7\xBA";
// Bytes that open and close a bracketed or quoted stretch.
inline constexpr std::string_view kOpeningBytes = "({[\x91\x93\xAB";
inline constexpr std::string_view kClosingBytes = "!?,:;.)]>}\x92\x94\xBB";

// Hands one token to the sentence store. `normal` is its normal form (empty
// for a word that is no content word), `counted` whether it was counted as a
// word. 0, or 1 when memory ran out.
int collect_sentence(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                     std::string_view token, std::string_view normal, bool counted);

// Switches highlights on for a document whose language has go phrases.
int activate_for_go_phrases(DocumentMemory& doc);

// Reference steps of the description.
// After an abbreviation and ".", a capitalised stop word (or stop phrase, or
// linking word) opens a new sentence: "etc. The" ends one, "Dr. Smith" not.
bool ends_sentence_before(const LatinLanguage& language, const DocumentMemory& doc,
                          const StopMemory& stop, std::string_view token);
bool sentence_ends_after(const LatinLanguage& language, std::string_view token,
                         std::string_view sentence, const StopMemory& stop);
// A space, except at the start, after an opening bracket or before a closing
// byte; emoticons keep their space.
char join_token(const LatinLanguage& language, SentenceBuffer& sentence, std::string_view token);
bool needs_space_before(std::string_view sentence, std::string_view token);
// GS on the first and last byte of the token.
void mark_function_word(const LatinLanguage& language, SentenceBuffer& sentence,
                        std::size_t start, std::string_view token, const StopMemory& stop);

// Helpers a variant's tests are built from.
// The token lower-cased and without the language's punctuation.
PhraseBuffer bare_word(const LatinLanguage& language, std::string_view token);
bool is_abbreviation(const LatinLanguage& language, std::string_view token,
                     const StopMemory& stop);
// "A.", "U.S.", "U.S.A.": one to three capitals, each followed by ".".
bool is_initials(std::string_view token);
// Digits and full stops only ("3.", "1.2.").
bool is_number_with_stops(std::string_view token);
// The index of the token's byte that decides a sentence end, looking past a
// closing bracket or quote; npos when the sentence ends at the bracket
// itself (a whole bracketed sentence).
std::size_t deciding_byte(std::string_view token, std::string_view sentence);

}  // namespace phx
