#include "text/latin1.h"

#include <gtest/gtest.h>

#include <string>

#include "text/char_codes.h"

namespace phx {
namespace {

TEST(LetterClasses, LatinOneCapitalsAndSmallLetters) {
  struct Case {
    unsigned char byte;
    bool upper;
    bool lower;
  };
  const Case cases[] = {
      {'A', true, false}, {'Z', true, false}, {'a', false, true}, {'z', false, true},
      {0xC0, true, false}, {0xD6, true, false}, {0xD7, false, false},  // multiplication sign
      {0xD8, true, false}, {0xDE, true, false}, {0xDF, false, false},  // sharp s
      {0xE0, false, true}, {0xF6, false, true}, {0xF7, false, false},  // division sign
      {0xF8, false, true}, {0xFE, false, true}, {0xFF, false, false},  // y diaeresis
      {'0', false, false}, {'-', false, false}, {0x80, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(is_upper(c.byte), c.upper) << int{c.byte};
    EXPECT_EQ(is_lower(c.byte), c.lower) << int{c.byte};
  }
}

TEST(LowerText, LowersLatinOneCapitalsOnly) {
  std::string text = "\xC9" "COLE \xD7 \xDF XY";
  lower_text(text.data());
  EXPECT_EQ(text, "\xE9" "cole \xD7 \xDF xy");
  char byte = 'Q';
  EXPECT_EQ(lower_char(byte), 'q');
  EXPECT_EQ(byte, 'q');
}

TEST(InPlaceRoutines, RemoveAndStrip) {
  std::string text = "(a.b,c)";
  remove_chars(text.data(), "().,");
  EXPECT_STREQ(text.c_str(), "abc");

  std::string padded = "--word--";
  strip_leading(padded.data(), "-");
  EXPECT_STREQ(padded.c_str(), "word--");
  strip_trailing(padded.data(), "-");
  EXPECT_STREQ(padded.c_str(), "word");

  std::string all = "----";
  strip_leading(all.data(), "-");
  EXPECT_STREQ(all.c_str(), "");
  remove_chars(nullptr, "x");  // a missing text is left alone
}

TEST(Counting, InSetUpperAndNoLower) {
  EXPECT_EQ(count_in_set("a-b-c", "-"), 2u);
  EXPECT_EQ(count_in_set("", "-"), 0u);
  EXPECT_EQ(count_in_set("abc", ""), 0u);
  EXPECT_EQ(count_upper("NASA and \xC9tat"), 5u);
  EXPECT_TRUE(has_no_lower("NASA-2"));
  EXPECT_TRUE(has_no_lower(""));
  EXPECT_FALSE(has_no_lower("NASa"));
}

TEST(CodeSuitsLanguage, CompatibilityTable) {
  struct Case {
    int language, code, expected;
  };
  const Case cases[] = {
      {0, 2, 0}, {1, 3, 4}, {3, 2, 0}, {6, 5, 4}, {7, 0, 5}, {-1, 0, 5},
      {1, 0, 0}, {1, 1, 0}, {4, 2, 0}, {5, 7, 4}, {3, 5, 0}, {3, 0, 4},
      {6, 6, 0}, {6, 7, 0}, {6, 3, 4}, {2, 8, 4}, {0, -1, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(code_suits_language(c.language, c.code), c.expected)
        << "language " << c.language << " code " << c.code;
  }
}

}  // namespace
}  // namespace phx
