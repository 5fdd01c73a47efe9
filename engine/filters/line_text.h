// Small read-only helpers on views of one line, shared by the line filters.
// Nothing here allocates; copies go into fixed line buffers.
#pragma once

#include <cstddef>
#include <string_view>

#include "filters/filter_states.h"
#include "text/byte_set.h"
#include "text/latin1.h"

namespace phx {

// Characters every line test trims: blanks and line ends.
inline constexpr ByteSet kLineBlanks(" \r\n\t");
// The 30 punctuation characters the e-mail tests remove or strip.
inline constexpr ByteSet kPunctuation("().,;:[]{}!?<>~\"`*&^%#$@|+=_\xAB\xBB");

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

inline std::string_view trim_leading(std::string_view text, const ByteSet& set) {
  std::size_t i = 0;
  while (i < text.size() && set.contains(text[i])) ++i;
  return text.substr(i);
}
inline std::string_view trim_trailing(std::string_view text, const ByteSet& set) {
  std::size_t n = text.size();
  while (n > 0 && set.contains(text[n - 1])) --n;
  return text.substr(0, n);
}
inline std::string_view trim(std::string_view text, const ByteSet& set) {
  return trim_trailing(trim_leading(text, set), set);
}

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}
inline bool contains(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}
inline std::size_t count_of(std::string_view text, char c) {
  std::size_t n = 0;
  for (char x : text) n += x == c ? 1 : 0;
  return n;
}
inline bool has_lower(std::string_view text) { return !has_no_lower(text); }
inline bool begins_upper(std::string_view text) { return !text.empty() && is_upper(text[0]); }
inline bool begins_lower(std::string_view text) { return !text.empty() && is_lower(text[0]); }
inline bool ends_with_any(std::string_view text, std::string_view chars) {
  return !text.empty() && chars.find(text.back()) != std::string_view::npos;
}
// True when every byte of the text is in the set (also for the empty text).
inline bool only_of(std::string_view text, const ByteSet& set) {
  for (char c : text) {
    if (!set.contains(c)) return false;
  }
  return true;
}

// Comparisons that lower-case as they go, so that no copy is needed.
inline bool starts_with_lowered(std::string_view text, std::string_view lowered_prefix) {
  if (text.size() < lowered_prefix.size()) return false;
  for (std::size_t i = 0; i < lowered_prefix.size(); ++i) {
    if (to_lower(text[i]) != lowered_prefix[i]) return false;
  }
  return true;
}
// Lower-cases a line buffer in place.
inline void lower_in_place(LineBuffer& text) {
  char* data = text.data();
  for (std::size_t i = 0; i < text.size(); ++i) lower_char(data[i]);
}

// A lower-cased copy, cut to a line buffer.
inline LineBuffer lower_copy(std::string_view text) {
  LineBuffer copy(text);
  char* data = copy.data();
  for (std::size_t i = 0; i < copy.size(); ++i) lower_char(data[i]);
  return copy;
}

// Calls f(word) for each non-empty word between the delimiters, in order;
// stops early when f returns false.
template <class F>
void for_each_word(std::string_view text, const ByteSet& delimiters, F&& f) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && delimiters.contains(text[i])) ++i;
    std::size_t start = i;
    while (i < text.size() && !delimiters.contains(text[i])) ++i;
    if (i > start && !f(text.substr(start, i - start))) return;
  }
}

// The first word: everything up to the first space.
inline std::string_view first_word(std::string_view text) {
  return text.substr(0, text.find(' '));
}

}  // namespace phx
