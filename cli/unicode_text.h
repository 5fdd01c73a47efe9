// UTF-8 and UTF-16 files become the engine's UCS2, and the engine's UCS2
// results become UTF-8.
//
// The engine knows only UCS2: one 16-bit unit per character, no surrogate
// pairs. A character outside the Basic Multilingual Plane (an emoji, a rare
// CJK extension ideograph) therefore cannot reach it; each such character
// becomes one U+FFFD REPLACEMENT CHARACTER, which the engine treats as a
// symbol, so the words on either side stay apart and no key phrase carries
// it. Ill-formed input (a stray UTF-8 byte, a lone surrogate, a dangling
// odd byte of UTF-16) becomes U+FFFD as well, one per maximal ill-formed
// sequence, as Unicode recommends; reading never fails on it.
#pragma once

#include <string>
#include <string_view>

namespace phraxis_cli {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

std::u16string utf8_to_ucs2(std::string_view utf8);
std::u16string utf16_to_ucs2(std::string_view bytes, bool big_endian);

// UCS2 units as UTF-8; a surrogate unit becomes U+FFFD.
std::string ucs2_to_utf8(std::u16string_view units);

}  // namespace phraxis_cli
