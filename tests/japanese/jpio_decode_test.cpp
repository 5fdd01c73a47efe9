// The jpio decoders: Shift-JIS, UCS2, JIS (old, new and NEC escapes) and
// EUC-JP to wide text.
#include <gtest/gtest.h>

#include "support/byte_text.h"
#include "japanese/jpio.h"

namespace phx {
namespace {

std::u16string sjis(const std::string& bytes) {
  JapaneseCodecState state;
  std::u16string out;
  EXPECT_TRUE(sjis_to_wide(state, bytes, out));
  return out;
}
std::u16string jis(const std::string& bytes) {
  JapaneseCodecState state;
  std::u16string out;
  EXPECT_TRUE(jis_to_wide(state, bytes, out));
  return out;
}
std::u16string euc(const std::string& bytes) {
  JapaneseCodecState state;
  std::u16string out;
  EXPECT_TRUE(euc_to_wide(state, bytes, out));
  return out;
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u16string wide;
};

TEST(SjisToWide, Cases) {
  const DecodeCase cases[] = {
      {"ascii", "Ab 1", u"Ab 1"},
      {"controls pass", bytes_of({0x01, 0x0A, 0x1F}), u"\u0001\n\u001F"},
      {"yen and overline", bytes_of({0x5C, 0x7E}), u"\u00A5\u203E"},
      {"hiragana", bytes_of({0x82, 0xA0}), u"\u3042"},
      {"kanji", bytes_of({0x88, 0x9F}), u"\u4E9C"},
      {"halfwidth katakana", bytes_of({0xB1, 0xDF}), u"\uFF71\uFF9F"},
      {"backslash code", bytes_of({0x81, 0x5F}), u"\\"},
      {"nec circled one", bytes_of({0x87, 0x40}), u"\u2460"},
      {"undefined pair", bytes_of({0x85, 0x40, 0x41}), u"\uFFFFA"},
      {"ibm lead gives no character", bytes_of({0xED, 0x40}), u"\uFFFF"},
      {"lead takes any trail", bytes_of({0x82, 0x0A, 0x41}), u"\uFFFFA"},
      {"dropped bytes", bytes_of({0x7F, 0x80, 0xA0, 0xF0, 0xFF, 0x41}), u"A"},
      {"lone final lead is held", bytes_of({0x41, 0x82}), u"A"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(sjis(c.bytes)), hex(c.wide)) << c.name;
}

TEST(SjisToWide, RawFormWritesUnitsAndZero) {
  JapaneseCodecState state;
  std::string bytes = bytes_of({0x41, 0x82, 0xA0, 0x88});
  WideChar out[5];
  std::fill(std::begin(out), std::end(out), u'#');
  EXPECT_EQ(sjis_to_wide(state, bytes, out), 2u);
  EXPECT_EQ(out[0], u'A');
  EXPECT_EQ(out[1], u'\u3042');
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(state.lead_pending, 1);
  EXPECT_EQ(state.pending_lead, 0x88);
}

TEST(SjisToWide, LeadByteCarriesToTheNextBuffer) {
  JapaneseCodecState state;
  std::u16string first, second;
  ASSERT_TRUE(sjis_to_wide(state, bytes_of({0x41, 0x82}), first));
  ASSERT_TRUE(sjis_to_wide(state, bytes_of({0xA0, 0x42}), second));
  EXPECT_EQ(first, u"A");
  EXPECT_EQ(second, u"\u3042B");
  EXPECT_EQ(state.lead_pending, 0);
}

TEST(SjisToWide, EmptyBufferKeepsTheHeldLead) {
  JapaneseCodecState state;
  std::u16string out;
  ASSERT_TRUE(sjis_to_wide(state, bytes_of({0x82}), out));
  ASSERT_TRUE(sjis_to_wide(state, "", out));
  EXPECT_EQ(out, u"");
  ASSERT_TRUE(sjis_to_wide(state, bytes_of({0xA0}), out));
  EXPECT_EQ(out, u"\u3042");
}

TEST(JisToWide, EscapeSequences) {
  const DecodeCase cases[] = {
      {"new jis", bytes_of({0x1B, '$', 'B', 0x30, 0x21, 0x1B, '(', 'B'}), u"\u4E9C"},
      {"old jis", bytes_of({0x1B, '$', '@', 0x30, 0x21, 0x1B, '(', 'J', 'A'}), u"\u4E9CA"},
      {"nec kanji in and out", bytes_of({0x1B, 'K', 0x24, 0x22, 0x1B, 'H', 'A'}), u"\u3042A"},
      {"halfwidth katakana", bytes_of({0x1B, '(', 'I', 0x31, 0x5F, 0x1B, '(', 'B', 'A'}),
       u"\uFF71\uFF9FA"},
      {"ESC ( J leaves katakana mode on", bytes_of({0x1B, '(', 'I', 0x1B, '$', 'B', 0x24, 0x22,
                                                  0x1B, '(', 'J', 0x31}),
       u"\u3042\uFF71"},
      {"ascii in between", bytes_of({'x', 0x1B, '$', 'B', 0x24, 0x22, 0x1B, '(', 'B', 'y'}),
       u"x\u3042y"},
      {"line feed ends two-byte mode", bytes_of({0x1B, '$', 'B', 0x24, 0x22, 0x0A, 0x24, 0x22}),
       u"\u3042\n$\""},
      {"carriage return too", bytes_of({0x1B, '$', 'B', 0x0D, 0x41}), u"\rA"},
      {"unknown two-byte escape", bytes_of({0x1B, '$', 'B', 0x1B, 'x', 0x41}), u"A"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(jis(c.bytes)), hex(c.wide)) << c.name;
}

TEST(JisToWide, EscapeCutByTheBufferEnd) {
  // ESC $ ends the first buffer; B 0x30 0x21 begins the next.
  JapaneseCodecState state;
  std::u16string first, second;
  ASSERT_TRUE(jis_to_wide(state, bytes_of({'a', 0x1B, '$'}), first));
  EXPECT_EQ(state.carry_count, 2);
  ASSERT_TRUE(jis_to_wide(state, bytes_of({'B', 0x30, 0x21, 0x1B, '(', 'B'}), second));
  EXPECT_EQ(first, u"a");
  EXPECT_EQ(second, u"\u4E9C");
  EXPECT_EQ(state.jis_kanji_mode, 0);
}

TEST(JisToWide, HalfPairAndModeCarry) {
  JapaneseCodecState state;
  std::u16string first, second;
  ASSERT_TRUE(jis_to_wide(state, bytes_of({0x1B, '$', 'B', 0x30}), first));
  EXPECT_EQ(state.jis_kanji_mode, 1);
  EXPECT_EQ(state.carry_count, 1);
  ASSERT_TRUE(jis_to_wide(state, bytes_of({0x21, 0x24, 0x22}), second));
  EXPECT_EQ(first, u"");
  EXPECT_EQ(second, u"\u4E9C\u3042");
}

TEST(JisToSjis, OutputBytes) {
  JapaneseCodecState state;
  std::string out;
  ASSERT_TRUE(jis_to_sjis(state, bytes_of({0x1B, '$', 'B', 0x30, 0x21, 0x1B, '(', 'I', 0x31}), out));
  EXPECT_EQ(hex(out), hex(bytes_of({0x88, 0x9F, 0xB1})));
}

TEST(JisToWide, ZeroByteDoesNotCutTheBuffer) {
  EXPECT_EQ(hex(jis(bytes_of({'a', 0x00, 'b'}))), hex(std::u16string(u"a\0b", 3)));
}

TEST(EucToWide, Cases) {
  const DecodeCase cases[] = {
      {"kanji", bytes_of({0xB0, 0xA1}), u"\u4E9C"},
      {"hiragana", bytes_of({0xA4, 0xA2}), u"\u3042"},
      {"halfwidth katakana", bytes_of({0x8E, 0xB1}), u"\uFF71"},
      {"lead with a low byte", bytes_of({0xB0, 0x41}), u"\uFF70A"},
      {"ascii", "abc", u"abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(euc(c.bytes)), hex(c.wide)) << c.name;
}

TEST(EucToSjis, BytesWithoutARuleAreCopied) {
  struct Case {
    const char* name;
    std::string euc;
    std::string sjis;
  } const cases[] = {
      {"ss2 with a byte out of range", bytes_of({0x8E, 0x41}), bytes_of({0x8E, 0x41})},
      {"three-byte form passes byte by byte", bytes_of({0x8F, 0xB0, 0xA1}),
       bytes_of({0x8F, 0x88, 0x9F})},
      {"lead with a low byte", bytes_of({0xB0, 0x0A}), bytes_of({0xB0, 0x0A})},
      {"pair", bytes_of({0xA4, 0xA2, 0x8E, 0xDF}), bytes_of({0x82, 0xA0, 0xDF})},
  };
  for (const auto& c : cases) {
    JapaneseCodecState state;
    std::string out;
    ASSERT_TRUE(euc_to_sjis(state, c.euc, out));
    EXPECT_EQ(hex(out), hex(c.sjis)) << c.name;
  }
}

TEST(EucToWide, PairCarriesToTheNextBuffer) {
  JapaneseCodecState state;
  std::u16string first, second;
  ASSERT_TRUE(euc_to_wide(state, bytes_of({'x', 0xB0}), first));
  ASSERT_TRUE(euc_to_wide(state, bytes_of({0xA1, 'y'}), second));
  EXPECT_EQ(first, u"x");
  EXPECT_EQ(second, u"\u4E9Cy");
}

TEST(WideBytesToWide, ByteOrderMarks) {
  const DecodeCase cases[] = {
      {"little-endian by default", bytes_of({0x42, 0x30, 0x41, 0x00}), u"\u3042A"},
      {"little-endian mark dropped", bytes_of({0xFF, 0xFE, 0x42, 0x30}), u"\u3042"},
      {"big-endian mark", bytes_of({0xFE, 0xFF, 0x30, 0x42}), u"\u3042"},
      {"marks switch midway", bytes_of({0xFE, 0xFF, 0x30, 0x42, 0xFF, 0xFE, 0x42, 0x30}),
       u"\u3042\u3042"},
  };
  for (const auto& c : cases) {
    JapaneseCodecState state;
    std::u16string out;
    ASSERT_TRUE(wide_bytes_to_wide(state, c.bytes, out));
    EXPECT_EQ(hex(out), hex(c.wide)) << c.name;
  }
}

TEST(WideBytesToWide, BigEndianStaysForTheDocument) {
  JapaneseCodecState state;
  std::u16string out;
  ASSERT_TRUE(wide_bytes_to_wide(state, bytes_of({0xFE, 0xFF, 0x30, 0x42}), out));
  EXPECT_EQ(out, u"\u3042");
  ASSERT_TRUE(wide_bytes_to_wide(state, bytes_of({0x4E, 0x9C}), out));
  EXPECT_EQ(out, u"\u4E9C");
  EXPECT_EQ(state.wide_big_endian, 1);
}

TEST(WideBytesToWide, OddByteWaitsForTheNextBuffer) {
  JapaneseCodecState state;
  std::u16string first, second;
  ASSERT_TRUE(wide_bytes_to_wide(state, bytes_of({0x41, 0x00, 0x42}), first));
  ASSERT_TRUE(wide_bytes_to_wide(state, bytes_of({0x30}), second));
  EXPECT_EQ(first, u"A");
  EXPECT_EQ(second, u"\u3042");
}

TEST(JapaneseCodecState, ResetClearsEveryField) {
  JapaneseCodecState state;
  state.lead_pending = 1;
  state.pending_lead = 0x82;
  state.carry_count = 2;
  state.jis_kanji_mode = 1;
  state.jis_kana_mode = 1;
  state.wide_big_endian = 1;
  reset_japanese_codec(state);
  EXPECT_EQ(state.lead_pending + state.pending_lead + state.carry_count + state.jis_kanji_mode +
                state.jis_kana_mode + state.wide_big_endian,
            0);
}

}  // namespace
}  // namespace phx
