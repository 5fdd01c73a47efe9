// Latin-1 letter classes and the small in-place routines every Latin-script
// step uses. Texts are zero-terminated byte strings unless a view is taken.
//
// Upper case: A-Z, 0xC0-0xD6, 0xD8-0xDE. Lower case: a-z, 0xE0-0xF6,
// 0xF8-0xFE. The multiplication and division signs, sharp s and y with
// diaeresis are in neither class (sharp s and y-diaeresis have no capital in
// Latin-1).
#pragma once

#include <cstddef>
#include <string_view>

#include "text/byte_set.h"

namespace phx {

constexpr bool is_upper(unsigned char c) {
  return (c >= 0x41 && c <= 0x5A) || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDE);
}
constexpr bool is_lower(unsigned char c) {
  return (c >= 0x61 && c <= 0x7A) || (c >= 0xE0 && c <= 0xF6) || (c >= 0xF8 && c <= 0xFE);
}
constexpr bool is_upper(char c) { return is_upper(static_cast<unsigned char>(c)); }
constexpr bool is_lower(char c) { return is_lower(static_cast<unsigned char>(c)); }
constexpr bool is_letter(char c) { return is_upper(c) || is_lower(c); }

// Lower-cases one byte in place and returns the new value.
constexpr char lower_char(char& c) {
  if (is_upper(c)) c = static_cast<char>(static_cast<unsigned char>(c) + 0x20);
  return c;
}
constexpr char to_lower(char c) { return lower_char(c); }

// In-place routines on zero-terminated texts; a null text is left alone.
void lower_text(char* text);
void remove_chars(char* text, const ByteSet& set);
void strip_leading(char* text, const ByteSet& set);
void strip_trailing(char* text, const ByteSet& set);

std::size_t count_in_set(std::string_view text, const ByteSet& set);
std::size_t count_upper(std::string_view text);
// True when no byte is a lower-case letter (also for the empty text).
bool has_no_lower(std::string_view text);

}  // namespace phx
