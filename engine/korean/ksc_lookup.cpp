#include <algorithm>
#include <array>
#include <cstdint>

#include "korean/hangul_syllables.h"
#include "korean/ksc_tables.h"
#include "text/wide_code_index.h"

namespace phx {
namespace {

constexpr unsigned kCellFirst = 0xA1;
constexpr unsigned kCellLast = 0xFE;
constexpr unsigned kSymbolRowFirst = 0xA1, kSymbolRowLast = 0xAC;
constexpr unsigned kSyllableRowFirst = 0xB0, kSyllableRowLast = 0xC8;
constexpr unsigned kHanjaRowFirst = 0xCA, kHanjaRowLast = 0xFD;

// Unified Hangul Code positions: leads 0x81-0xA0 take 178 trails (A-Z, a-z,
// 0x81-0xFE), leads 0xA1-0xC6 the first 84 of them (up to 0xA0), in order.
constexpr int kUhcWideRowTrails = 178;
constexpr int kUhcNarrowRowTrails = 84;
constexpr int kUhcWideRows = 32;
constexpr int kUhcSyllableCount = 8822;

int uhc_trail_index(unsigned trail) {
  if (trail >= 0x41 && trail <= 0x5A) return static_cast<int>(trail - 0x41);
  if (trail >= 0x61 && trail <= 0x7A) return static_cast<int>(trail - 0x61 + 26);
  if (trail >= 0x81 && trail <= 0xFE) return static_cast<int>(trail - 0x81 + 52);
  return -1;
}

unsigned uhc_trail(int index) {
  if (index < 26) return 0x41u + static_cast<unsigned>(index);
  if (index < 52) return 0x61u + static_cast<unsigned>(index - 26);
  return 0x81u + static_cast<unsigned>(index - 52);
}

int uhc_position(unsigned lead, unsigned trail) {
  int index = uhc_trail_index(trail);
  if (index < 0) return -1;
  int position;
  if (lead >= 0x81 && lead <= 0xA0) {
    position = static_cast<int>(lead - 0x81) * kUhcWideRowTrails + index;
  } else if (lead >= 0xA1 && lead <= 0xC6 && index < kUhcNarrowRowTrails) {
    position = kUhcWideRows * kUhcWideRowTrails + static_cast<int>(lead - 0xA1) * kUhcNarrowRowTrails +
               index;
  } else {
    return -1;
  }
  return position < kUhcSyllableCount ? position : -1;
}

std::uint16_t uhc_code(int position) {
  unsigned lead;
  int index;
  if (position < kUhcWideRows * kUhcWideRowTrails) {
    lead = 0x81u + static_cast<unsigned>(position / kUhcWideRowTrails);
    index = position % kUhcWideRowTrails;
  } else {
    position -= kUhcWideRows * kUhcWideRowTrails;
    lead = 0xA1u + static_cast<unsigned>(position / kUhcNarrowRowTrails);
    index = position % kUhcNarrowRowTrails;
  }
  return static_cast<std::uint16_t>((lead << 8) | uhc_trail(index));
}

// The syllables outside KS X 1001, counted in Unicode order, are the Unified
// Hangul Code syllables in position order. Below kKscSyllables[k] lie
// kKscSyllables[k] - U+AC00 - k of them, a count that never falls, so the
// p-th one is found by binary search over the 2350 KS X 1001 syllables.
char16_t nth_extra_syllable(int position) {
  auto p = static_cast<std::size_t>(position);
  std::size_t below = std::partition_point(kKscSyllables, kKscSyllables + kKscSyllableCount,
                                           [&](const std::uint16_t& syllable) {
                                             std::size_t k = &syllable - kKscSyllables;
                                             return syllable - kFirstSyllable - k <= p;
                                           }) -
                      kKscSyllables;
  return static_cast<char16_t>(kFirstSyllable + p + below);
}

std::uint16_t ksc_syllable_code(char16_t syllable) {
  static const UnitPageIndex index(kKscSyllables, kKscSyllableCount);
  std::size_t below = index.rank(syllable);
  if (below < kKscSyllableCount && kKscSyllables[below] == syllable) {
    return static_cast<std::uint16_t>(((kSyllableRowFirst + below / kKscCellCount) << 8) |
                                      (kCellFirst + below % kKscCellCount));
  }
  return uhc_code(static_cast<int>(syllable - kFirstSyllable - below));
}

// Johap syllables: 0x8000 | initial << 10 | medial << 5 | final, 5 bits each.
constexpr int kMedialCodes[kMedialCount] = {3,  4,  5,  6,  7,  10, 11, 12, 13, 14, 15,
                                            18, 19, 20, 21, 22, 23, 26, 27, 28, 29};

// The 5-bit codes back to indices; -1 for fills and unused codes.
constexpr std::array<std::int8_t, 32> kMedialIndex = [] {
  std::array<std::int8_t, 32> index{};
  index.fill(-1);
  for (int v = 0; v < kMedialCount; ++v) index[kMedialCodes[v]] = static_cast<std::int8_t>(v);
  return index;
}();

constexpr std::array<std::int8_t, 32> kFinalIndex = [] {
  std::array<std::int8_t, 32> index{};
  index.fill(-1);
  index[1] = 0;  // no final consonant
  for (int f = 2; f <= 17; ++f) index[f] = static_cast<std::int8_t>(f - 1);
  for (int f = 19; f <= 29; ++f) index[f] = static_cast<std::int8_t>(f - 2);
  return index;
}();

int medial_index(unsigned code) { return kMedialIndex[code & 0x1F]; }
int final_index(unsigned code) { return kFinalIndex[code & 0x1F]; }

unsigned final_code(int index) {
  if (index == 0) return 1;
  return static_cast<unsigned>(index <= 16 ? index + 1 : index + 2);
}

char16_t johab_syllable(unsigned lead, unsigned trail) {
  if (lead < 0x84 || lead > 0xD3 || trail <= 0x30 || trail == 0xFF) return 0;
  unsigned code = (lead << 8) | trail;
  int initial = static_cast<int>((code >> 10) & 0x1F) - 2;
  int medial = medial_index((code >> 5) & 0x1F);
  int final = final_index(code & 0x1F);
  if (initial < 0 || medial < 0 || final < 0) return 0;  // fills for lone jamo
  return hangul_compose(initial, medial, final);
}

std::uint16_t johab_syllable_code(char16_t syllable) {
  int initial = 0, medial = 0, final = 0;
  hangul_decompose(syllable, initial, medial, final);
  return static_cast<std::uint16_t>(0x8000u | static_cast<unsigned>(initial + 2) << 10 |
                                    static_cast<unsigned>(kMedialCodes[medial]) << 5 |
                                    final_code(final));
}

// Johap symbols and hanja hold two KS X 1001 rows per lead byte: the first
// row in trails 0x31-0x7E and 0x91-0xA0, the second in 0xA1-0xFE.
std::uint16_t johab_to_ksc_code(unsigned lead, unsigned trail) {
  unsigned first_row;
  if (lead >= 0xD9 && lead <= 0xDE) {
    first_row = kSymbolRowFirst + 2 * (lead - 0xD9);
  } else if (lead >= 0xE0 && lead <= 0xF9) {
    first_row = kHanjaRowFirst + 2 * (lead - 0xE0);
  } else {
    return 0;
  }
  if (trail >= 0x31 && trail <= 0x7E) return static_cast<std::uint16_t>(first_row << 8 | (trail - 0x31 + kCellFirst));
  if (trail >= 0x91 && trail <= 0xA0) return static_cast<std::uint16_t>(first_row << 8 | (trail - 0x91 + 0xEF));
  if (trail >= kCellFirst && trail <= kCellLast) return static_cast<std::uint16_t>((first_row + 1) << 8 | trail);
  return 0;
}

std::uint16_t ksc_to_johab_code(std::uint16_t ksc) {
  unsigned row = ksc >> 8, cell = ksc & 0xFFu;
  unsigned first_lead, first_row;
  if (row >= kSymbolRowFirst && row <= kSymbolRowLast) {
    first_lead = 0xD9, first_row = kSymbolRowFirst;
  } else if (row >= kHanjaRowFirst && row <= kHanjaRowLast) {
    first_lead = 0xE0, first_row = kHanjaRowFirst;
  } else {
    return 0;
  }
  unsigned lead = first_lead + (row - first_row) / 2;
  unsigned trail = cell;
  if ((row - first_row) % 2 == 0) {
    trail = cell - kCellFirst + 0x31;
    if (trail > 0x7E) trail += 0x12;
  }
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

std::uint16_t table_code(char16_t unit) {
  static const UnitPageIndex index(kKscEncodeUnits, kKscEncodeCount);
  std::size_t at = index.find(unit);
  return at == index.count() ? 0 : kKscEncodeCodes[at];
}

}  // namespace

char16_t ksc_pair_unit(unsigned char lead, unsigned char trail) {
  if (trail >= kCellFirst && trail <= kCellLast) {
    std::size_t cell = trail - kCellFirst;
    if (lead >= kSymbolRowFirst && lead <= kSymbolRowLast) {
      return kKscSymbols[(lead - kSymbolRowFirst) * kKscCellCount + cell];
    }
    if (lead >= kSyllableRowFirst && lead <= kSyllableRowLast) {
      return kKscSyllables[(lead - kSyllableRowFirst) * kKscCellCount + cell];
    }
    if (lead >= kHanjaRowFirst && lead <= kHanjaRowLast) {
      return kKscHanja[(lead - kHanjaRowFirst) * kKscCellCount + cell];
    }
  }
  int position = uhc_position(lead, trail);
  return position < 0 ? 0 : nth_extra_syllable(position);
}

std::uint16_t ksc_code(char16_t unit) {
  if (unit < 0x80) return unit;
  if (is_hangul_syllable(unit)) return ksc_syllable_code(unit);
  return table_code(unit);
}

char16_t johab_pair_unit(unsigned char lead, unsigned char trail) {
  if (lead <= 0xD3) return johab_syllable(lead, trail);
  std::uint16_t ksc = johab_to_ksc_code(lead, trail);
  return ksc == 0 ? 0 : ksc_pair_unit(static_cast<unsigned char>(ksc >> 8),
                                      static_cast<unsigned char>(ksc & 0xFF));
}

std::uint16_t johab_code(char16_t unit) {
  if (unit < 0x80) return unit;
  if (is_hangul_syllable(unit)) return johab_syllable_code(unit);
  std::uint16_t ksc = table_code(unit);
  return ksc == 0 ? 0 : ksc_to_johab_code(ksc);
}

}  // namespace phx
