// Every character with a Japanese code survives the trip out to each code
// and back; and a document cut into buffers anywhere decodes as it does in
// one piece.
#include <gtest/gtest.h>

#include <functional>

#include "support/byte_text.h"
#include "japanese/jpio.h"
#include "japanese/sjis_tables.h"

namespace phx {
namespace {

using Encoder = std::function<bool(WideView, std::string&)>;
using Decoder = std::function<bool(JapaneseCodecState&, std::string_view, std::u16string&)>;

struct Code {
  const char* name;
  Encoder encode;
  Decoder decode;
};

const Code kCodes[] = {
    {"shift-jis", [](WideView w, std::string& o) { return wide_to_sjis(w, o); },
     [](JapaneseCodecState& s, std::string_view b, std::u16string& o) { return sjis_to_wide(s, b, o); }},
    {"jis", [](WideView w, std::string& o) { return wide_to_jis(w, o); },
     [](JapaneseCodecState& s, std::string_view b, std::u16string& o) { return jis_to_wide(s, b, o); }},
    {"euc-jp", [](WideView w, std::string& o) { return wide_to_euc(w, o); },
     [](JapaneseCodecState& s, std::string_view b, std::u16string& o) { return euc_to_wide(s, b, o); }},
};

// Every unit with a Shift-JIS code; ESC is left out since in JIS it starts
// an escape sequence.
std::u16string every_encodable_unit() {
  std::u16string all;
  for (int u = 1; u < 0x10000; ++u) {
    auto unit = static_cast<char16_t>(u);
    if (unit != 0x1B && sjis_code(unit) != kSjisNone) all.push_back(unit);
  }
  return all;
}

std::u16string decode_in_pieces(const Code& code, const std::string& bytes,
                                const std::vector<std::size_t>& cuts) {
  JapaneseCodecState state;
  std::u16string all, piece;
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    EXPECT_TRUE(code.decode(state, std::string_view(bytes).substr(from, cut - from), piece));
    all += piece;
    from = cut;
  }
  EXPECT_TRUE(code.decode(state, std::string_view(bytes).substr(from), piece));
  return all + piece;
}

TEST(JapaneseRoundTrip, EveryCharacterInEveryCode) {
  const std::u16string all = every_encodable_unit();
  ASSERT_EQ(all.size(), 7141u);
  for (const Code& code : kCodes) {
    std::string bytes;
    ASSERT_TRUE(code.encode(all, bytes));
    JapaneseCodecState state;
    std::u16string back;
    ASSERT_TRUE(code.decode(state, bytes, back));
    EXPECT_EQ(back, all) << code.name;
    // One character at a time too, so that no character leans on a mode
    // set by its neighbour.
    for (char16_t unit : all) {
      std::string one;
      ASSERT_TRUE(code.encode(WideView(&unit, 1), one));
      JapaneseCodecState fresh;
      ASSERT_TRUE(code.decode(fresh, one, back));
      ASSERT_EQ(back, std::u16string(1, unit)) << code.name << " U+" << hex(back);
    }
  }
}

TEST(JapaneseRoundTrip, OneByteBuffersGiveTheSameText) {
  const std::u16string all = every_encodable_unit();
  for (const Code& code : kCodes) {
    std::string bytes;
    ASSERT_TRUE(code.encode(all, bytes));
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < bytes.size(); ++i) cuts.push_back(i);
    EXPECT_EQ(decode_in_pieces(code, bytes, cuts), all) << code.name;
  }
}

// A mixed text in every code, plus the old-JIS and NEC escapes and UCS2 in
// both byte orders, cut into two buffers at every position.
TEST(JapaneseRoundTrip, CutAtEveryPositionGivesTheSameText) {
  const std::u16string text = u"Aa 1\u3042\u4E9C\u30A2\uFF71\uFF9F\n\u00A5\\\u2460x\r\n\u6F22\u5B57.";
  std::vector<std::pair<const Code*, std::string>> inputs;
  for (const Code& code : kCodes) {
    std::string bytes;
    ASSERT_TRUE(code.encode(text, bytes));
    inputs.emplace_back(&code, bytes);
  }
  // Old JIS (ESC $ @ ... ESC ( J) and NEC (ESC K ... ESC H) spellings.
  inputs.emplace_back(&kCodes[1], bytes_of({'a', 0x1B, '$', '@', 0x30, 0x21, 0x24, 0x22, 0x1B,
                                            '(', 'J', 'b', 0x1B, 'K', 0x30, 0x21, 0x1B, 'H',
                                            'c', 0x1B, '(', 'I', 0x31, 0x0A, 0x1B, '(', 'B'}));
  for (const auto& [code, bytes] : inputs) {
    JapaneseCodecState state;
    std::u16string whole;
    ASSERT_TRUE(code->decode(state, bytes, whole));
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
      EXPECT_EQ(hex(decode_in_pieces(*code, bytes, {cut})), hex(whole))
          << code->name << " cut at " << cut;
    }
  }
}

TEST(JapaneseRoundTrip, Ucs2CutAtEveryPosition) {
  const std::string bytes = bytes_of({0xFE, 0xFF, 0x30, 0x42, 0x00, 0x41, 0x4E, 0x9C, 0xFF, 0xFE,
                                      0x42, 0x30, 0x0A, 0x00});
  const std::u16string whole = u"\u3042A\u4E9C\u3042\n";
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    for (std::size_t cut2 = cut; cut2 <= bytes.size(); ++cut2) {
      JapaneseCodecState state;
      std::u16string a, b, c;
      std::string_view view(bytes);
      ASSERT_TRUE(wide_bytes_to_wide(state, view.substr(0, cut), a));
      ASSERT_TRUE(wide_bytes_to_wide(state, view.substr(cut, cut2 - cut), b));
      ASSERT_TRUE(wide_bytes_to_wide(state, view.substr(cut2), c));
      EXPECT_EQ(hex(a + b + c), hex(whole)) << cut << " " << cut2;
    }
  }
}

}  // namespace
}  // namespace phx
