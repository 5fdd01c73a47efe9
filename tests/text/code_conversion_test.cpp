#include <gtest/gtest.h>

#include <string>

#include "text/code_page_437.h"
#include "text/convert_word.h"
#include "text/ucs2.h"

namespace phx {
namespace {

TEST(CodePage437, SpotValuesOfBothTables) {
  struct Case {
    unsigned char from, to;
  };
  const Case to_latin1[] = {{0x41, 0x41}, {0x80, 0xC7}, {0x82, 0xE9}, {0x9E, 0x3F}, {0xB3, 0x3F},
                            {0xE1, 0xDF}, {0xED, 0xF8}, {0xFF, 0xA0}};
  for (const Case& c : to_latin1) EXPECT_EQ(kCp437ToLatin1[c.from], c.to) << int{c.from};
  const Case from_latin1[] = {{0x91, 0x27}, {0x93, 0x22}, {0xC0, 0x41}, {0xC7, 0x80},
                              {0xE9, 0x82}, {0xD7, 0x3F}, {0xFF, 0x98}};
  for (const Case& c : from_latin1) EXPECT_EQ(kLatin1ToCp437[c.from], c.to) << int{c.from};
  std::string text = "caf\x82";
  cp437_to_latin1(text.data());
  EXPECT_EQ(text, "caf\xE9");
}

TEST(Ucs2ToLatin1, MapsStandInsAndMarksTheRest) {
  struct Case {
    char16_t unit;
    unsigned char byte;
  };
  const Case cases[] = {{0x0041, 0x41}, {0x00E9, 0xE9}, {0xFEFF, 0x20}, {0x2003, 0x20},
                        {0x2014, 0x20}, {0x2018, 0x91}, {0x275C, 0x92}, {0x201C, 0x93},
                        {0x201D, 0x94}, {0x2026, 0x85}, {0x2024, 0x2E}, {0x203C, 0x21},
                        {0x2762, 0x21}, {0x2719, 0x2B}, {0x2720, 0x2B}, {0x2721, 0x2A},
                        {0x274B, 0x2A}, {0x274C, 0x3F}, {0x4E00, 0x3F}, {0xFFFE, 0x3F}};
  for (const Case& c : cases) EXPECT_EQ(ucs2_unit_to_latin1(c.unit), c.byte) << int{c.unit};

  const char16_t quoted[] = {0x201C, 0x0041, 0x201D};
  char out[4];
  ucs2_to_latin1(quoted, out, 3);
  EXPECT_STREQ(out, "\x93" "A" "\x94");
  ucs2_to_latin1(quoted, out, 0);
  EXPECT_STREQ(out, "");
}

TEST(Latin1ToUcs2, StopsAtZeroOrN) {
  char16_t out[8];
  latin1_to_ucs2("abc", out, 2);
  EXPECT_EQ(std::u16string(out), u"ab");
  latin1_to_ucs2("\xE9", out, 5);
  EXPECT_EQ(std::u16string(out), u"\u00E9");
  latin1_to_ucs2("abc", out, -1);
  EXPECT_EQ(out[0], 0);
}

TEST(ConvertWord, BetweenTheLatinCodesAndUcs2) {
  EncodedText out;
  ASSERT_EQ(convert_word("\xC7" "a", 0, 2, out), 0);
  EXPECT_TRUE(out.is_wide);
  EXPECT_EQ(out.wide, u"\u00C7a");
  ASSERT_EQ(convert_word("\xC7" "a", 0, 1, out), 0);
  EXPECT_EQ(out.bytes, "\x80" "a");
  ASSERT_EQ(convert_word("\x80" "a", 1, 0, out), 0);
  EXPECT_EQ(out.bytes, "\xC7" "a");
  ASSERT_EQ(convert_word(std::u16string_view(u"\u201Cx\u4E00"), 0, out), 0);
  EXPECT_EQ(out.bytes, "\x93" "x?");
  ASSERT_EQ(convert_word("same", 0, 0, out), 0);
  EXPECT_EQ(out.bytes, "same");
}

TEST(ConvertWord, ReadsACallersUnalignedUcs2Text) {
  // "hé" in little-endian UCS2, starting at an odd address.
  const char storage[] = {'x', 'h', 0, '\xE9', 0, 0, 0};
  EncodedText out;
  ASSERT_EQ(convert_word(storage + 1, 2, 0, out), 0);
  EXPECT_EQ(out.bytes, "h\xE9");
}

TEST(ConvertWord, RefusesUnknownCodes) {
  EncodedText out;
  EXPECT_EQ(convert_word("a", 0, 8, out), 1);
  EXPECT_EQ(convert_word("a", -1, 0, out), 1);
  EXPECT_EQ(convert_word(static_cast<const char*>(nullptr), 0, 0, out), 1);
}

TEST(AppendConverted, AppendsWideTextForCodeTwoAndBytesOtherwise) {
  TermList list;
  ASSERT_EQ(append_converted(list, std::string_view("\xE9t\xE9"), 2), 0);
  ASSERT_EQ(append_converted(list, std::string_view("\xE9t\xE9"), 1), 0);
  EXPECT_EQ(list.at(0)->wide_text_view(), u"\u00E9t\u00E9");
  EXPECT_EQ(list.at(1)->text_view(), "\x82t\x82");
}

}  // namespace
}  // namespace phx
