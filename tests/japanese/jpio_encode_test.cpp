// The jpio encoders: wide text to Shift-JIS, JIS and EUC-JP, the in-place
// UCS2 rewriting and the JIS X 0208 pair arithmetic.
#include <gtest/gtest.h>

#include "support/byte_text.h"
#include "japanese/jpio.h"

namespace phx {
namespace {

struct EncodeCase {
  const char* name;
  std::u16string wide;
  std::string bytes;
};

TEST(WideToSjis, Cases) {
  const EncodeCase cases[] = {
      {"ascii", u"Ab 1", "Ab 1"},
      {"yen sign", u"\u00A5", bytes_of({0x5C})},
      {"backslash", u"\\", bytes_of({0x81, 0x5F})},
      {"tilde has no code", u"~", bytes_of({0xFF, 0xFF})},
      {"overline", u"\u203E", bytes_of({0x7E})},
      {"hiragana and kanji", u"\u3042\u4E9C", bytes_of({0x82, 0xA0, 0x88, 0x9F})},
      {"halfwidth katakana", u"\uFF71", bytes_of({0xB1})},
      {"byte-order marks skipped", u"\uFEFFa\uFFFEb", "ab"},
      {"fullwidth quotation mark", u"\uFF02", bytes_of({0x81, 0x68})},
      {"fullwidth apostrophe", u"\uFF07", bytes_of({0x81, 0x66})},
      {"minus sign has no code", u"\u2212", bytes_of({0xFF, 0xFF})},
      {"fullwidth hyphen-minus", u"\uFF0D", bytes_of({0x81, 0x7C})},
      {"nec row 13", u"\u2460", bytes_of({0x87, 0x40})},
      {"repeated in row 13, row 2 wins", u"\u2252", bytes_of({0x81, 0xE0})},
      {"hangul has no code", u"\uAC00", bytes_of({0xFF, 0xFF})},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(wide_to_sjis(c.wide, out));
    EXPECT_EQ(hex(out), hex(c.bytes)) << c.name;
  }
}

TEST(WideToSjis, StopsAtZero) {
  std::string out;
  ASSERT_TRUE(wide_to_sjis(std::u16string(u"a\0b", 3), out));
  EXPECT_EQ(out, "a");
}

TEST(WideToJis, Cases) {
  const EncodeCase cases[] = {
      {"kana, halfwidth, latin", u"\u30A2\uFF71A",
       bytes_of({0x1B, '$', 'B', 0x25, 0x22, 0x1B, '(', 'I', 0x31, 0x1B, '(', 'B', 0x41})},
      {"two-byte at the end returns to ascii", u"\u4E9C",
       bytes_of({0x1B, '$', 'B', 0x30, 0x21, 0x1B, '(', 'B'})},
      {"one escape for a run", u"\u3042\u3044",
       bytes_of({0x1B, '$', 'B', 0x24, 0x22, 0x24, 0x24, 0x1B, '(', 'B'})},
      {"line feed ends the mode", u"\u3042\n\u3042",
       bytes_of({0x1B, '$', 'B', 0x24, 0x22, 0x1B, '(', 'B', 0x0A, 0x1B, '$', 'B', 0x24, 0x22,
                 0x1B, '(', 'B'})},
      {"ascii alone has no escapes", u"abc", "abc"},
      {"katakana straight after kanji", u"\u4E9C\uFF71",
       bytes_of({0x1B, '$', 'B', 0x30, 0x21, 0x1B, '(', 'I', 0x31, 0x1B, '(', 'B'})},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(wide_to_jis(c.wide, out));
    EXPECT_EQ(hex(out), hex(c.bytes)) << c.name;
  }
}

TEST(WideToEuc, Cases) {
  const EncodeCase cases[] = {
      {"kanji", u"\u4E9C", bytes_of({0xB0, 0xA1})},
      {"halfwidth katakana", u"\uFF71", bytes_of({0x8E, 0xB1})},
      {"ascii", u"a", "a"},
      {"no code copies FF FF", u"~", bytes_of({0xFF, 0xFF})},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(wide_to_euc(c.wide, out));
    EXPECT_EQ(hex(out), hex(c.bytes)) << c.name;
  }
}

TEST(SjisToJis, LeadWithoutTrailOrWithABadTrail) {
  std::string out;
  ASSERT_TRUE(sjis_to_jis(bytes_of({0x82, 0x20}), out));  // trail out of range: copied
  EXPECT_EQ(hex(out), hex(bytes_of({0x82, 0x20})));
  ASSERT_TRUE(sjis_to_jis(bytes_of({'a', 0x82}), out));  // no trail: never read past the end
  EXPECT_EQ(hex(out), hex(bytes_of({'a', 0x82})));
}

TEST(SjisToEuc, LeadWithoutTrail) {
  std::string out;
  ASSERT_TRUE(sjis_to_euc(bytes_of({0x82, 0xA0, 0x82}), out));
  EXPECT_EQ(hex(out), hex(bytes_of({0xA4, 0xA2, 0x82})));
}

TEST(WideBytesToSjis, RewritesInPlace) {
  std::string buffer = bytes_of({0x41, 0x00, 0x42, 0x30, 0xFF, 0xFE, 0x71, 0xFF, 0x7E, 0x00, 0x09});
  std::size_t n = wide_bytes_to_sjis(std::span<char>(buffer.data(), buffer.size()));
  EXPECT_EQ(hex(buffer.substr(0, n)), hex(bytes_of({0x41, 0x82, 0xA0, 0xB1, 0xFF, 0xFF})));
  EXPECT_EQ(buffer[n], '\0');
}

TEST(WideBytesToSjis, FullBufferGetsNoTerminator) {
  std::string buffer = bytes_of({0x42, 0x30});
  std::size_t n = wide_bytes_to_sjis(std::span<char>(buffer.data(), buffer.size()));
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(hex(buffer), hex(bytes_of({0x82, 0xA0})));
}

// The pair arithmetic is inverse over the whole JIS X 0208 square.
TEST(PairArithmetic, InverseOverEveryRowAndCell) {
  for (int j1 = 0x21; j1 <= 0x7E; ++j1) {
    for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
      auto a = static_cast<unsigned char>(j1);
      auto b = static_cast<unsigned char>(j2);
      jis_pair_to_sjis(a, b);
      EXPECT_TRUE((a >= 0x81 && a <= 0x9F) || (a >= 0xE0 && a <= 0xEF));
      EXPECT_TRUE(b >= 0x40 && b <= 0xFC && b != 0x7F);
      sjis_pair_to_jis(a, b);
      ASSERT_EQ(a, j1);
      ASSERT_EQ(b, j2);
    }
  }
  unsigned char a = 0x30, b = 0x21;
  jis_pair_to_sjis(a, b);
  EXPECT_EQ(a, 0x88);
  EXPECT_EQ(b, 0x9F);
}

}  // namespace
}  // namespace phx
