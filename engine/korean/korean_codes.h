// The Korean character codes: KSC (code page 949, with the Unified Hangul
// Code syllables), Johap (KS C 5601-1992) and UCS2, to and from wide text.
//
// KSC is the hub of the input path: before the HTML filter, Johap and UCS2
// buffers are rewritten as KSC bytes. The buffer decoders keep a lead byte
// that ends a buffer in the document's KoreanCodecState; single texts are
// converted with a fresh state.
//
// Nothing here reports a conversion error: a character without a code, in
// either direction, becomes "_". Functions returning bool return false only
// when memory runs out; none throws.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "containers/term_value.h"
#include "korean/korean_codec_state.h"

namespace phx {

// KSC or Johap bytes to wide text: a byte below 0x80 is itself, any other
// byte forms a pair with the next (whatever that is); a lead byte that ends
// the buffer waits in the state for the next one. The raw forms write at most
// bytes.size() units and a zero into `out` and return the number of units.
std::size_t ksc_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out);
bool ksc_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out);
std::size_t johab_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out);
bool johab_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out);

// UCS2 bytes to wide text, as for Japanese, with the Korean state.
std::size_t wide_bytes_to_wide(KoreanCodecState& state, std::string_view bytes, WideChar* out);
bool wide_bytes_to_wide(KoreanCodecState& state, std::string_view bytes, std::u16string& out);

// Johap to KSC bytes, carrying a final lead byte in johab_lead_pending.
bool johab_to_ksc(KoreanCodecState& state, std::string_view bytes, std::string& out);
// Rewrites UCS2 bytes (byte-order marks honoured and dropped) as KSC bytes in
// place and returns the number written (a zero byte follows them when the
// buffer has room). An odd final byte is dropped.
std::size_t wide_bytes_to_ksc(KoreanCodecState& state, std::span<char> buffer);

// Wide text up to its first zero unit to KSC or Johap. KSC writes "_" also
// for the Unified Hangul Code syllables whose second byte is a letter.
bool wide_to_ksc(WideView text, std::string& out);
bool wide_to_johab(WideView text, std::string& out);

}  // namespace phx
