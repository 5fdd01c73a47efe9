#include "text/latin1.h"

#include <cstring>

namespace phx {

void lower_text(char* text) {
  if (text == nullptr) return;
  for (; *text != '\0'; ++text) lower_char(*text);
}

void remove_chars(char* text, const ByteSet& set) {
  if (text == nullptr) return;
  char* out = text;
  for (const char* in = text; *in != '\0'; ++in) {
    if (!set.contains(*in)) *out++ = *in;
  }
  *out = '\0';
}

void strip_leading(char* text, const ByteSet& set) {
  if (text == nullptr) return;
  std::size_t skip = 0;
  while (text[skip] != '\0' && set.contains(text[skip])) ++skip;
  if (skip != 0) std::memmove(text, text + skip, std::strlen(text + skip) + 1);
}

void strip_trailing(char* text, const ByteSet& set) {
  if (text == nullptr) return;
  std::size_t length = std::strlen(text);
  while (length > 0 && set.contains(text[length - 1])) --length;
  text[length] = '\0';
}

std::size_t count_in_set(std::string_view text, const ByteSet& set) {
  std::size_t count = 0;
  for (char c : text) count += set.contains(c) ? 1 : 0;
  return count;
}

std::size_t count_upper(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += is_upper(c) ? 1 : 0;
  return count;
}

bool has_no_lower(std::string_view text) {
  for (char c : text) {
    if (is_lower(c)) return false;
  }
  return true;
}

}  // namespace phx
