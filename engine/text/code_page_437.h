// Code page 437 (the MS-DOS code page) to and from Latin-1, byte for byte.
// Characters without a counterpart become "?".
#pragma once

#include <array>
#include <cstdint>

namespace phx {

extern const std::array<std::uint8_t, 256> kCp437ToLatin1;
extern const std::array<std::uint8_t, 256> kLatin1ToCp437;

// Map every byte of a zero-terminated text in place.
void cp437_to_latin1(char* text);
void latin1_to_cp437(char* text);

}  // namespace phx
