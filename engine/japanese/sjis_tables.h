// The Shift-JIS code table: JIS X 0201 single bytes, JIS X 0208 and the NEC
// special characters of row 13, with 0x5C as the yen sign, 0x7E as the
// overline, 0x815F as the backslash and 0x817C as the fullwidth hyphen-minus.
// The data is generated (sjis_tables.cpp); the lookups are here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace phx {

// A pair without a character, and a unit without a code.
inline constexpr std::uint16_t kSjisNone = 0xFFFF;

inline constexpr unsigned kSjisTrailFirst = 0x40;
inline constexpr unsigned kSjisTrailLast = 0xFC;
inline constexpr std::size_t kSjisTrailCount = kSjisTrailLast - kSjisTrailFirst + 1;
// Lead bytes with characters: 0x81-0x9F and 0xE0-0xEA.
inline constexpr std::size_t kSjisLeadCount = 31 + 11;
inline constexpr std::size_t kSjisEncodeCount = 6953;

extern const std::uint16_t kSjisSingleByte[256];
extern const std::uint16_t kSjisDoubleByte[kSjisLeadCount * kSjisTrailCount];
extern const std::uint16_t kSjisEncodeUnits[kSjisEncodeCount];
extern const std::uint16_t kSjisEncodeCodes[kSjisEncodeCount];

// Lead bytes of the decoder: 0x81-0x9F and 0xE0-0xEF.
constexpr bool is_sjis_lead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF);
}

// The unit of a two-byte code, or kSjisNone.
inline std::uint16_t sjis_pair_unit(unsigned char lead, unsigned char trail) {
  std::size_t row;
  if (lead >= 0x81 && lead <= 0x9F) {
    row = lead - 0x81u;
  } else if (lead >= 0xE0 && lead <= 0xEA) {
    row = lead - 0xE0u + 31;
  } else {
    return kSjisNone;
  }
  if (trail < kSjisTrailFirst || trail > kSjisTrailLast) return kSjisNone;
  return kSjisDoubleByte[row * kSjisTrailCount + (trail - kSjisTrailFirst)];
}

// The two-byte code of a unit, or kSjisNone.
std::uint16_t sjis_double_byte_code(char16_t unit);

// The code of a unit: below 0x100 one byte, else two bytes high first;
// kSjisNone when it has none.
inline std::uint16_t sjis_code(char16_t unit) {
  if (unit < 0x80 && kSjisSingleByte[unit] == unit) return unit;
  if (unit == 0x00A5) return 0x5C;
  if (unit == 0x203E) return 0x7E;
  if (unit >= 0xFF61 && unit <= 0xFF9F) return static_cast<std::uint16_t>(unit - 0xFF61 + 0xA1);
  return sjis_double_byte_code(unit);
}

}  // namespace phx
