// UCS2 input as bytes: the byte order is set by byte-order marks and kept in
// the converter state of the document, so that every buffer of a document is
// read in the order its first mark chose.
#pragma once

#include <cstddef>
#include <string_view>

#include "containers/term_value.h"

namespace phx {

// Room a UCS2 decoder's output needs for `byte_count` input bytes: one unit
// per byte plus the zero (a carried byte completes at most one more unit).
constexpr std::size_t wide_output_capacity(std::size_t byte_count) { return byte_count + 1; }

// Decodes UCS2 bytes into `out` (room for wide_output_capacity(bytes.size())
// units) and returns the number of units written before the zero. The pair
// FF FE selects little-endian, FE FF big-endian; both are dropped. A final
// odd byte is kept in the state and completes the first unit of the next
// buffer, so a document may be cut anywhere. `State` has the members
// wide_big_endian, carry_count and carry_bytes.
template <class State>
std::size_t decode_wide_bytes(State& state, std::string_view bytes, WideChar* out) {
  std::size_t written = 0;
  std::size_t i = 0;
  auto emit = [&](unsigned char a, unsigned char b) {
    if (a == 0xFF && b == 0xFE) {
      state.wide_big_endian = 0;
    } else if (a == 0xFE && b == 0xFF) {
      state.wide_big_endian = 1;
    } else {
      out[written++] = static_cast<WideChar>(state.wide_big_endian ? (a << 8) | b : (b << 8) | a);
    }
  };
  if (state.carry_count == 1 && !bytes.empty()) {
    emit(state.carry_bytes[0], static_cast<unsigned char>(bytes[0]));
    state.carry_count = 0;
    i = 1;
  }
  for (; i + 1 < bytes.size(); i += 2) {
    emit(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1]));
  }
  if (i < bytes.size()) {
    state.carry_bytes[0] = static_cast<unsigned char>(bytes[i]);
    state.carry_count = 1;
  }
  out[written] = 0;
  return written;
}

}  // namespace phx
