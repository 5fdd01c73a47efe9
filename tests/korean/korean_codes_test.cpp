// The Korean converters: KSC and Johap decoding with the lead byte carried
// across buffers, the Johap-to-KSC and in-place UCS2 rewriting, and the
// encoders with "_" for characters without a code.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/byte_text.h"
#include "korean/hangul_syllables.h"
#include "korean/korean_codes.h"
#include "korean/ksc_tables.h"

namespace phx {
namespace {

std::u16string from_ksc(const std::string& bytes) {
  KoreanCodecState state;
  std::u16string out;
  EXPECT_TRUE(ksc_to_wide(state, bytes, out));
  return out;
}
std::u16string from_johab(const std::string& bytes) {
  KoreanCodecState state;
  std::u16string out;
  EXPECT_TRUE(johab_to_wide(state, bytes, out));
  return out;
}
std::string to_ksc(const std::u16string& text) {
  std::string out;
  EXPECT_TRUE(wide_to_ksc(text, out));
  return out;
}
std::string to_johab(const std::u16string& text) {
  std::string out;
  EXPECT_TRUE(wide_to_johab(text, out));
  return out;
}

struct Case {
  const char* name;
  std::string bytes;
  std::u16string wide;
};

TEST(KscToWide, Cases) {
  const Case cases[] = {
      {"first syllable", bytes_of({0xB0, 0xA1}), u"\uAC00"},
      {"unified hangul code", bytes_of({0x81, 0x41}), u"\uAC02"},
      {"euro and registered signs", bytes_of({0xA2, 0xE6, 0xA2, 0xE7}), u"__"},
      {"lone byte between pairs", bytes_of({0xB0, 0xA1, 0x41, 0xB0, 0xA1}), u"\uAC00A\uAC00"},
      {"pair takes any second byte", bytes_of({0xB0, 0x0A}), u"_"},
      {"user-defined row", bytes_of({0xC9, 0xA1}), u"_"},
      {"hanja", bytes_of({0xCA, 0xA1}), u"\u4F3D"},
      {"ascii and line ends", "a b\r\n", u"a b\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(from_ksc(c.bytes)), hex(c.wide)) << c.name;
}

TEST(JohabToWide, Cases) {
  const Case cases[] = {
      {"first syllable", bytes_of({0x88, 0x61}), u"\uAC00"},
      {"initial with fill vowel", bytes_of({0x88, 0x41}), u"_"},
      {"compatibility jamo", bytes_of({0xDA, 0xA1, 0xDA, 0xD3}), u"\u3131\u3163"},
      {"euro sign", bytes_of({0xD9, 0xE6}), u"_"},
      {"hanja", bytes_of({0xE0, 0x31}), u"\u4F3D"},
      {"lone byte between pairs", bytes_of({0x88, 0x61, 0x41, 0x88, 0x61}), u"\uAC00A\uAC00"},
      {"trail 0xFF", bytes_of({0x88, 0xFF}), u"_"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(from_johab(c.bytes)), hex(c.wide)) << c.name;
}

TEST(KoreanDecoders, LeadByteCarriesToTheNextBuffer) {
  using Decode = std::function<bool(KoreanCodecState&, std::string_view, std::u16string&)>;
  const std::pair<Decode, std::string> decoders[] = {
      {[](KoreanCodecState& s, std::string_view b, std::u16string& o) { return ksc_to_wide(s, b, o); },
       bytes_of({0xB0, 0xA1})},
      {[](KoreanCodecState& s, std::string_view b, std::u16string& o) { return johab_to_wide(s, b, o); },
       bytes_of({0x88, 0x61})},
  };
  for (const auto& [decode, pair] : decoders) {
    KoreanCodecState state;
    std::u16string first, empty, second;
    ASSERT_TRUE(decode(state, std::string("x") + pair[0], first));
    ASSERT_TRUE(decode(state, "", empty));
    ASSERT_TRUE(decode(state, pair.substr(1) + "y", second));
    EXPECT_EQ(first, u"x");
    EXPECT_EQ(empty, u"");
    EXPECT_EQ(second, u"\uAC00y");
  }
}

TEST(WideToKsc, Cases) {
  const Case cases[] = {
      {"first syllable", bytes_of({0xB0, 0xA1}), u"\uAC00"},
      {"uhc syllable with a letter byte", "_", u"\uAC02"},
      {"uhc syllable with a high byte", bytes_of({0x81, 0x81}), u"\uAC56"},
      {"euro sign", "_", u"\u20AC"},
      {"hiragana", bytes_of({0xAA, 0xA2}), u"\u3042"},
      {"ascii", "Ab", u"Ab"},
      {"latin-1 letter without a code", "_", u"\u00E9"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(to_ksc(c.wide)), hex(c.bytes)) << c.name;
}

TEST(WideToJohab, Cases) {
  const Case cases[] = {
      {"first syllable", bytes_of({0x88, 0x61}), u"\uAC00"},
      {"last syllable", bytes_of({0xD3, 0xBD}), u"\uD7A3"},
      {"uhc syllable", bytes_of({0x88, 0x63}), u"\uAC02"},
      {"compatibility jamo", bytes_of({0xDA, 0xA1}), u"\u3131"},
      {"euro sign", "_", u"\u20AC"},
      {"registered sign", "_", u"\u00AE"},
      {"ascii", "a", u"a"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(to_johab(c.wide)), hex(c.bytes)) << c.name;
}

TEST(JohabToKsc, RewritesCodes) {
  KoreanCodecState state;
  std::string out;
  ASSERT_TRUE(johab_to_ksc(state, bytes_of({0x88, 0x61, 0x41, 0x88, 0x63, 0x88, 0x41, 0xDA}), out));
  // 가 A, the UHC syllable 갂 keeps its two bytes, a fill code becomes "_",
  // and the final lead waits.
  EXPECT_EQ(hex(out), hex(bytes_of({0xB0, 0xA1, 0x41, 0x81, 0x41, '_'})));
  EXPECT_EQ(state.johab_lead_pending, 1);
  EXPECT_EQ(state.lead_pending, 0);
  ASSERT_TRUE(johab_to_ksc(state, bytes_of({0xA1}), out));
  EXPECT_EQ(hex(out), hex(bytes_of({0xA4, 0xA1})));
}

TEST(WideBytesToKsc, InPlaceWithByteOrderMarks) {
  KoreanCodecState state;
  std::string buffer = bytes_of({0xFE, 0xFF, 0xAC, 0x00, 0x00, 0x41, 0x20, 0xAC, 0x07});
  std::size_t n = wide_bytes_to_ksc(state, std::span<char>(buffer.data(), buffer.size()));
  EXPECT_EQ(hex(buffer.substr(0, n)), hex(bytes_of({0xB0, 0xA1, 0x41, '_'})));
  EXPECT_EQ(state.wide_big_endian, 1);
  // The next buffer of the document keeps the big-endian order.
  std::string next = bytes_of({0xAC, 0x00});
  n = wide_bytes_to_ksc(state, std::span<char>(next.data(), next.size()));
  EXPECT_EQ(hex(next.substr(0, n)), hex(bytes_of({0xB0, 0xA1})));
}

TEST(KoreanRoundTrip, EverySyllableAndSymbol) {
  std::u16string all;
  for (int u = 1; u < 0x10000; ++u) {
    if (johab_code(static_cast<char16_t>(u)) != 0) all.push_back(static_cast<char16_t>(u));
  }
  ASSERT_EQ(all.size(), 127u + 17046u);
  KoreanCodecState state;
  std::u16string back;
  ASSERT_TRUE(johab_to_wide(state, to_johab(all), back));
  EXPECT_EQ(back, all);
  // KSC output writes "_" for the UHC syllables whose second byte is a letter.
  std::u16string expected = all;
  for (char16_t& unit : expected) {
    std::uint16_t code = ksc_code(unit);
    if (code > 0xFF && (code & 0xFF) < 0x80) unit = u'_';
  }
  ASSERT_TRUE(ksc_to_wide(state, to_ksc(all), back));
  EXPECT_EQ(back, expected);
}

TEST(KoreanRoundTrip, CutAtEveryPosition) {
  const std::u16string text = u"\uAC00 A\uAC02\uD7A3\u3131\n\u4F3D\u00B7.";
  using Encode = std::function<std::string(const std::u16string&)>;
  using Decode = std::function<bool(KoreanCodecState&, std::string_view, std::u16string&)>;
  const std::pair<Encode, Decode> codes[] = {
      {to_ksc, [](KoreanCodecState& s, std::string_view b, std::u16string& o) { return ksc_to_wide(s, b, o); }},
      {to_johab, [](KoreanCodecState& s, std::string_view b, std::u16string& o) { return johab_to_wide(s, b, o); }},
      {[](const std::u16string& t) {
         return std::string(reinterpret_cast<const char*>(t.data()), 2 * t.size());
       },
       [](KoreanCodecState& s, std::string_view b, std::u16string& o) { return wide_bytes_to_wide(s, b, o); }},
  };
  for (const auto& [encode, decode] : codes) {
    const std::string bytes = encode(text);
    KoreanCodecState whole_state;
    std::u16string whole;
    ASSERT_TRUE(decode(whole_state, bytes, whole));
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
      KoreanCodecState state;
      std::u16string a, b;
      ASSERT_TRUE(decode(state, std::string_view(bytes).substr(0, cut), a));
      ASSERT_TRUE(decode(state, std::string_view(bytes).substr(cut), b));
      EXPECT_EQ(hex(a + b), hex(whole)) << "cut at " << cut;
    }
  }
}

}  // namespace
}  // namespace phx
