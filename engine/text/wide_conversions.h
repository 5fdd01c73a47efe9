// Case, width, accent and kana normalisations of wide text: one unit at a
// time, and string forms that rewrite a text in place.
//
// The string forms take either a zero-terminated text (null is left alone) or
// a std::u16string; they stop at the first zero unit. Only
// wide_compose_voiced shortens a text.
#pragma once

#include <string>

#include "containers/term_value.h"

namespace phx {

// A-Z and their fullwidth forms become lower case; all else is unchanged.
constexpr char16_t fold_latin_case(char16_t u) {
  return ((u >= 0x0041 && u <= 0x005A) || (u >= 0xFF21 && u <= 0xFF3A))
             ? static_cast<char16_t>(u + 0x20)
             : u;
}

// ASCII to its fullwidth form (space to U+3000), halfwidth katakana and
// signs to their fullwidth forms (the voiced marks to the spacing U+309B and
// U+309C), halfwidth jamo to the compatibility jamo. Kanji return at once.
char16_t to_fullwidth(char16_t u);
// The inverse, for the characters that have a single halfwidth form; voiced
// katakana such as U+30AC have none and stay.
char16_t to_halfwidth(char16_t u);
// Latin-1 letters lose their accents (the engine's accent-folding table);
// units from U+0100 up are unchanged.
char16_t fold_accent(char16_t u);

void wide_fold_case(WideChar* text);
void wide_to_fullwidth(WideChar* text);
// As wide_to_fullwidth, but U+0020 stays a narrow space.
void wide_to_fullwidth_keep_space(WideChar* text);
void wide_to_halfwidth(WideChar* text);
void wide_fold_accents(WideChar* text);
// Widens every unit and joins a halfwidth voiced mark (U+FF9E, U+FF9F) to the
// katakana before it when a composed form exists (ｶﾞ to ガ, ｳﾞ to ヴ, ﾊﾟ to
// パ); a mark after any other character is widened by itself. Returns the new
// length.
std::size_t wide_compose_voiced(WideChar* text);
// From the second unit on, a dash after katakana becomes the prolonged sound
// mark U+30FC, and a dash after a Latin letter the fullwidth hyphen U+FF0D.
void wide_normalise_dashes(WideChar* text);

void wide_fold_case(std::u16string& text);
void wide_to_fullwidth(std::u16string& text);
void wide_to_fullwidth_keep_space(std::u16string& text);
void wide_to_halfwidth(std::u16string& text);
void wide_fold_accents(std::u16string& text);
void wide_compose_voiced(std::u16string& text);
void wide_normalise_dashes(std::u16string& text);

}  // namespace phx
