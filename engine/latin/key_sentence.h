// Key sentences: every output key phrase gets the better of the sentences
// holding its first and second occurrence, judged by a quality score from 1
// (unusable) to 10. The score favours sentences several times longer than
// the phrase, starting with a capital and ending with a full stop, and
// penalises symbol clutter, lists of numbers, heading-like capitalisation and
// fragments ending in a function word. A sentence that repeats the other
// (a title echoed by the first line of the body) loses 3 points.
//
// The chosen sentence is copied into a highlight slot and the phrase is
// marked in it; the mark spreads over neighbouring content words up to the
// nearest function word or punctuation. With "one highlight per sentence",
// a phrase whose sentence already fills a slot is marked in that slot.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "latin/latin_language.h"

namespace phx {

// HighlightType bits.
inline constexpr int kOneHighlightPerSentence = 1;
inline constexpr int kDocumentOrder = 2;
inline constexpr int kKeepElidedText = 4;
inline constexpr int kBoldKeyPhrases = 8;
inline constexpr int kGreyElidedText = 16;

// An output phrase as the key-sentence step sees it.
struct KeyPhrase {
  PhraseBuffer text;         // matched, scored and marked in the sentences
  int match_type = 0;
  int first_position = -1;   // word number of its first occurrence; -1 unknown
  int second_position = -1;  // of its second occurrence; -1 when met once
};

// A chosen sentence with its marks, waiting to be rendered.
struct HighlightSlot {
  int first_word = -1;  // -1 when empty or already rendered
  std::string text;
  std::string mask;
};

// The language's side of the quality score.
struct SentenceQualityRules {
  // Each of these bytes costs 2 points.
  ByteSet clutter;
  // Skipped at the start before the sentence must show a capital.
  ByteSet leading_skip;
  // A longer sentence ending in one of these is a fragment (4 points). The
  // sentence is compared lower-cased, and folded first when a fold is given.
  const std::string_view* fragment_endings;
  std::size_t fragment_ending_count;
  void (*fold_before_endings)(std::string& lowered);
  // Points a variant takes off on top of the common rules (0 for none).
  int (*extra_penalty)(std::string_view sentence);
};

extern const SentenceQualityRules kEnglishSentenceQuality;

// 1 to 10; 1 when the phrase is not in the sentence or the sentence is of
// no use as a highlight.
int sentence_quality(const LatinLanguage& language, std::string_view sentence,
                     std::string_view phrase, int match_type);

// Reference step: a variant is matched under its own text and positions.
void key_phrase_for(const LatinLanguage& language, const DocumentMemory& doc,
                    std::string_view variant, std::string_view display, KeyPhrase& phrase);

// Chooses the key sentence of an output phrase and marks the phrase in its
// slot. Always 0: a phrase without a usable sentence gets no highlight.
int choose_key_sentence(const LatinLanguage& language, DocumentMemory& doc,
                        const StopMemory& stop, const KeyPhrase& phrase, SelectionTables& tables);

// Marks the phrase in a slot: the matched bytes and, spreading from them,
// every byte up to the nearest boundary.
void mark_phrase(const LatinLanguage& language, HighlightSlot& slot, const StopMemory& stop,
                 std::string_view phrase, int match_type);

}  // namespace phx
