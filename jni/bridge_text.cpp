#include "bridge_text.h"

#include <cstring>

namespace phx::jni {

std::size_t engine_text_length(const char* text, int output_code) {
  if (output_code != kUcs2CharCode) {
    return std::strlen(text);
  }
  // Units are compared byte by byte: the text need not be 2-byte aligned.
  std::size_t bytes = 0;
  while (text[bytes] != '\0' || text[bytes + 1] != '\0') {
    bytes += 2;
  }
  return bytes;
}

std::vector<char> terminated_copy(std::span<const char> bytes) {
  std::vector<char> copy(bytes.begin(), bytes.end());
  copy.push_back('\0');
  copy.push_back('\0');
  return copy;
}

}  // namespace phx::jni
