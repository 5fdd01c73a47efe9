// jpio: the Japanese character codes. Turns Shift-JIS, JIS (ISO-2022-JP with
// the old, new and NEC escape sequences), EUC-JP and UCS2 input into wide text
// and wide text back into those codes.
//
// Shift-JIS is the hub: JIS and EUC-JP input is first rewritten as Shift-JIS
// bytes and decoded through the one Shift-JIS table, and JIS and EUC-JP output
// is made from Shift-JIS bytes by the row/cell arithmetic.
//
// A document arrives in buffers cut anywhere, so the decoders keep what a
// buffer ends in the middle of in the document's JapaneseCodecState and go on
// with it at the next buffer; single texts (caller words, results) are
// converted with a fresh state.
//
// Nothing here reports a conversion error: an undefined Shift-JIS pair
// decodes to U+FFFF and a unit without a code encodes as the bytes FF FF.
// Functions returning bool return false only when memory runs out (their
// output is then unspecified); none throws.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "containers/term_value.h"
#include "japanese/japanese_codec_state.h"

namespace phx {

// The module's names for the Japanese character codes (CharCodeIDs 2 to 5).
enum JapaneseEncoding : int { ENC_UNI = 2, ENC_SJIS = 3, ENC_JIS = 4, ENC_EUC = 5 };

// ---- Decoders: every output ends with a zero unit or byte -------------------

// Shift-JIS to wide text. A lead byte that ends the buffer is kept in the
// state and completes the first character of the next buffer. The raw form
// writes at most bytes.size() units and a zero into `out` and returns the
// number of units.
std::size_t sjis_to_wide(JapaneseCodecState& state, std::string_view bytes, WideChar* out);
bool sjis_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out);

// UCS2 bytes to wide text in the byte order the state holds (byte-order marks
// set it and are dropped). An odd final byte is kept for the next buffer. The
// raw form writes at most bytes.size() / 2 + 1 units and a zero.
std::size_t wide_bytes_to_wide(JapaneseCodecState& state, std::string_view bytes, WideChar* out);
bool wide_bytes_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out);

// JIS to Shift-JIS bytes, keeping a partial escape sequence or pair and the
// shift modes in the state. The output is at most bytes.size() + 1 bytes.
bool jis_to_sjis(JapaneseCodecState& state, std::string_view bytes, std::string& out);
// EUC-JP to Shift-JIS bytes, keeping a partial pair in the state.
bool euc_to_sjis(JapaneseCodecState& state, std::string_view bytes, std::string& out);
// JIS or EUC-JP to wide text by way of Shift-JIS bytes.
bool jis_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out);
bool euc_to_wide(JapaneseCodecState& state, std::string_view bytes, std::u16string& out);

// ---- Encoders: wide text up to its first zero unit ---------------------------

// U+FEFF and U+FFFE are skipped; the fullwidth quotation mark U+FF02 and
// apostrophe U+FF07, which have no code, are written as U+201D and U+2019.
bool wide_to_sjis(WideView text, std::string& out);
bool wide_to_jis(WideView text, std::string& out);
bool wide_to_euc(WideView text, std::string& out);
// Rewrites a buffer of native-order UCS2 units as Shift-JIS bytes in place
// and returns the number of bytes written (a zero byte follows them when the
// buffer has room). An odd final byte is dropped.
std::size_t wide_bytes_to_sjis(std::span<char> buffer);
// Shift-JIS bytes to JIS (escape sequences ESC $ B, ESC ( I and ESC ( B) and
// to EUC-JP.
bool sjis_to_jis(std::string_view sjis, std::string& out);
bool sjis_to_euc(std::string_view sjis, std::string& out);

// The JIS X 0208 row/cell arithmetic between a JIS pair (0x21-0x7E each) and
// its Shift-JIS pair, in place, modulo 256.
constexpr void jis_pair_to_sjis(unsigned char& first, unsigned char& second) {
  unsigned j1 = first, j2 = second;
  unsigned s1 = ((j1 + 1) >> 1) + (j1 < 0x5F ? 0x70 : 0xB0);
  unsigned s2 = j2 + ((j1 & 1) != 0 ? (j2 >= 0x60 ? 0x20 : 0x1F) : 0x7E);
  first = static_cast<unsigned char>(s1);
  second = static_cast<unsigned char>(s2);
}
constexpr void sjis_pair_to_jis(unsigned char& first, unsigned char& second) {
  unsigned s1 = first, s2 = second;
  unsigned j1 = (s1 - (s1 < 0xA0 ? 0x70 : 0xB0)) * 2 - (s2 < 0x9F ? 1 : 0);
  unsigned j2 = s2 - (s2 >= 0x9F ? 0x7E : (s2 >= 0x80 ? 0x20 : 0x1F));
  first = static_cast<unsigned char>(j1);
  second = static_cast<unsigned char>(j2);
}

}  // namespace phx
