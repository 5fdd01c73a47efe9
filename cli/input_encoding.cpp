#include "input_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "unicode_text.h"

namespace phraxis_cli {
namespace {

using phraxis::CharCode;
using Kind = InputEncoding::Kind;

struct EncodingName {
  std::string_view name;
  InputEncoding encoding;
};

constexpr InputEncoding engine(CharCode code) { return {Kind::engine_code, code}; }

constexpr std::array kEncodingNames{
    EncodingName{"utf-8", {Kind::utf8, CharCode::ucs2}},
    EncodingName{"utf8", {Kind::utf8, CharCode::ucs2}},
    EncodingName{"utf-16", {Kind::utf16, CharCode::ucs2}},
    EncodingName{"utf-16le", {Kind::utf16, CharCode::ucs2}},
    EncodingName{"ucs2", {Kind::utf16, CharCode::ucs2}},
    EncodingName{"ucs-2", {Kind::utf16, CharCode::ucs2}},
    EncodingName{"2", {Kind::utf16, CharCode::ucs2}},
    EncodingName{"latin1", engine(CharCode::latin1)},
    EncodingName{"latin-1", engine(CharCode::latin1)},
    EncodingName{"iso-8859-1", engine(CharCode::latin1)},
    EncodingName{"0", engine(CharCode::latin1)},
    EncodingName{"cp437", engine(CharCode::cp437)},
    EncodingName{"ibm437", engine(CharCode::cp437)},
    EncodingName{"1", engine(CharCode::cp437)},
    EncodingName{"sjis", engine(CharCode::shift_jis)},
    EncodingName{"shift-jis", engine(CharCode::shift_jis)},
    EncodingName{"shift_jis", engine(CharCode::shift_jis)},
    EncodingName{"cp932", engine(CharCode::shift_jis)},
    EncodingName{"3", engine(CharCode::shift_jis)},
    EncodingName{"jis", engine(CharCode::jis)},
    EncodingName{"iso-2022-jp", engine(CharCode::jis)},
    EncodingName{"4", engine(CharCode::jis)},
    EncodingName{"euc-jp", engine(CharCode::euc_jp)},
    EncodingName{"eucjp", engine(CharCode::euc_jp)},
    EncodingName{"5", engine(CharCode::euc_jp)},
    EncodingName{"ksc", engine(CharCode::ksc)},
    EncodingName{"euc-kr", engine(CharCode::ksc)},
    EncodingName{"cp949", engine(CharCode::ksc)},
    EncodingName{"6", engine(CharCode::ksc)},
    EncodingName{"johap", engine(CharCode::johap)},
    EncodingName{"7", engine(CharCode::johap)},
};

enum class ByteOrderMark { none, utf8, utf16le, utf16be };

ByteOrderMark byte_order_mark(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return ByteOrderMark::utf8;
  if (bytes.starts_with("\xFF\xFE")) return ByteOrderMark::utf16le;
  if (bytes.starts_with("\xFE\xFF")) return ByteOrderMark::utf16be;
  return ByteOrderMark::none;
}

EngineInput from_units(std::u16string units) {
  EngineInput input;
  input.code = CharCode::ucs2;
  input.bytes = phraxis::from_u16(units);
  input.units = std::move(units);
  return input;
}

}  // namespace

std::optional<InputEncoding> parse_encoding(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& entry : kEncodingNames) {
    if (entry.name == lower) return entry.encoding;
  }
  return std::nullopt;
}

std::string_view encoding_names() {
  return "utf-8, utf-16 (ucs2), latin1, cp437, sjis, jis, euc-jp, ksc (euc-kr), johap, or 0-7";
}

EngineInput prepare_input(std::string_view file_bytes, const InputEncoding& encoding) {
  if (encoding.kind == Kind::engine_code) {
    EngineInput input;
    input.code = encoding.code;
    input.bytes = std::string(file_bytes);
    return input;
  }
  switch (byte_order_mark(file_bytes)) {
    case ByteOrderMark::utf8:
      return from_units(utf8_to_ucs2(file_bytes.substr(3)));
    case ByteOrderMark::utf16le:
      return from_units(utf16_to_ucs2(file_bytes.substr(2), false));
    case ByteOrderMark::utf16be:
      return from_units(utf16_to_ucs2(file_bytes.substr(2), true));
    case ByteOrderMark::none:
      break;
  }
  if (encoding.kind == Kind::utf16) return from_units(utf16_to_ucs2(file_bytes, false));
  return from_units(utf8_to_ucs2(file_bytes));
}

}  // namespace phraxis_cli
