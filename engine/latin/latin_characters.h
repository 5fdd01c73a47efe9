// The character sets of the English reference pipeline. Variants build theirs
// from these (French adds the apostrophes to the separators, Spanish has its
// own punctuation).
#pragma once

#include <string_view>

#include "text/byte_set.h"

namespace phx {

inline constexpr char kGroupSeparator = '\x1D';   // GS: a soft boundary (a heading)
inline constexpr char kRecordSeparator = '\x1E';  // RS: the end of a block

// Space, LF, TAB, VT, FF, CR, BS and the no-break space.
inline constexpr std::string_view kSeparatorBytes = " \n\t\v\f\r\b\xA0";

// Punctuation: stripped from the edges of a word, and inside a phrase it
// breaks the phrase. GS and RS stick to the word they touch and act as
// punctuation.
inline constexpr std::string_view kPunctuationBytes =
    "().,;:[]{}!?<>~\"'`*&^%#$@|+=_\xAB\xBB\x91\x92\x93\x94\x1D\x1E";

// Letters a normal form may hold: a-z, à-ö, ß and ù-ý. ø, þ and ÿ are none,
// so a word holding them is not taken.
inline constexpr std::string_view kLetterBytes =
    "abcdefghijklmnopqrstuvwxyz"
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF0\xF1\xF2\xF3\xF4\xF5\xF6"
    "\xDF"
    "\xF9\xFA\xFB\xFC\xFD";

constexpr ByteSet join_sets(std::string_view a, std::string_view b) {
  ByteSet set(a);
  for (char c : b) set.add(static_cast<unsigned char>(c));
  return set;
}

inline constexpr ByteSet kSeparators(kSeparatorBytes);
inline constexpr ByteSet kLayout = join_sets(kSeparatorBytes, "\x1D\x1E");
inline constexpr ByteSet kPunctuation(kPunctuationBytes);
inline constexpr ByteSet kLetters(kLetterBytes);
// Letters, digits, "-", "/" and the apostrophe.
inline constexpr ByteSet kWordCharacters = join_sets(kLetterBytes, "0123456789-/'");

}  // namespace phx
