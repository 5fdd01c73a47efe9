// The jpio encoders: wide text to Shift-JIS, and Shift-JIS to JIS and EUC-JP.
#include <new>

#include "japanese/jpio.h"
#include "japanese/sjis_tables.h"
#include "text/ucs2.h"

namespace phx {
namespace {

constexpr std::string_view kToTwoByte = "\x1B$B";
constexpr std::string_view kToKatakana = "\x1B(I";
constexpr std::string_view kToAscii = "\x1B(B";

// The unit as Shift-JIS is meant to hold it: byte-order marks have no place
// in the text, and the fullwidth quotation mark and apostrophe stand for the
// curly ones, which have codes.
constexpr bool is_byte_order_mark(char16_t unit) { return unit == 0xFEFF || unit == 0xFFFE; }
constexpr char16_t encodable_form(char16_t unit) {
  if (unit == 0xFF02) return 0x201D;
  if (unit == 0xFF07) return 0x2019;
  return unit;
}

// Writes the code of one unit at `out`, returns the bytes written (0 to 2).
std::size_t put_sjis(char16_t unit, char* out) {
  if (is_byte_order_mark(unit)) return 0;
  std::uint16_t code = sjis_code(encodable_form(unit));
  if (code < 0x100) {
    out[0] = static_cast<char>(code);
    return 1;
  }
  out[0] = static_cast<char>(code >> 8);
  out[1] = static_cast<char>(code & 0xFF);
  return 2;
}

constexpr bool is_sjis_trail(unsigned char c) { return c >= 0x40 && c <= 0xFC; }
constexpr bool is_halfwidth_katakana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

template <class Convert>
bool guarded(Convert convert) {
  try {
    return convert();
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

bool wide_to_sjis(WideView text, std::string& out) {
  return guarded([&] {
    out.resize(2 * text.size());
    std::size_t written = 0;
    for (char16_t unit : text) {
      if (unit == 0) break;
      written += put_sjis(unit, out.data() + written);
    }
    out.resize(written);
    return true;
  });
}

std::size_t wide_bytes_to_sjis(std::span<char> buffer) {
  std::size_t written = 0;
  for (std::size_t i = 0; i + 1 < buffer.size(); i += 2) {
    // Two bytes in, at most two out: the writing never overtakes the reading.
    written += put_sjis(wide_unit_at(buffer.data() + i, 0), buffer.data() + written);
  }
  if (written < buffer.size()) buffer[written] = '\0';
  return written;
}

bool sjis_to_jis(std::string_view sjis, std::string& out) {
  return guarded([&] {
    out.clear();
    out.reserve(sjis.size() + 16);
    bool kanji = false;
    bool kana = false;
    auto back_to_ascii = [&] {
      if (kanji || kana) out.append(kToAscii);
      kanji = kana = false;
    };
    const std::size_t n = sjis.size();
    for (std::size_t i = 0; i < n; ++i) {
      auto c = static_cast<unsigned char>(sjis[i]);
      if (is_sjis_lead(c) && i + 1 < n) {
        kana = false;
        unsigned char first = c;
        auto second = static_cast<unsigned char>(sjis[++i]);
        if (is_sjis_trail(second)) {
          sjis_pair_to_jis(first, second);
          if (!kanji) out.append(kToTwoByte);
          kanji = true;
        }
        out.push_back(static_cast<char>(first));
        out.push_back(static_cast<char>(second));
      } else if (is_halfwidth_katakana(c)) {
        if (!kana) {
          kanji = false;
          out.append(kToKatakana);
          kana = true;
        }
        out.push_back(static_cast<char>(c - 0x80));
      } else {
        // Line ends, single bytes and a lead byte without its trail.
        back_to_ascii();
        out.push_back(static_cast<char>(c));
      }
    }
    back_to_ascii();
    return true;
  });
}

bool sjis_to_euc(std::string_view sjis, std::string& out) {
  return guarded([&] {
    out.clear();
    out.reserve(2 * sjis.size());
    const std::size_t n = sjis.size();
    for (std::size_t i = 0; i < n; ++i) {
      auto c = static_cast<unsigned char>(sjis[i]);
      if (is_sjis_lead(c) && i + 1 < n) {
        unsigned char first = c;
        auto second = static_cast<unsigned char>(sjis[++i]);
        if (is_sjis_trail(second)) {
          sjis_pair_to_jis(first, second);
          first = static_cast<unsigned char>(first + 0x80);
          second = static_cast<unsigned char>(second + 0x80);
        }
        out.push_back(static_cast<char>(first));
        out.push_back(static_cast<char>(second));
      } else if (is_halfwidth_katakana(c)) {
        out.push_back('\x8E');
        out.push_back(static_cast<char>(c));
      } else {
        out.push_back(static_cast<char>(c));
      }
    }
    return true;
  });
}

bool wide_to_jis(WideView text, std::string& out) {
  std::string sjis;
  return wide_to_sjis(text, sjis) && sjis_to_jis(sjis, out);
}

bool wide_to_euc(WideView text, std::string& out) {
  std::string sjis;
  return wide_to_sjis(text, sjis) && sjis_to_euc(sjis, out);
}

}  // namespace phx
