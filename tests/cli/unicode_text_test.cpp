// UTF-8 and UTF-16 to UCS2 and back, including what the engine cannot hold.
#include <gtest/gtest.h>

#include "unicode_text.h"

namespace {

using phraxis_cli::ucs2_to_utf8;
using phraxis_cli::utf16_to_ucs2;
using phraxis_cli::utf8_to_ucs2;

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u16string ucs2;
};

TEST(Utf8ToUcs2, Table) {
  const Utf8Case cases[] = {
      {"empty", "", u""},
      {"ascii", "key phrase", u"key phrase"},
      {"latin1 letters", "caf\xC3\xA9 na\xC3\xAFve", u"café naïve"},
      {"kana and kanji", "\xE6\x97\xA5\xE6\x9C\xAC\xE3\x81\xAE", u"日本の"},
      {"hangul", "\xED\x95\x9C\xEA\xB5\xAD", u"한국"},
      {"highest BMP character", "\xEF\xBF\xBF", u"\uFFFF"},
      {"emoji outside the BMP", "a\xF0\x9F\x98\x80" "b", u"a\uFFFDb"},
      {"last code point", "\xF4\x8F\xBF\xBF", u"\uFFFD"},
      {"stray continuation byte", "a\x80" "b", u"a\uFFFDb"},
      {"truncated sequence, one replacement", "a\xE6\x97" "b", u"a\uFFFDb"},
      {"truncated at the end", "a\xE6", u"a\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"latin1 byte in a UTF-8 file", "caf\xE9", u"caf\uFFFD"},
      {"nul kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8_to_ucs2(c.utf8), c.ucs2) << c.name;
}

TEST(Utf16ToUcs2, ByteOrdersPairsAndStrays) {
  EXPECT_EQ(utf16_to_ucs2(std::string("k\0e\0y\0", 6), false), u"key");
  EXPECT_EQ(utf16_to_ucs2(std::string("\0k\0e\0y", 6), true), u"key");
  EXPECT_EQ(utf16_to_ucs2("\xE5\x65", false), u"\u65E5");
  EXPECT_EQ(utf16_to_ucs2("\x65\xE5", true), u"\u65E5");
  // A surrogate pair is one character outside the BMP: one replacement.
  EXPECT_EQ(utf16_to_ucs2(std::string("a\0\x3D\xD8\x00\xDE" "b\0", 8), false), u"a\uFFFDb");
  // Lone surrogates, high or low.
  EXPECT_EQ(utf16_to_ucs2(std::string("\x3D\xD8" "a\0", 4), false), u"\uFFFDa");
  EXPECT_EQ(utf16_to_ucs2(std::string("\x00\xDE" "a\0", 4), false), u"\uFFFDa");
  // A dangling odd byte.
  EXPECT_EQ(utf16_to_ucs2(std::string("a\0b", 3), false), u"a\uFFFD");
}

TEST(Ucs2ToUtf8, EncodesAndReplacesSurrogates) {
  EXPECT_EQ(ucs2_to_utf8(u"key"), "key");
  EXPECT_EQ(ucs2_to_utf8(u"café"), "caf\xC3\xA9");
  EXPECT_EQ(ucs2_to_utf8(u"日本"), "\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(ucs2_to_utf8(u"\uFFFF"), "\xEF\xBF\xBF");
  EXPECT_EQ(ucs2_to_utf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(Ucs2ToUtf8, RoundTripOfEveryBmpCharacterOutsideSurrogates) {
  std::u16string all;
  for (char32_t c = 1; c <= 0xFFFF; ++c) {
    if (c < 0xD800 || c > 0xDFFF) all.push_back(static_cast<char16_t>(c));
  }
  EXPECT_EQ(utf8_to_ucs2(ucs2_to_utf8(all)), all);
}

}  // namespace
