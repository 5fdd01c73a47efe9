// The phrase matcher: finds a key phrase or go phrase in a sentence, with
// the options of a MatchType.
//
// Both texts are compared lower-cased unless the match is case-sensitive,
// and with accents folded to their base letters unless accents count. The
// phrase is first looked for as it stands (as a substring, or only between
// word boundaries when whole words are asked for); failing that, it may be
// matched word by word, each of its words inside one word of the text
// ("neural net" in "neural networks"), and failing that, byte by byte
// ignoring gaps ("data base" in "database").
#pragma once

#include <string_view>

namespace phx {

// MatchType bits.
inline constexpr int kMatchCase = 1;
inline constexpr int kMatchWholeWords = 2;
inline constexpr int kMatchAccents = 8;
inline constexpr int kMatchWordByWord = 16;
inline constexpr int kMatchIgnoringGaps = 32;

enum MatchResult : int {
  kNotMatched = 0,
  kMatched = 1,
  kTooLongToMatch = 2,  // a text or phrase of kSentenceBufferBytes bytes or more
};

struct MatchSpan {
  int first = -1;  // first and last matched byte of the text
  int last = -1;
};

MatchResult match_phrase(std::string_view text, std::string_view phrase, int match_type,
                         MatchSpan& span);

}  // namespace phx
