// Case, width, accent and kana normalisations of wide text.
#include <gtest/gtest.h>

#include "text/wide_conversions.h"

namespace phx {
namespace {

struct UnitCase {
  char16_t in;
  char16_t out;
};

TEST(WideConversions, ToFullwidth) {
  const UnitCase cases[] = {
      {0x0020, 0x3000}, {u'A', 0xFF21}, {u'~', 0xFF5E}, {u'!', 0xFF01}, {0x001F, 0x001F},
      {0x007F, 0x007F}, {0xFF61, 0x3002}, {0xFF62, 0x300C}, {0xFF63, 0x300D}, {0xFF64, 0x3001},
      {0xFF65, 0x30FB}, {0xFF66, 0x30F2}, {0xFF67, 0x30A1}, {0xFF6F, 0x30C3}, {0xFF70, 0x30FC},
      {0xFF71, 0x30A2}, {0xFF9D, 0x30F3}, {0xFF9E, 0x309B}, {0xFF9F, 0x309C}, {0xFFA0, 0x3164},
      {0xFFA1, 0x3131}, {0xFFBE, 0x314E}, {0xFFC2, 0x314F}, {0xFFCA, 0x3155}, {0xFFDC, 0x3163},
      {0xFFBF, 0xFFBF}, {0x4E00, 0x4E00}, {0x3042, 0x3042}, {0x00E9, 0x00E9},
  };
  for (const auto& c : cases) EXPECT_EQ(to_fullwidth(c.in), c.out) << std::hex << static_cast<int>(c.in);
}

TEST(WideConversions, ToHalfwidth) {
  const UnitCase cases[] = {
      {0x3000, 0x0020}, {0xFF21, u'A'}, {0xFF5E, u'~'}, {0x30C3, 0xFF6F}, {0x309B, 0xFF9E},
      {0x309C, 0xFF9F}, {0x30FC, 0xFF70}, {0x3164, 0xFFA0}, {0x3131, 0xFFA1}, {0x3155, 0xFFCA},
      {0x3002, 0xFF61}, {0x30A2, 0xFF71}, {0x30AC, 0x30AC}, {0x4E00, 0x4E00}, {u'A', u'A'},
      {0x3042, 0x3042},
  };
  for (const auto& c : cases) EXPECT_EQ(to_halfwidth(c.in), c.out) << std::hex << static_cast<int>(c.in);
}

TEST(WideConversions, HalfwidthRoundTrip) {
  for (char16_t u = 0xFF61; u <= 0xFFDC; ++u) {
    char16_t full = to_fullwidth(u);
    if (full != u) {
      EXPECT_EQ(to_halfwidth(full), u) << std::hex << static_cast<int>(u);
    }
  }
}

TEST(WideConversions, FoldCaseAndAccents) {
  EXPECT_EQ(fold_latin_case(u'A'), u'a');
  EXPECT_EQ(fold_latin_case(0xFF21), 0xFF41);
  EXPECT_EQ(fold_latin_case(0x00C9), 0x00C9);
  EXPECT_EQ(fold_latin_case(u'['), u'[');
  EXPECT_EQ(fold_accent(static_cast<char16_t>(0x00C9)), u'E');
  EXPECT_EQ(fold_accent(static_cast<char16_t>(0x00DF)), u's');
  EXPECT_EQ(fold_accent(static_cast<char16_t>(0x00A5)), 0x00A5);
  EXPECT_EQ(fold_accent(static_cast<char16_t>(0x0100)), 0x0100);
  std::u16string text = u"\u00C9cole ABC\uFF21";
  wide_fold_case(text);
  EXPECT_EQ(text, u"\u00C9cole abc\uFF41");
  wide_fold_accents(text);
  EXPECT_EQ(text, u"Ecole abc\uFF41");
}

TEST(WideConversions, StringWidthForms) {
  std::u16string text = u"a b\uFF71";
  wide_to_fullwidth_keep_space(text);
  EXPECT_EQ(text, u"\uFF41 \uFF42\u30A2");
  wide_to_fullwidth(text);
  EXPECT_EQ(text, u"\uFF41\u3000\uFF42\u30A2");
  wide_to_halfwidth(text);
  EXPECT_EQ(text, u"a b\uFF71");
  WideChar raw[] = u"x\uFF9E";
  wide_to_fullwidth(raw);
  EXPECT_EQ(std::u16string(raw), u"\uFF58\u309B");
  wide_to_fullwidth(static_cast<WideChar*>(nullptr));  // left alone
}

TEST(WideConversions, ComposeVoiced) {
  const struct {
    std::u16string in;
    std::u16string out;
  } cases[] = {
      {u"\uFF76\uFF9E\uFF77", u"\u30AC\u30AD"},  // ｶﾞｷ to ガキ
      {u"\uFF73\uFF9E", u"\u30F4"},              // ｳﾞ to ヴ
      {u"\uFF71\uFF9E", u"\u30A2\u309B"},        // ｱﾞ stays apart
      {u"\uFF8A\uFF9F", u"\u30D1"},              // ﾊﾟ to パ
      {u"\uFF8E\uFF9F", u"\u30DD"},              // ﾎﾟ to ポ
      {u"\uFF76\uFF9F", u"\u30AB\u309C"},        // no semi-voiced カ
      {u"\u30AB\u309B", u"\u30AB\u309B"},        // a fullwidth mark does not compose
      {u"\u30AB\uFF9E", u"\u30AC"},              // fullwidth カ with a halfwidth mark
      {u"\uFF9E", u"\u309B"},
      {u"ab", u"\uFF41\uFF42"},
      {u"", u""},
  };
  for (const auto& c : cases) {
    std::u16string text = c.in;
    wide_compose_voiced(text);
    EXPECT_EQ(text, c.out);
  }
}

TEST(WideConversions, NormaliseDashes) {
  const struct {
    std::u16string in;
    std::u16string out;
  } cases[] = {
      {u"\u30AB-", u"\u30AB\u30FC"},
      {u"\u30AB\uFF70", u"\u30AB\u30FC"},
      {u"a-b", u"a\uFF0Db"},
      {u"1-2", u"1-2"},
      {u"-a", u"-a"},                          // the first unit never changes
      {u"\u30AB--", u"\u30AB\u30FC-"},         // a prolonged sound mark is not katakana
      {u"\u30AB\u2010", u"\u30AB\u30FC"},
      {u"x\u30FC", u"x\uFF0D"},
  };
  for (const auto& c : cases) {
    std::u16string text = c.in;
    wide_normalise_dashes(text);
    EXPECT_EQ(text, c.out);
  }
}

}  // namespace
}  // namespace phx
