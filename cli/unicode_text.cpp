#include "unicode_text.h"

namespace phraxis_cli {
namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of a well-formed sequence outside the BMP is not
// representable in UCS2.
char16_t to_ucs2(char32_t code_point) {
  return code_point > 0xFFFF ? kReplacementCharacter : static_cast<char16_t>(code_point);
}

bool is_surrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

void append_utf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

}  // namespace

std::u16string utf8_to_ucs2(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Length and the allowed range of the second byte (which rules out
    // overlong forms, surrogates and code points above U+10FFFF).
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    }
    if (length == 0) {
      out.push_back(kReplacementCharacter);
      ++i;
      continue;
    }
    char32_t code_point = lead & (0xFF >> (length + 1));
    std::size_t taken = 1;
    for (; taken < length && i + taken < utf8.size(); ++taken) {
      const auto byte = static_cast<unsigned char>(utf8[i + taken]);
      const bool allowed = taken == 1 ? (byte >= low && byte <= high) : is_continuation(byte);
      if (!allowed) break;
      code_point = (code_point << 6) | (byte & 0x3F);
    }
    // A truncated sequence is one maximal ill-formed subpart: one U+FFFD.
    out.push_back(taken == length ? to_ucs2(code_point) : kReplacementCharacter);
    i += taken;
  }
  return out;
}

std::u16string utf16_to_ucs2(std::string_view bytes, bool big_endian) {
  std::u16string out;
  out.reserve(bytes.size() / 2 + 1);
  const std::size_t units = bytes.size() / 2;
  auto unit_at = [&](std::size_t index) {
    const auto first = static_cast<unsigned char>(bytes[2 * index]);
    const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
    return static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first);
  };
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t unit = unit_at(i);
    if (!is_surrogate(unit)) {
      out.push_back(unit);
      continue;
    }
    // A valid pair is one character outside the BMP; a lone surrogate is
    // ill-formed. Either way one replacement character.
    const bool pair = unit <= 0xDBFF && i + 1 < units && unit_at(i + 1) >= 0xDC00 &&
                      unit_at(i + 1) <= 0xDFFF;
    if (pair) ++i;
    out.push_back(kReplacementCharacter);
  }
  if (bytes.size() % 2 != 0) out.push_back(kReplacementCharacter);
  return out;
}

std::string ucs2_to_utf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (char16_t unit : units) append_utf8(out, is_surrogate(unit) ? kReplacementCharacter : unit);
  return out;
}

}  // namespace phraxis_cli
