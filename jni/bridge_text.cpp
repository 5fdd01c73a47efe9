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
  // A zero unit at an even offset: UCS2 text of odd length ends too.
  copy.resize(bytes.size() + (bytes.size() % 2 == 0 ? 2 : 3), '\0');
  return copy;
}

}  // namespace phx::jni
