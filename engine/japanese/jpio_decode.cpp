// The jpio decoders: Shift-JIS, UCS2, JIS and EUC-JP input to wide text.
#include <new>

#include "japanese/jpio.h"
#include "japanese/sjis_tables.h"
#include "text/wide_bytes.h"

namespace phx {
namespace {

constexpr unsigned char kEscape = 0x1B;
constexpr unsigned char kLineFeed = 0x0A;
constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kSingleShift2 = 0x8E;  // EUC-JP: a halfwidth katakana follows

constexpr bool is_line_end(unsigned char c) { return c == kLineFeed || c == kCarriageReturn; }
constexpr bool is_euc_byte(unsigned char c) { return c >= 0xA1 && c <= 0xFE; }
constexpr bool is_halfwidth_katakana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

const unsigned char* unsigned_bytes(std::string_view bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.data());
}

// The held-over bytes of the state followed by the new buffer, as one view;
// `joined` owns the bytes when there was something held over.
std::string_view with_carry(JapaneseCodecState& state, std::string_view bytes,
                            std::string& joined) {
  if (state.carry_count == 0) return bytes;
  joined.assign(reinterpret_cast<const char*>(state.carry_bytes),
                static_cast<std::size_t>(state.carry_count));
  joined.append(bytes);
  state.carry_count = 0;
  return joined;
}

void hold_over(JapaneseCodecState& state, const unsigned char* bytes, int count) {
  for (int k = 0; k < count; ++k) state.carry_bytes[k] = bytes[k];
  state.carry_count = count;
}

template <class Decode>
bool decode_into(std::u16string& out, std::size_t capacity, Decode decode) {
  try {
    out.resize(capacity);
    out.resize(decode(out.data()));
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

std::size_t sjis_to_wide(JapaneseCodecState& state, std::string_view bytes, WideChar* out) {
  const unsigned char* b = unsigned_bytes(bytes);
  const std::size_t n = bytes.size();
  std::size_t written = 0;
  std::size_t i = 0;
  if (state.lead_pending != 0 && n > 0) {
    out[written++] = sjis_pair_unit(state.pending_lead, b[0]);
    state.lead_pending = 0;
    i = 1;
  }
  while (i < n) {
    unsigned char c = b[i];
    if (c < 0x7F || is_halfwidth_katakana(c)) {
      out[written++] = kSjisSingleByte[c];
      ++i;
    } else if (is_sjis_lead(c)) {
      if (i + 1 == n) {
        state.pending_lead = c;
        state.lead_pending = 1;
        break;
      }
      out[written++] = sjis_pair_unit(c, b[i + 1]);
      i += 2;
    } else {
      ++i;  // 0x7F, 0x80, 0xA0 and 0xF0-0xFF have no character
    }
  }
  out[written] = 0;
  return written;
}

bool sjis_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out) {
  return decode_into(out, bytes.size() + 1,
                     [&](WideChar* units) { return sjis_to_wide(state, bytes, units); });
}

std::size_t wide_bytes_to_wide(JapaneseCodecState& state, std::string_view bytes,
                               WideChar* out) {
  return decode_wide_bytes(state, bytes, out);
}

bool wide_bytes_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out) {
  return decode_into(out, wide_output_capacity(bytes.size()),
                     [&](WideChar* units) { return decode_wide_bytes(state, bytes, units); });
}

bool jis_to_sjis(JapaneseCodecState& state, std::string_view bytes, std::string& out) {
  try {
    std::string joined;
    std::string_view input = with_carry(state, bytes, joined);
    const unsigned char* b = unsigned_bytes(input);
    const std::size_t n = input.size();
    out.clear();
    out.reserve(n + 1);
    std::size_t i = 0;
    while (i < n) {
      const std::size_t left = n - i;
      const unsigned char c0 = b[i];
      // A sequence cut by the end of the buffer waits for the next one.
      if (left == 2 && c0 == kEscape && (b[i + 1] == '$' || b[i + 1] == '(')) {
        hold_over(state, b + i, 2);
        break;
      }
      if (left == 1 && (c0 == kEscape || (state.jis_kanji_mode != 0 && !is_line_end(c0)))) {
        hold_over(state, b + i, 1);
        break;
      }
      if (c0 == kEscape) {
        const unsigned char c1 = b[i + 1];
        if (c1 == '(') {  // ESC ( B: ASCII, ESC ( I: halfwidth katakana, ESC ( J: Roman
          const unsigned char x = b[i + 2];
          if (x == 'I') {
            state.jis_kana_mode = 1;
          } else if (x == 'B') {
            state.jis_kana_mode = 0;
          }
          state.jis_kanji_mode = 0;
          i += 3;
        } else if (c1 == '$') {  // ESC $ @, ESC $ B: two-byte mode
          state.jis_kanji_mode = 1;
          i += 3;
        } else {  // the NEC kanji-in ESC K, and kanji-out ESC H
          state.jis_kanji_mode = c1 == 'K' ? 1 : 0;
          i += 2;
        }
      } else if (is_line_end(c0)) {
        state.jis_kanji_mode = 0;
        out.push_back(static_cast<char>(c0));
        ++i;
      } else if (state.jis_kanji_mode != 0) {
        unsigned char first = c0;
        unsigned char second = b[i + 1];
        jis_pair_to_sjis(first, second);
        out.push_back(static_cast<char>(first));
        out.push_back(static_cast<char>(second));
        i += 2;
      } else if (state.jis_kana_mode != 0) {
        out.push_back(static_cast<char>(c0 + 0x80));
        ++i;
      } else {
        out.push_back(static_cast<char>(c0));
        ++i;
      }
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool euc_to_sjis(JapaneseCodecState& state, std::string_view bytes, std::string& out) {
  try {
    std::string joined;
    std::string_view input = with_carry(state, bytes, joined);
    const unsigned char* b = unsigned_bytes(input);
    const std::size_t n = input.size();
    out.clear();
    out.reserve(n);
    std::size_t i = 0;
    while (i < n) {
      const unsigned char c0 = b[i];
      if (!is_euc_byte(c0) && c0 != kSingleShift2) {
        out.push_back(static_cast<char>(c0));  // also the unrecognised 0x8F
        ++i;
        continue;
      }
      if (i + 1 == n) {
        hold_over(state, b + i, 1);
        break;
      }
      unsigned char c1 = b[i + 1];
      if (c0 == kSingleShift2) {
        if (!is_halfwidth_katakana(c1)) out.push_back(static_cast<char>(c0));
        out.push_back(static_cast<char>(c1));
      } else if (is_euc_byte(c1)) {
        unsigned char first = static_cast<unsigned char>(c0 - 0x80);
        c1 = static_cast<unsigned char>(c1 - 0x80);
        jis_pair_to_sjis(first, c1);
        out.push_back(static_cast<char>(first));
        out.push_back(static_cast<char>(c1));
      } else {
        out.push_back(static_cast<char>(c0));
        out.push_back(static_cast<char>(c1));
      }
      i += 2;
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

namespace {

// Decodes the whole Shift-JIS text, zero bytes included: a zero byte in the
// input must not cut off the rest of the buffer.
template <class ToSjis>
bool via_sjis(JapaneseCodecState& state, std::string_view bytes, std::u16string& out,
              ToSjis to_sjis) {
  std::string sjis;
  if (!to_sjis(state, bytes, sjis)) return false;
  return sjis_to_wide(state, sjis, out);
}

}  // namespace

bool jis_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out) {
  return via_sjis(state, bytes, out, [](auto& s, auto b, auto& o) { return jis_to_sjis(s, b, o); });
}

bool euc_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out) {
  return via_sjis(state, bytes, out, [](auto& s, auto b, auto& o) { return euc_to_sjis(s, b, o); });
}

}  // namespace phx
