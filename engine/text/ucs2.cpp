#include "text/ucs2.h"

namespace phx {

unsigned char ucs2_unit_to_latin1(char16_t unit) {
  if (unit <= 0x00FF) return static_cast<unsigned char>(unit);
  if (unit == 0xFEFF) return 0x20;
  if (unit >= 0x2000 && unit <= 0x2015) return 0x20;
  switch (unit) {
    case 0x2018: case 0x275B: return 0x91;
    case 0x2019: case 0x275C: return 0x92;
    case 0x201C: case 0x275D: return 0x93;
    case 0x201D: case 0x275E: return 0x94;
    case 0x2026: return 0x85;
    case 0x2024: return 0x2E;
    case 0x203C: case 0x203D: case 0x2048: case 0x2049: case 0x2762: return 0x21;
    default: break;
  }
  if (unit >= 0x2719 && unit <= 0x2720) return 0x2B;
  if (unit >= 0x2721 && unit <= 0x274B) return 0x2A;
  return 0x3F;
}

void ucs2_to_latin1(const WideChar* source, char* destination, std::ptrdiff_t n) {
  if (n <= 0) {
    destination[0] = '\0';
    return;
  }
  std::ptrdiff_t i = 0;
  for (; i < n; ++i) {
    destination[i] = static_cast<char>(ucs2_unit_to_latin1(source[i]));
    if (source[i] == 0) return;
  }
  destination[i] = '\0';
}

void latin1_to_ucs2(const char* source, WideChar* destination, std::ptrdiff_t n) {
  std::ptrdiff_t i = 0;
  for (; i < n && source[i] != '\0'; ++i) {
    destination[i] = static_cast<WideChar>(static_cast<unsigned char>(source[i]));
  }
  destination[i] = 0;
}

}  // namespace phx
