// Encoding names, byte-order marks and the bytes that reach the engine.
#include <gtest/gtest.h>

#include "input_encoding.h"

namespace {

using phraxis::CharCode;
using phraxis_cli::InputEncoding;
using phraxis_cli::parse_encoding;
using phraxis_cli::prepare_input;
using Kind = InputEncoding::Kind;

struct NameCase {
  const char* name;
  Kind kind;
  CharCode code;
};

TEST(EncodingNames, Table) {
  const NameCase cases[] = {
      {"utf-8", Kind::utf8, CharCode::ucs2},         {"UTF8", Kind::utf8, CharCode::ucs2},
      {"utf-16", Kind::utf16, CharCode::ucs2},       {"ucs2", Kind::utf16, CharCode::ucs2},
      {"2", Kind::utf16, CharCode::ucs2},            {"latin1", Kind::engine_code, CharCode::latin1},
      {"ISO-8859-1", Kind::engine_code, CharCode::latin1},
      {"0", Kind::engine_code, CharCode::latin1},    {"cp437", Kind::engine_code, CharCode::cp437},
      {"1", Kind::engine_code, CharCode::cp437},     {"sjis", Kind::engine_code, CharCode::shift_jis},
      {"Shift_JIS", Kind::engine_code, CharCode::shift_jis},
      {"jis", Kind::engine_code, CharCode::jis},     {"iso-2022-jp", Kind::engine_code, CharCode::jis},
      {"euc-jp", Kind::engine_code, CharCode::euc_jp}, {"5", Kind::engine_code, CharCode::euc_jp},
      {"ksc", Kind::engine_code, CharCode::ksc},     {"euc-kr", Kind::engine_code, CharCode::ksc},
      {"johap", Kind::engine_code, CharCode::johap}, {"7", Kind::engine_code, CharCode::johap},
  };
  for (const auto& c : cases) {
    const auto parsed = parse_encoding(c.name);
    ASSERT_TRUE(parsed.has_value()) << c.name;
    EXPECT_EQ(parsed->kind, c.kind) << c.name;
    if (c.kind == Kind::engine_code) {
      EXPECT_EQ(parsed->code, c.code) << c.name;
    }
  }
  for (const char* unknown : {"", "8", "-1", "utf-32", "ascii", "latin2"}) {
    EXPECT_FALSE(parse_encoding(unknown).has_value()) << unknown;
  }
}

struct BomCase {
  const char* name;
  std::string file;
  Kind encoding;
  std::u16string units;
};

TEST(PrepareInput, ByteOrderMarksDecideAndAreDropped) {
  const BomCase cases[] = {
      {"plain utf-8", "ab", Kind::utf8, u"ab"},
      {"utf-8 mark", "\xEF\xBB\xBF" "ab", Kind::utf8, u"ab"},
      {"utf-16le mark in a utf-8 run", std::string("\xFF\xFE" "a\0b\0", 6), Kind::utf8, u"ab"},
      {"utf-16be mark in a utf-8 run", std::string("\xFE\xFF\0a\0b", 6), Kind::utf8, u"ab"},
      {"utf-16 without mark is little-endian", std::string("a\0b\0", 4), Kind::utf16, u"ab"},
      {"utf-16be mark with --encoding utf-16", std::string("\xFE\xFF\0a\0b", 6), Kind::utf16,
       u"ab"},
      {"only a mark", "\xEF\xBB\xBF", Kind::utf8, u""},
  };
  for (const auto& c : cases) {
    const auto input = prepare_input(c.file, InputEncoding{c.encoding, CharCode::ucs2});
    EXPECT_EQ(input.code, CharCode::ucs2) << c.name;
    EXPECT_EQ(input.units, c.units) << c.name;
    EXPECT_EQ(input.bytes, phraxis::from_u16(c.units)) << c.name;
  }
}

TEST(PrepareInput, LegacyCodesPassUntouched) {
  const std::string latin1 = "caf\xE9 \xEF\xBB\xBF";
  const auto input = prepare_input(latin1, InputEncoding{Kind::engine_code, CharCode::latin1});
  EXPECT_EQ(input.code, CharCode::latin1);
  EXPECT_EQ(input.bytes, latin1);
  EXPECT_TRUE(input.units.empty());
}

}  // namespace
