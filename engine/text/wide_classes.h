// Character classes of wide (UCS2) text.
#pragma once

namespace phx {

// Hangul: conjoining jamo, compatibility jamo, circled and parenthesised
// hangul, precomposed syllables and halfwidth jamo.
constexpr bool is_hangul(char16_t u) {
  return (u >= 0x1100 && u <= 0x1159) || (u >= 0x115F && u <= 0x11A2) ||
         (u >= 0x11A8 && u <= 0x11F9) || u == 0x302E || u == 0x302F ||
         (u >= 0x3131 && u <= 0x318E) || (u >= 0x3200 && u <= 0x321C) ||
         (u >= 0x3260 && u <= 0x326C) || u == 0x327F || (u >= 0xAC00 && u <= 0xD7A3) ||
         (u >= 0xFFA0 && u <= 0xFFBE) || (u >= 0xFFC2 && u <= 0xFFDC);
}

}  // namespace phx
