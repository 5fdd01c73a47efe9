// UCS2 (16-bit units, native little-endian order) to and from Latin-1.
//
// Units above 0xFF that have an obvious Latin-1 stand-in (typographic spaces,
// dashes, curly quotes, the ellipsis, exclamation marks, crosses and stars)
// are mapped to it; every other unit becomes "?". The byte-order mark becomes
// a space.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "containers/term_value.h"

namespace phx {

unsigned char ucs2_unit_to_latin1(char16_t unit);

// Maps units 0..n-1 of `source` into `destination` (n + 1 bytes) and stops
// after a zero unit; always terminates the destination. n <= 0 gives "".
void ucs2_to_latin1(const WideChar* source, char* destination, std::ptrdiff_t n);

// Widens bytes until n bytes are copied or a zero byte is met, then writes a
// zero unit; `destination` holds at least n + 1 units. n <= 0 writes only the
// terminator.
void latin1_to_ucs2(const char* source, WideChar* destination, std::ptrdiff_t n);

// The unit at position i of a byte buffer holding little-endian UCS2; callers'
// buffers need not be aligned for char16_t.
inline WideChar wide_unit_at(const void* bytes, std::size_t i) {
  const auto* p = static_cast<const unsigned char*>(bytes) + 2 * i;
  return static_cast<WideChar>(p[0] | (p[1] << 8));
}

// The length in units of a zero-terminated UCS2 text held in a byte buffer.
inline std::size_t wide_length_at(const void* bytes) {
  std::size_t n = 0;
  while (wide_unit_at(bytes, n) != 0) ++n;
  return n;
}

}  // namespace phx
