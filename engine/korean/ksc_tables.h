// The KSC code (code page 949) and the Johap code, as lookups over the
// generated tables of ksc_tables.cpp and the arithmetic of the two codes.
//
// Code page 949 areas: symbols in rows 0xA1-0xAC, the 2350 KS X 1001
// syllables in 0xB0A1-0xC8FE, the 4888 hanja in 0xCAA1-0xFDFE (rows of 94
// cells 0xA1-0xFE), and the 8822 other syllables (Unified Hangul Code) in the
// positions with lead bytes 0x81-0xC6 that KS X 1001 leaves free, in Unicode
// order. The euro sign 0xA2E6 and the registered sign 0xA2E7 are left out.
//
// Johap: syllables are built from 5-bit parts; its symbol and hanja areas
// (0xD931-0xDEFE, 0xE031-0xF9FE) hold the KS X 1001 rows two to a lead byte,
// so they map through the KSC tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace phx {

inline constexpr std::size_t kKscCellCount = 94;
inline constexpr std::size_t kKscSyllableCount = 2350;
inline constexpr std::size_t kKscSymbolRows = 12;
inline constexpr std::size_t kKscHanjaCount = 4888;
inline constexpr std::size_t kKscEncodeCount = 5874;

extern const std::uint16_t kKscSyllables[kKscSyllableCount];
extern const std::uint16_t kKscSymbols[kKscSymbolRows * kKscCellCount];
extern const std::uint16_t kKscHanja[kKscHanjaCount];
extern const std::uint16_t kKscEncodeUnits[kKscEncodeCount];
extern const std::uint16_t kKscEncodeCodes[kKscEncodeCount];

// The unit of a KSC pair, or 0 when it has none.
char16_t ksc_pair_unit(unsigned char lead, unsigned char trail);
// The KSC code of a unit (below 0x80 the unit itself), or 0 when it has none.
std::uint16_t ksc_code(char16_t unit);

// The unit of a Johap pair, or 0 when it has none.
char16_t johab_pair_unit(unsigned char lead, unsigned char trail);
// The Johap code of a unit (below 0x80 the unit itself), or 0 when it has none.
std::uint16_t johab_code(char16_t unit);

}  // namespace phx
