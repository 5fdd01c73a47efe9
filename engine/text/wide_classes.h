// Character classes of wide (UCS2) text, the ground on which Japanese and
// Korean segmentation rests. Every range is exact and inclusive; a unit is
// classified by itself (no surrogate pairs).
//
// The prolonged sound mark U+30FC and the halfwidth U+FF70 are dashes, not
// katakana; the spacing voiced marks U+309B and U+309C are both hiragana and
// katakana.
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

constexpr bool is_hiragana(char16_t u) {
  return (u >= 0x3041 && u <= 0x3093) || (u >= 0x309B && u <= 0x309E);
}

constexpr bool is_katakana(char16_t u) {
  return u == 0x309B || u == 0x309C || (u >= 0x30A1 && u <= 0x30F6) || u == 0x30FB ||
         u == 0x30FD || u == 0x30FE || (u >= 0xFF65 && u <= 0xFF6F) ||
         (u >= 0xFF71 && u <= 0xFF9F);
}

constexpr bool is_kana(char16_t u) { return is_hiragana(u) || is_katakana(u); }

constexpr bool is_dash(char16_t u) {
  return u == 0x002D || u == 0x2010 || u == 0x30FC || u == 0xFF0D || u == 0xFF70;
}

constexpr bool is_kanji(char16_t u) {
  return (u >= 0x4E00 && u <= 0x9FA0) || (u >= 0xF900 && u <= 0xFA0B);
}

constexpr bool is_latin_capital(char16_t u) {
  return (u >= 0x0041 && u <= 0x005A) || (u >= 0xFF21 && u <= 0xFF3A);
}

constexpr bool is_latin_letter(char16_t u) {
  return is_latin_capital(u) || (u >= 0x0061 && u <= 0x007A) || (u >= 0xFF41 && u <= 0xFF5A);
}

constexpr bool is_any_digit(char16_t u) {
  return (u >= 0x0030 && u <= 0x0039) || (u >= 0xFF10 && u <= 0xFF19);
}

constexpr bool is_blank(char16_t u) { return u == 0x0020 || u == 0x3000; }

constexpr bool is_comma(char16_t u) {
  return u == 0x002C || u == 0x3001 || u == 0xFF0C || u == 0xFF64;
}

// Characters that take one column on a console; all others take two.
constexpr bool is_narrow(char16_t u) {
  return (u >= 0x0020 && u <= 0x007F) || (u >= 0xFF61 && u <= 0xFFBE) ||
         (u >= 0xFFC2 && u <= 0xFFDC);
}

// Spaces and the boundary marks the filters insert (GS, RS); vertical tab
// and form feed are not among them.
constexpr bool is_break_space(char16_t u) {
  return (u >= 0x0008 && u <= 0x000A) || u == 0x000D || u == 0x001D || u == 0x001E ||
         u == 0x0020 || u == 0x00A0 || u == 0x3000;
}

}  // namespace phx
