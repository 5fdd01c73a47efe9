// The Shift-JIS code table: its departures from the plain mappings, and that
// decoding and encoding are inverse over every character.
#include <gtest/gtest.h>

#include "japanese/sjis_tables.h"

namespace phx {
namespace {

struct TableCase {
  int code;
  char16_t unit;
};

TEST(SjisTable, DecodesTheListedCodes) {
  const TableCase cases[] = {
      {0x5C, 0x00A5},   {0x7E, 0x203E},   {0x41, 0x0041},   {0xA1, 0xFF61},
      {0xDF, 0xFF9F},   {0x8160, 0x301C}, {0x8161, 0x2016}, {0x8191, 0x00A2},
      {0x8192, 0x00A3}, {0x81CA, 0x00AC}, {0x815F, 0x005C}, {0x817C, 0xFF0D},
      {0x82A0, 0x3042}, {0x889F, 0x4E9C}, {0x8740, 0x2460}, {0x879C, 0x222A},
      {0x8790, 0x2252}, {0x81E0, 0x2252}, {0xEAA4, 0x7199},
  };
  for (const auto& c : cases) {
    char16_t got = c.code < 0x100 ? kSjisSingleByte[c.code]
                                  : sjis_pair_unit(static_cast<unsigned char>(c.code >> 8),
                                                   static_cast<unsigned char>(c.code & 0xFF));
    EXPECT_EQ(got, c.unit) << std::hex << c.code;
  }
}

TEST(SjisTable, UndefinedPairsAndIbmLeadsHaveNoCharacter) {
  const int undefined[] = {0x81AD, 0x8540, 0x879D, 0x877F, 0x875E, 0xEAA5,
                           0xED40, 0xEE40, 0xFA40, 0xFC4B, 0x8240};
  for (int code : undefined) {
    EXPECT_EQ(sjis_pair_unit(static_cast<unsigned char>(code >> 8),
                             static_cast<unsigned char>(code & 0xFF)),
              kSjisNone)
        << std::hex << code;
  }
  EXPECT_EQ(sjis_pair_unit(0x88, 0x3F), kSjisNone);  // trail below 0x40
  EXPECT_EQ(sjis_pair_unit(0x88, 0xFD), kSjisNone);  // trail above 0xFC
}

TEST(SjisTable, EncodesTheListedUnits) {
  const TableCase cases[] = {
      {0x5C, 0x00A5},   {0x815F, 0x005C}, {0x7E, 0x203E},   {0x817C, 0xFF0D},
      {0x82A0, 0x3042}, {0x889F, 0x4E9C}, {0x8740, 0x2460}, {0x41, 0x0041},
      {0xB1, 0xFF71},   {0x0A, 0x000A},
      // Row 13 repeats these row-2 characters; the row-2 code wins.
      {0x81E0, 0x2252}, {0x81DF, 0x2261}, {0x81E7, 0x222B}, {0x81E3, 0x221A},
      {0x81DB, 0x22A5}, {0x81DA, 0x2220}, {0x81E6, 0x2235}, {0x81BF, 0x2229},
      {0x81BE, 0x222A},
  };
  for (const auto& c : cases) EXPECT_EQ(sjis_code(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
}

TEST(SjisTable, UnitsWithoutACode) {
  const char16_t none[] = {0x007E, 0x007F, 0xFF02, 0xFF07, 0xFF5E, 0x2212,
                           0xFEFF, 0xFF3C, 0x00E9, 0xAC00, 0xFFFF};
  for (char16_t unit : none) EXPECT_EQ(sjis_code(unit), kSjisNone) << std::hex << static_cast<int>(unit);
}

// Every decodable code decodes to a unit that encodes back to it (or, for the
// nine repeated characters of row 13, to the row-2 code of the same unit).
TEST(SjisTable, EveryCodeRoundTrips) {
  int two_byte = 0;
  int row13_repeats = 0;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    if (!is_sjis_lead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      char16_t unit = sjis_pair_unit(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (unit == kSjisNone) continue;
      ++two_byte;
      int code = lead * 256 + trail;
      std::uint16_t back = sjis_code(unit);
      if (back != code) {
        ++row13_repeats;
        EXPECT_EQ(lead, 0x87) << std::hex << code;
        EXPECT_EQ(sjis_pair_unit(static_cast<unsigned char>(back >> 8),
                                 static_cast<unsigned char>(back & 0xFF)),
                  unit);
      }
    }
  }
  EXPECT_EQ(two_byte, 6879 + 83);  // JIS X 0208 and NEC row 13
  EXPECT_EQ(row13_repeats, 9);
  for (int byte = 0; byte < 0x100; ++byte) {
    char16_t unit = kSjisSingleByte[byte];
    if (unit != kSjisNone) {
      EXPECT_EQ(sjis_code(unit), byte) << std::hex << byte;
    }
  }
}

// Every unit with a code decodes back from it.
TEST(SjisTable, EveryEncodableUnitRoundTrips) {
  int encodable = 0;
  for (int u = 1; u < 0x10000; ++u) {
    auto unit = static_cast<char16_t>(u);
    std::uint16_t code = sjis_code(unit);
    if (code == kSjisNone) continue;
    ++encodable;
    char16_t back = code < 0x100 ? kSjisSingleByte[code]
                                 : sjis_pair_unit(static_cast<unsigned char>(code >> 8),
                                                  static_cast<unsigned char>(code & 0xFF));
    EXPECT_EQ(back, unit) << std::hex << static_cast<int>(u);
  }
  EXPECT_EQ(encodable, 7152 - 9 - 1);  // every decodable code but the repeats and U+0000
}

}  // namespace
}  // namespace phx
