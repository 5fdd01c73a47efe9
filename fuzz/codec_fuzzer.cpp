// Fuzzes every Japanese and Korean decoder: arbitrary bytes, cut into
// buffers at arbitrary places, must decode without reading or writing outside
// any buffer, and give the same text however they are cut. The decoded text
// is encoded back into every code, and the in-place rewriters run on a copy.
//
// Input layout: byte 0 chooses the decoder, byte 1 seeds the cuts; the rest
// is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "japanese/jpio.h"
#include "korean/korean_codes.h"

namespace {

constexpr std::size_t kSettingsBytes = 2;
constexpr std::size_t kMaxTextBytes = 1 << 14;

enum Decoder : int { kSjis, kJis, kEuc, kJapaneseUcs2, kKsc, kJohab, kKoreanUcs2, kDecoderCount };

// Decodes one buffer with the state carried from the buffers before.
struct Decoding {
  phx::JapaneseCodecState japanese;
  phx::KoreanCodecState korean;

  bool decode(int decoder, std::string_view bytes, std::u16string& out) {
    switch (decoder) {
      case kSjis: return phx::sjis_to_wide(japanese, bytes, out);
      case kJis: return phx::jis_to_wide(japanese, bytes, out);
      case kEuc: return phx::euc_to_wide(japanese, bytes, out);
      case kJapaneseUcs2: return phx::wide_bytes_to_wide(japanese, bytes, out);
      case kKsc: return phx::ksc_to_wide(korean, bytes, out);
      case kJohab: return phx::johab_to_wide(korean, bytes, out);
      default: return phx::wide_bytes_to_wide(korean, bytes, out);
    }
  }
};

// The raw decoders write into a caller's buffer of exactly the documented
// size: an overrun is caught by the address sanitizer.
void decode_raw(int decoder, std::string_view bytes) {
  const std::size_t units = decoder == kJapaneseUcs2 || decoder == kKoreanUcs2
                                ? bytes.size() / 2 + 2
                                : bytes.size() + 1;
  auto out = std::make_unique<phx::WideChar[]>(units);
  phx::JapaneseCodecState japanese;
  phx::KoreanCodecState korean;
  std::size_t written = 0;
  switch (decoder) {
    case kSjis: written = phx::sjis_to_wide(japanese, bytes, out.get()); break;
    case kJapaneseUcs2: written = phx::wide_bytes_to_wide(japanese, bytes, out.get()); break;
    case kKsc: written = phx::ksc_to_wide(korean, bytes, out.get()); break;
    case kJohab: written = phx::johab_to_wide(korean, bytes, out.get()); break;
    case kKoreanUcs2: written = phx::wide_bytes_to_wide(korean, bytes, out.get()); break;
    default: return;
  }
  if (written >= units || out[written] != 0) std::abort();
}

void encode_everywhere(std::u16string_view text) {
  std::string bytes;
  phx::wide_to_sjis(text, bytes);
  phx::wide_to_jis(text, bytes);
  phx::wide_to_euc(text, bytes);
  phx::wide_to_ksc(text, bytes);
  phx::wide_to_johab(text, bytes);
  std::string sjis;
  if (phx::wide_to_sjis(text, sjis)) {
    phx::sjis_to_jis(sjis, bytes);
    phx::sjis_to_euc(sjis, bytes);
  }
}

void rewrite_in_place(std::string_view bytes) {
  std::vector<char> copy(bytes.begin(), bytes.end());
  const std::size_t sjis = phx::wide_bytes_to_sjis(std::span<char>(copy));
  if (sjis > copy.size()) std::abort();
  std::vector<char> again(bytes.begin(), bytes.end());
  phx::KoreanCodecState korean;
  const std::size_t ksc = phx::wide_bytes_to_ksc(korean, std::span<char>(again));
  if (ksc > again.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingsBytes || size > kSettingsBytes + kMaxTextBytes) return 0;
  const int decoder = data[0] % kDecoderCount;
  const std::string_view text(reinterpret_cast<const char*>(data) + kSettingsBytes,
                              size - kSettingsBytes);

  Decoding whole;
  std::u16string expected;
  if (!whole.decode(decoder, text, expected)) std::abort();

  // The same text cut at random places gives the same units. UCS2 text is
  // cut at even places only, as callers must.
  Decoding split;
  std::u16string joined, part;
  std::minstd_rand random(data[1] + 1u);
  const bool even = decoder == kJapaneseUcs2 || decoder == kKoreanUcs2;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t n = 1 + random() % 17;
    if (even && n % 2 != 0) ++n;
    n = std::min(n, text.size() - at);
    if (!split.decode(decoder, text.substr(at, n), part)) std::abort();
    joined += part;
    at += n;
  }
  if (joined != expected) std::abort();

  decode_raw(decoder, text);
  encode_everywhere(expected);
  rewrite_in_place(text);
  return 0;
}
