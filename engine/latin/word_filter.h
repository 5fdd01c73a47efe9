// The word filter decides which tokens are content words and gives each its
// normal form: lower case, without surrounding punctuation, 3 to 254 bytes,
// beginning with a letter and holding only letters, digits, "-" and "/".
//
// The English filter is three reference steps in a row, which the variants
// recombine with steps of their own:
//   strip_word       lower-case, limit digits, allow punctuation only around
//                    the word, remove it (and refuse heavily punctuated tokens)
//   has_word_shape   length, first and last byte, no "--", no "a4b", no "aaa"
//   passes_stop_lists  not a stop word or stop verb; a hyphenated or slashed
//                    form needs one part that is not a stop word
#pragma once

#include <string_view>

#include "latin/latin_language.h"

struct StopMemory;

namespace phx {

// More digits than this make a token no word (1999 is none, mp3 is one).
inline constexpr int kMaxWordDigits = 2;
// Normal forms are at least this long.
inline constexpr std::size_t kMinWordBytes = 3;

// Writes the lower-cased token without its punctuation into `normal`; false
// (and `normal` empty) when the token is rejected on the way.
bool strip_word(const LatinLanguage& language, std::string_view token, PhraseBuffer& normal);

// Whether a stripped form has the shape of a word.
bool has_word_shape(const LatinLanguage& language, std::string_view form);

// Whether a form passes the language's stop words and stop verbs.
bool passes_stop_lists(const LatinLanguage& language, std::string_view form,
                       const StopMemory& stop);

// True when some part of the form between "-" and "/" is not in `stop_words`.
bool has_part_not_in(std::string_view form, const TextTable& stop_words);

// The English word filter: the three steps above.
void normalise_word(const LatinLanguage& language, std::string_view token, PhraseBuffer& normal,
                    const StopMemory& stop);

}  // namespace phx
