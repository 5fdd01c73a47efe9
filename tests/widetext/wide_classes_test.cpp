// The wide character classes: exact range ends and the documented overlaps.
#include <gtest/gtest.h>

#include "text/wide_classes.h"

namespace phx {
namespace {

using Class = bool (*)(char16_t);

struct ClassCase {
  const char* name;
  Class is_member;
  std::vector<char16_t> members;
  std::vector<char16_t> others;
};

TEST(WideClasses, RangeEnds) {
  const ClassCase cases[] = {
      {"hangul", [](char16_t u) { return is_hangul(u); },
       {0x1100, 0x1159, 0x115F, 0x11A2, 0x11A8, 0x11F9, 0x302E, 0x302F, 0x3131, 0x318E, 0x3200,
        0x321C, 0x3260, 0x326C, 0x327F, 0xAC00, 0xD7A3, 0xFFA0, 0xFFBE, 0xFFC2, 0xFFDC},
       {0x10FF, 0x115A, 0x115E, 0x11A3, 0x11A7, 0x11FA, 0x3130, 0x318F, 0x321D, 0x327E, 0xABFF,
        0xD7A4, 0xFFBF, 0xFFC1, 0xFFDD, u'a'}},
      {"hiragana", [](char16_t u) { return is_hiragana(u); },
       {0x3041, 0x3093, 0x309B, 0x309E},
       {0x3040, 0x3094, 0x309A, 0x309F, 0x30A2}},
      {"katakana", [](char16_t u) { return is_katakana(u); },
       {0x309B, 0x309C, 0x30A1, 0x30F6, 0x30FB, 0x30FD, 0x30FE, 0xFF65, 0xFF6F, 0xFF71, 0xFF9E,
        0xFF9F},
       {0x309D, 0x30A0, 0x30F7, 0x30FC, 0xFF70, 0xFF64, 0xFFA0, 0x3042}},
      {"dash", [](char16_t u) { return is_dash(u); },
       {0x002D, 0x2010, 0x30FC, 0xFF0D, 0xFF70},
       {0x2011, 0x2212, 0x30FB, u'_'}},
      {"kanji", [](char16_t u) { return is_kanji(u); },
       {0x4E00, 0x9FA0, 0xF900, 0xFA0B},
       {0x4DFF, 0x9FA1, 0xF8FF, 0xFA0C, 0x3005}},
      {"latin letter", [](char16_t u) { return is_latin_letter(u); },
       {u'A', u'Z', u'a', u'z', 0xFF21, 0xFF3A, 0xFF41, 0xFF5A},
       {u'@', u'[', u'`', u'{', 0xFF20, 0xFF3B, 0xFF40, 0xFF5B, 0x00E9}},
      {"latin capital", [](char16_t u) { return is_latin_capital(u); },
       {u'A', u'Z', 0xFF21, 0xFF3A},
       {u'a', 0xFF41, u'@'}},
      {"digit", [](char16_t u) { return is_any_digit(u); },
       {u'0', u'9', 0xFF10, 0xFF19},
       {u'/', u':', 0xFF0F, 0xFF1A, 0x4E00}},
      {"blank", [](char16_t u) { return is_blank(u); }, {0x0020, 0x3000}, {0x00A0, 0x0009}},
      {"comma", [](char16_t u) { return is_comma(u); },
       {0x002C, 0x3001, 0xFF0C, 0xFF64},
       {0x3002, u'.'}},
      {"narrow", [](char16_t u) { return is_narrow(u); },
       {0x0020, 0x007F, 0xFF61, 0xFFBE, 0xFFC2, 0xFFDC},
       {0x001F, 0x0080, 0xFF60, 0xFFBF, 0xFFC1, 0xFFDD, 0x3042}},
      {"break space", [](char16_t u) { return is_break_space(u); },
       {0x0008, 0x0009, 0x000A, 0x000D, 0x001D, 0x001E, 0x0020, 0x00A0, 0x3000},
       {0x0007, 0x000B, 0x000C, 0x001C, 0x001F, 0x2003}},
  };
  for (const auto& c : cases) {
    for (char16_t u : c.members) EXPECT_TRUE(c.is_member(u)) << c.name << " " << std::hex << static_cast<int>(u);
    for (char16_t u : c.others) EXPECT_FALSE(c.is_member(u)) << c.name << " " << std::hex << static_cast<int>(u);
  }
}

TEST(WideClasses, KanaIsEitherScript) {
  EXPECT_TRUE(is_kana(0x3042));
  EXPECT_TRUE(is_kana(0x30A2));
  EXPECT_TRUE(is_kana(0x309B));
  EXPECT_FALSE(is_kana(0x30FC));
  EXPECT_FALSE(is_kana(0x4E00));
}

}  // namespace
}  // namespace phx
