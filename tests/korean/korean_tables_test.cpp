// The KSC (code page 949) and Johap mappings: listed codes, the exceptions,
// and that every character round-trips.
#include <gtest/gtest.h>

#include "korean/hangul_syllables.h"
#include "korean/ksc_tables.h"

namespace phx {
namespace {

char16_t ksc(int code) {
  return ksc_pair_unit(static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code & 0xFF));
}
char16_t johab(int code) {
  return johab_pair_unit(static_cast<unsigned char>(code >> 8),
                         static_cast<unsigned char>(code & 0xFF));
}

struct MapCase {
  int code;
  char16_t unit;  // 0: no character
};

TEST(KscTable, ListedCodes) {
  const MapCase cases[] = {
      {0xB0A1, 0xAC00}, {0xC8FE, 0xD79D}, {0x8141, 0xAC02}, {0x8181, 0xAC56},
      {0xC652, 0xD7A3}, {0xA1A1, 0x3000}, {0xA4A1, 0x3131}, {0xA4D4, 0x3164},
      {0xCAA1, 0x4F3D}, {0xFDFE, 0x8A70}, {0xA2E6, 0},      {0xA2E7, 0},
      {0xC653, 0},      {0xC9A1, 0},      {0xFEA1, 0},      {0xA1A0, 0xC90E}, {0xA140, 0},
      {0xA141, 0xC8A5}, {0x8161, 0xAC35}, {0x815B, 0},      {0xA2E8, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ksc(c.code), c.unit) << std::hex << c.code;
}

TEST(KscTable, EveryCodeRoundTrips) {
  int codes = 0, uhc = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x00; trail <= 0xFF; ++trail) {
      int code = lead * 256 + trail;
      char16_t unit = ksc(code);
      if (unit == 0) continue;
      ++codes;
      if (trail < 0xA1 || lead < 0xA1) ++uhc;
      ASSERT_EQ(ksc_code(unit), code) << std::hex << code;
    }
  }
  EXPECT_EQ(codes, 17046);
  EXPECT_EQ(uhc, 8822);
}

TEST(KscTable, EveryUnitWithACodeRoundTrips) {
  int units = 0;
  for (int u = 0x80; u < 0x10000; ++u) {
    std::uint16_t code = ksc_code(static_cast<char16_t>(u));
    if (code == 0) continue;
    ++units;
    ASSERT_EQ(ksc(code), u) << std::hex << static_cast<int>(u);
  }
  EXPECT_EQ(units, 17046);
  EXPECT_EQ(ksc_code(0x20AC), 0);
  EXPECT_EQ(ksc_code(0x00AE), 0);
  EXPECT_EQ(ksc_code(0x3042), 0xAAA2);  // hiragana a, row 10
}

TEST(JohabTable, ListedCodes) {
  const MapCase cases[] = {
      {0x8861, 0xAC00}, {0xD3BD, 0xD7A3}, {0x8841, 0},      {0x8441, 0},      {0x8444, 0},
      {0x8461, 0},      {0xDAA1, 0x3131}, {0xDAD3, 0x3163}, {0xDAD4, 0x3164}, {0xD9E6, 0},
      {0xD9E7, 0},      {0xD9E8, 0},      {0xD931, 0x3000}, {0xE031, 0x4F3D}, {0xF9FE, 0x8A70},
      {0x8862, 0xAC01}, {0x8871, 0xAC10}, {0x8872, 0},      {0x8873, 0xAC11}, {0x88FF, 0},      {0xDF31, 0},
      {0xD831, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(johab(c.code), c.unit) << std::hex << c.code;
}

TEST(JohabTable, EveryCodeRoundTrips) {
  int syllables = 0, others = 0;
  for (int lead = 0x84; lead <= 0xFE; ++lead) {
    for (int trail = 0x00; trail <= 0xFF; ++trail) {
      int code = lead * 256 + trail;
      char16_t unit = johab(code);
      if (unit == 0) continue;
      (is_hangul_syllable(unit) ? syllables : others)++;
      ASSERT_EQ(johab_code(unit), code) << std::hex << code;
    }
  }
  EXPECT_EQ(syllables, 11172);
  EXPECT_EQ(others, 5874);  // the KSC symbols and hanja
}

TEST(JohabTable, UnitsWithoutACode) {
  EXPECT_EQ(johab_code(0x20AC), 0);
  EXPECT_EQ(johab_code(0x00AE), 0);
  EXPECT_EQ(johab_code(0x4DFF), 0);
  EXPECT_EQ(johab_code(0x3042), 0xDDA2);  // KSC row 10, the second row of lead 0xDD
}

TEST(HangulSyllables, ComposeAndDecompose) {
  EXPECT_EQ(hangul_compose(0, 0, 0), 0xAC00);
  EXPECT_EQ(hangul_compose(18, 20, 27), 0xD7A3);
  EXPECT_EQ(hangul_compose(19, 0, 0), 0);
  EXPECT_EQ(hangul_compose(0, 21, 0), 0);
  EXPECT_EQ(hangul_compose(0, 0, 28), 0);
  EXPECT_EQ(hangul_compose(-1, 0, 0), 0);
  for (int u = 0xAC00; u <= 0xD7A3; ++u) {
    int l = -1, v = -1, t = -1;
    ASSERT_TRUE(hangul_decompose(static_cast<char16_t>(u), l, v, t));
    ASSERT_EQ(hangul_compose(l, v, t), u);
  }
  int l = 0, v = 0, t = 0;
  EXPECT_FALSE(hangul_decompose(0xABFF, l, v, t));
  EXPECT_FALSE(hangul_decompose(0xD7A4, l, v, t));
}

}  // namespace
}  // namespace phx
