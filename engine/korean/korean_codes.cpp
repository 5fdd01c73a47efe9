#include "korean/korean_codes.h"

#include <cstdint>
#include <new>

#include "korean/hangul_syllables.h"
#include "korean/ksc_tables.h"
#include "text/ucs2.h"
#include "text/wide_bytes.h"

namespace phx {
namespace {

constexpr char16_t kNoCharacter = u'_';

// The scan shared by the KSC and Johap decoders: single bytes below 0x80,
// pairs otherwise, a final lead byte carried in (pending, lead).
template <class PairUnit>
std::size_t decode_pairs(int& pending, unsigned char& lead, std::string_view bytes, WideChar* out,
                         PairUnit pair_unit) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t written = 0;
  std::size_t i = 0;
  auto put_pair = [&](unsigned char first, unsigned char second) {
    char16_t unit = pair_unit(first, second);
    out[written++] = unit != 0 ? unit : kNoCharacter;
  };
  if (pending != 0 && n > 0) {
    put_pair(lead, b[0]);
    pending = 0;
    i = 1;
  }
  while (i < n) {
    unsigned char c = b[i];
    if (c < 0x80) {
      out[written++] = c;
      ++i;
    } else if (i + 1 == n) {
      lead = c;
      pending = 1;
      break;
    } else {
      put_pair(c, b[i + 1]);
      i += 2;
    }
  }
  out[written] = 0;
  return written;
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

// Writes the code of one unit at `out` and returns the bytes written; a
// unit below 0x80 (even zero) is its own byte.
std::size_t put_code(char16_t unit, std::uint16_t code, char* out) {
  if (unit < 0x80) {
    out[0] = static_cast<char>(unit);
    return 1;
  }
  if (code == 0) {
    out[0] = static_cast<char>(kNoCharacter);
    return 1;
  }
  out[0] = static_cast<char>(code >> 8);
  out[1] = static_cast<char>(code & 0xFF);
  return 2;
}

// KSC output leaves out the Unified Hangul Code syllables whose second byte
// is a letter, so that no ASCII letter appears inside a character.
std::uint16_t ksc_output_code(char16_t unit) {
  std::uint16_t code = ksc_code(unit);
  if (code >= 0x100 && (code & 0xFF) <= 0x80) return 0;
  return code;
}

template <class Code>
bool encode(WideView text, std::string& out, Code code_of) {
  try {
    out.resize(2 * text.size());
    std::size_t written = 0;
    for (char16_t unit : text) {
      if (unit == 0) break;
      written += put_code(unit, code_of(unit), out.data() + written);
    }
    out.resize(written);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

std::size_t ksc_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out) {
  return decode_pairs(state.lead_pending, state.pending_lead, bytes, out, ksc_pair_unit);
}

bool ksc_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out) {
  return decode_into(out, bytes.size() + 1,
                     [&](WideChar* units) { return ksc_to_wide(state, bytes, units); });
}

std::size_t johab_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out) {
  return decode_pairs(state.lead_pending, state.pending_lead, bytes, out, johab_pair_unit);
}

bool johab_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out) {
  return decode_into(out, bytes.size() + 1,
                     [&](WideChar* units) { return johab_to_wide(state, bytes, units); });
}

std::size_t wide_bytes_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out) {
  return decode_wide_bytes(state, bytes, out);
}

bool wide_bytes_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out) {
  return decode_into(out, wide_output_capacity(bytes.size()),
                     [&](WideChar* units) { return decode_wide_bytes(state, bytes, units); });
}

bool johab_to_ksc(KoreanCodecState& state, std::string_view bytes, std::string& out) {
  try {
    // Decode to wide text with the Johap carry fields, then write each unit's
    // KSC code: a Johap pair becomes the code of the same character.
    std::u16string wide(bytes.size() + 1, u'\0');
    wide.resize(decode_pairs(state.johab_lead_pending, state.johab_pending_lead, bytes,
                             wide.data(), johab_pair_unit));
    out.resize(2 * wide.size());
    std::size_t written = 0;
    for (char16_t unit : wide) written += put_code(unit, ksc_code(unit), out.data() + written);
    out.resize(written);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::size_t wide_bytes_to_ksc(KoreanCodecState& state, std::span<char> buffer) {
  std::size_t written = 0;
  for (std::size_t i = 0; i + 1 < buffer.size(); i += 2) {
    auto a = static_cast<unsigned char>(buffer[i]);
    auto b = static_cast<unsigned char>(buffer[i + 1]);
    if (a == 0xFF && b == 0xFE) {
      state.wide_big_endian = 0;
    } else if (a == 0xFE && b == 0xFF) {
      state.wide_big_endian = 1;
    } else {
      auto unit = static_cast<char16_t>(state.wide_big_endian != 0 ? (a << 8) | b : (b << 8) | a);
      // Two bytes in, at most two out: the writing never overtakes the reading.
      written += put_code(unit, ksc_output_code(unit), buffer.data() + written);
    }
  }
  if (written < buffer.size()) buffer[written] = '\0';
  return written;
}

bool wide_to_ksc(WideView text, std::string& out) { return encode(text, out, ksc_output_code); }

bool wide_to_johab(WideView text, std::string& out) { return encode(text, out, johab_code); }

}  // namespace phx
