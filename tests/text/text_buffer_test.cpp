#include "text/text_buffer.h"

#include <gtest/gtest.h>

#include <string>

#include "text/bounded_text.h"

namespace phx {
namespace {

TEST(SplitNext, SkipsDelimitersAndStopsAtTheNext) {
  char token[256];
  const char* text = "  one two";
  const char* rest = split_next(text, token, sizeof token, " ");
  EXPECT_STREQ(token, "one");
  EXPECT_EQ(rest, text + 5);  // at the space before "two"
  rest = split_next(rest, token, sizeof token, " ");
  EXPECT_STREQ(token, "two");
  EXPECT_EQ(*rest, '\0');
  rest = split_next(rest, token, sizeof token, " ");
  EXPECT_STREQ(token, "");
}

TEST(SplitNext, MissingEmptyAndDelimiterOnlyTexts) {
  char token[8] = "junk";
  EXPECT_EQ(split_next(nullptr, token, sizeof token, " "), nullptr);
  EXPECT_STREQ(token, "");
  const char* empty = "";
  EXPECT_EQ(split_next(empty, token, sizeof token, " "), empty);
  const char* spaces = "   ";
  EXPECT_EQ(split_next(spaces, token, sizeof token, " "), spaces + 3);
  EXPECT_STREQ(token, "");
}

TEST(SplitNext, AnOverLongTokenIsCutAndEndsTheSplitting) {
  std::string text(300, 'x');
  text += " tail";
  char token[256];
  const char* rest = split_next(text.c_str(), token, sizeof token, " ");
  EXPECT_EQ(std::string(token), std::string(255, 'x'));
  EXPECT_EQ(rest, text.c_str() + text.size());
}

TEST(DuplicateText, CopiesUpToNAndTerminates) {
  OwnedText copy = duplicate_text_n("abcdef", 3);
  EXPECT_STREQ(copy.get(), "abc");
  OwnedText shorter = duplicate_text_n("ab", 5);  // the text ends first
  EXPECT_STREQ(shorter.get(), "ab");
  EXPECT_EQ(duplicate_text(nullptr), nullptr);
  EXPECT_STREQ(duplicate_text("word").get(), "word");
}

TEST(GrowBuffer, AppendsInPlaceWhileTheTextFitsThenGrows) {
  GrowBuffer buffer(10);
  ASSERT_TRUE(buffer.append_grow("abcdef"));
  const char* before = buffer.c_str();
  ASSERT_TRUE(buffer.append_grow("xyz"));  // 6 + 3 < 10: in place
  EXPECT_EQ(buffer.c_str(), before);
  EXPECT_EQ(buffer.capacity(), 10u);
  GrowBuffer other(10);
  other.append_grow("abcdef");
  ASSERT_TRUE(other.append_grow("wxyz"));  // 6 + 4 = 10: grows by 4 + 1024
  EXPECT_EQ(other.capacity(), 1038u);
  EXPECT_EQ(other.view(), "abcdefwxyz");
  ASSERT_TRUE(other.append_grow_n("12345", 2));
  EXPECT_EQ(other.view(), "abcdefwxyz12");
}

TEST(BoundedText, NeverHoldsMoreThanItsCapacity) {
  BoundedText<8> text;
  EXPECT_TRUE(text.assign("abc"));
  EXPECT_FALSE(text.append("defghij"));
  EXPECT_EQ(text.view(), "abcdefg");
  EXPECT_TRUE(text.full());
  EXPECT_FALSE(text.push_back('x'));
  text.pop_back();
  EXPECT_EQ(text.back(), 'f');
  text.truncate(2);
  EXPECT_STREQ(text.c_str(), "ab");
}

}  // namespace
}  // namespace phx
