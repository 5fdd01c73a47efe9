// Small helpers for codec tests: byte texts written as lists of byte values.
#pragma once

#include <initializer_list>
#include <string>

inline std::string bytes_of(std::initializer_list<int> values) {
  std::string text;
  for (int v : values) text.push_back(static_cast<char>(v));
  return text;
}

// Hex dump, for readable failure messages.
inline std::string hex(const std::string& text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (!out.empty()) out.push_back(' ');
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}
inline std::string hex(const std::u16string& text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char16_t u : text) {
    if (!out.empty()) out.push_back(' ');
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(digits[(u >> shift) & 15]);
  }
  return out;
}
