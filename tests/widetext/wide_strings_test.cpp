// String operations on wide text.
#include <gtest/gtest.h>

#include <array>

#include "text/wide_strings.h"

namespace phx {
namespace {

TEST(WideStrings, LengthCopyDuplicate) {
  EXPECT_EQ(wide_length(nullptr), 0u);
  EXPECT_EQ(wide_length(u""), 0u);
  EXPECT_EQ(wide_length(u"\u3042b"), 2u);
  WideChar buffer[8];
  EXPECT_EQ(std::u16string(wide_copy(buffer, u"abc")), u"abc");
  EXPECT_EQ(std::u16string(wide_copy_n(buffer, u"abcdef", 2)), u"ab");
  EXPECT_EQ(wide_duplicate(nullptr), nullptr);
  OwnedWideText copy = wide_duplicate(u"xyz");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::u16string(copy.get()), u"xyz");
  OwnedWideText part = wide_duplicate_n(u"xyz", 2);
  EXPECT_EQ(std::u16string(part.get()), u"xy");
  EXPECT_EQ(wide_duplicate_n(nullptr, 3), nullptr);
  std::u16string joined = u"ab";
  EXPECT_EQ(wide_join_space(joined, u"cd"), u"ab cd");
}

TEST(WideStrings, Compare) {
  const struct {
    std::u16string a, b;
    int result;
  } cases[] = {
      {u"abc", u"abc", 0}, {u"ab", u"abc", -1}, {u"abc", u"ab", 1},
      {u"", u"", 0},       {u"b", u"a", 1},     {u"\uFF21", u"a", 1},  // unsigned units
      {u"\u3042", u"\uAC00", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(wide_compare(c.a, c.b), c.result);
  EXPECT_EQ(wide_compare_n(u"abcx", u"abcy", 3), 0);
  EXPECT_EQ(wide_compare_n(u"abcx", u"abcy", 4), -1);
  EXPECT_EQ(wide_compare_n(u"ab", u"abc", 3), -1);
  EXPECT_EQ(wide_compare_n(u"ab", u"abc", 2), 0);
}

TEST(WideStrings, Find) {
  EXPECT_EQ(wide_find_char(u"abca", u'a'), 0u);
  EXPECT_EQ(wide_find_char(u"abca", u'c'), 2u);
  EXPECT_EQ(wide_find_char(u"abc", u'z'), WideView::npos);
  EXPECT_EQ(wide_find_char(WideView(u"a\0b", 3), 0), WideView::npos);  // zero is never found
  EXPECT_EQ(wide_find(u"abcabc", u"ca"), 2u);
  EXPECT_EQ(wide_find(u"abc", u""), 0u);
  EXPECT_EQ(wide_find(u"abc", u"abcd"), WideView::npos);
  EXPECT_EQ(wide_find(u"\u30AC\u30AD", u"\u30AD"), 1u);
}

TEST(WideStrings, Sets) {
  EXPECT_EQ(wide_span(u"  \u3000ab", kWideBlankSet), 3u);
  EXPECT_EQ(wide_span(u"ab", u""), 0u);
  EXPECT_EQ(wide_span(u"", kWideBlankSet), 0u);
  EXPECT_EQ(wide_cspan(u"ab cd", kWideBlankSet), 2u);
  EXPECT_EQ(wide_cspan(u"ab", u""), 0u);
  EXPECT_EQ(wide_cspan(u"abc", kWideBlankSet), 3u);
  EXPECT_EQ(wide_count_in_set(u"a b\u3000c ", kWideBlankSet), 3u);
  EXPECT_EQ(wide_count_in_set(u"", kWideBlankSet), 0u);
  EXPECT_EQ(wide_count_in_set(u"abc", WideView()), 0u);
  EXPECT_FALSE(wide_set_has(WideView(u"a\0", 2), 0));
}

TEST(WideStrings, BoundarySet) {
  EXPECT_EQ(kWideBoundarySet.size(), 93u);
  for (char16_t u : {u'(', u'_', u'\u001D', u'\u001E', u'\u3002', u'\uFF61', u'\u300D'}) {
    EXPECT_TRUE(wide_set_has(kWideBoundarySet, u)) << std::hex << static_cast<int>(u);
  }
  for (char16_t u : {u'a', u' ', u'-', u'/', u'\u3000'}) {
    EXPECT_FALSE(wide_set_has(kWideBoundarySet, u)) << std::hex << static_cast<int>(u);
  }
}

TEST(WideStrings, StripAndRemoveInPlace) {
  WideChar text[] = u"  a b  ";
  wide_strip_leading(text, kWideBlankSet);
  EXPECT_EQ(std::u16string(text), u"a b  ");
  wide_strip_trailing(text, kWideBlankSet);
  EXPECT_EQ(std::u16string(text), u"a b");
  wide_remove_chars(text, kWideBlankSet);
  EXPECT_EQ(std::u16string(text), u"ab");
  WideChar blanks[] = u" \u3000 ";
  wide_strip_leading(blanks, kWideBlankSet);
  EXPECT_EQ(std::u16string(blanks), u"");
  WideChar blanks2[] = u" \u3000 ";
  wide_strip_trailing(blanks2, kWideBlankSet);
  EXPECT_EQ(std::u16string(blanks2), u"");
  wide_strip_leading(static_cast<WideChar*>(nullptr), kWideBlankSet);

  std::u16string s = u"\u3000x y\u3000";
  wide_strip_leading(s, kWideBlankSet);
  wide_strip_trailing(s, kWideBlankSet);
  EXPECT_EQ(s, u"x y");
  wide_remove_chars(s, kWideBlankSet);
  EXPECT_EQ(s, u"xy");
}

TEST(WideStrings, NextToken) {
  std::array<WideChar, 8> token{};
  const WideChar* text = u"  one two";
  const WideChar* rest = wide_next_token(text, token, kWideBlankSet);
  EXPECT_EQ(std::u16string(token.data()), u"one");
  EXPECT_EQ(rest, text + 5);
  rest = wide_next_token(rest, token, kWideBlankSet);
  EXPECT_EQ(std::u16string(token.data()), u"two");
  EXPECT_EQ(*rest, 0);
  rest = wide_next_token(rest, token, kWideBlankSet);
  EXPECT_EQ(std::u16string(token.data()), u"");
  EXPECT_EQ(*rest, 0);

  EXPECT_EQ(wide_next_token(nullptr, token, kWideBlankSet), nullptr);
  EXPECT_EQ(token[0], 0);
  const WideChar* blanks = u"   ";
  EXPECT_EQ(wide_next_token(blanks, token, kWideBlankSet), blanks + 3);
  EXPECT_EQ(token[0], 0);
}

TEST(WideStrings, NextTokenTooLongSkipsTheRest) {
  std::array<WideChar, 4> token{};
  token.fill(u'#');
  const WideChar* text = u"abcdef gh";
  const WideChar* rest = wide_next_token(text, token, kWideBlankSet);
  EXPECT_EQ(std::u16string(token.data()), u"abc");  // limit - 1 units
  EXPECT_EQ(rest, text + 9);
  // A run that exactly fits: n + 1 == limit.
  rest = wide_next_token(u"abc d", token, kWideBlankSet);
  EXPECT_EQ(std::u16string(token.data()), u"abc");
  EXPECT_EQ(*rest, u' ');
}

TEST(WideStrings, DisplayWidth) {
  EXPECT_EQ(wide_display_width(u""), 0u);
  EXPECT_EQ(wide_display_width(u"ab"), 2u);
  EXPECT_EQ(wide_display_width(u"\u3042\uFF71\uAC00"), 5u);
}

TEST(WideStrings, GrowBufferGrowsByTheTextAnd1024) {
  WideGrowBuffer buffer(10);
  ASSERT_TRUE(buffer.valid());
  ASSERT_TRUE(buffer.append_grow(u"abcdef"));
  ASSERT_TRUE(buffer.append_grow(u"xyz"));  // 6 + 3 < 10: in place
  EXPECT_EQ(buffer.capacity(), 10u);
  ASSERT_TRUE(buffer.append_grow(u"w"));  // 9 + 1 == 10: grows
  EXPECT_EQ(buffer.capacity(), 10u + 1 + 1024);
  EXPECT_EQ(buffer.view(), u"abcdefxyzw");
  EXPECT_EQ(buffer.c_str()[buffer.size()], 0);
  ASSERT_TRUE(buffer.append_grow(u""));
  OwnedWideText text = buffer.release();
  EXPECT_EQ(std::u16string(text.get()), u"abcdefxyzw");
  EXPECT_FALSE(buffer.valid());
  EXPECT_FALSE(buffer.append_grow(u"a"));
}

}  // namespace
}  // namespace phx
