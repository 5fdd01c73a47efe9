// Decoding and encoding throughput of the Japanese and Korean character
// codes, in MB/s of encoded bytes, over about 1 MB of mixed text.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "japanese/jpio.h"
#include "japanese/sjis_tables.h"
#include "korean/korean_codes.h"
#include "korean/ksc_tables.h"

namespace {

constexpr std::size_t kUnits = 400'000;

std::uint32_t next_random(std::uint32_t& seed) {
  seed = seed * 1664525u + 1013904223u;
  return seed >> 8;
}

// Kanji, hiragana, katakana and ASCII in proportions like running Japanese
// text, with a line feed now and then. Every unit has a Shift-JIS code.
const std::u16string& japanese_text() {
  static const std::u16string text = [] {
    std::u16string t;
    std::uint32_t seed = 12345;
    while (t.size() < kUnits) {
      std::uint32_t r = next_random(seed);
      char16_t unit;
      switch (r % 10) {
        case 0: case 1: case 2: case 3: case 4: unit = static_cast<char16_t>(0x4E00 + r / 16 % 0x4FA0); break;
        case 5: case 6: case 7: unit = static_cast<char16_t>(0x3041 + r / 16 % 83); break;
        case 8: unit = static_cast<char16_t>(0x30A1 + r / 16 % 86); break;
        default: unit = r / 16 % 40 == 0 ? u'\n' : static_cast<char16_t>(0x21 + r / 16 % 90); break;
      }
      if (unit != u'~' && unit != u'\\' && phx::sjis_code(unit) != phx::kSjisNone) t.push_back(unit);
    }
    return t;
  }();
  return text;
}

// Hangul syllables with spaces and some ASCII, as running Korean text.
const std::u16string& korean_text() {
  static const std::u16string text = [] {
    std::u16string t;
    std::uint32_t seed = 54321;
    while (t.size() < kUnits) {
      std::uint32_t r = next_random(seed);
      if (r % 5 == 0) {
        t.push_back(r % 3 == 0 ? u'.' : u' ');
      } else {
        // Mostly the common KS X 1001 syllables, some of the others.
        t.push_back(r % 7 == 0 ? static_cast<char16_t>(0xAC00 + r / 8 % 11172)
                               : phx::kKscSyllables[r / 8 % phx::kKscSyllableCount]);
      }
    }
    return t;
  }();
  return text;
}

std::string encoded(bool (*encode)(phx::WideView, std::string&), const std::u16string& text) {
  std::string bytes;
  encode(text, bytes);
  return bytes;
}

template <class State, class Decode>
void run_decoder(benchmark::State& bench, const std::string& bytes, Decode decode) {
  std::u16string out;
  for (auto _ : bench) {
    State state;
    decode(state, bytes, out);
    benchmark::DoNotOptimize(out.data());
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * bytes.size()));
}

void BM_SjisToWide(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_sjis, japanese_text());
  run_decoder<phx::JapaneseCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::sjis_to_wide(s, b, o); });
}
BENCHMARK(BM_SjisToWide);

void BM_SjisToWideRaw(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_sjis, japanese_text());
  std::u16string out(bytes.size() + 1, u'\0');
  for (auto _ : bench) {
    phx::JapaneseCodecState state;
    benchmark::DoNotOptimize(phx::sjis_to_wide(state, bytes, out.data()));
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * bytes.size()));
}
BENCHMARK(BM_SjisToWideRaw);

void BM_JisToWide(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_jis, japanese_text());
  run_decoder<phx::JapaneseCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::jis_to_wide(s, b, o); });
}
BENCHMARK(BM_JisToWide);

void BM_EucToWide(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_euc, japanese_text());
  run_decoder<phx::JapaneseCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::euc_to_wide(s, b, o); });
}
BENCHMARK(BM_EucToWide);

void BM_Ucs2ToWide(benchmark::State& bench) {
  const std::u16string& text = japanese_text();
  static const std::string bytes(reinterpret_cast<const char*>(text.data()), 2 * text.size());
  run_decoder<phx::JapaneseCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::wide_bytes_to_wide(s, b, o); });
}
BENCHMARK(BM_Ucs2ToWide);

void BM_KscToWide(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_ksc, korean_text());
  run_decoder<phx::KoreanCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::ksc_to_wide(s, b, o); });
}
BENCHMARK(BM_KscToWide);

void BM_JohabToWide(benchmark::State& bench) {
  static const std::string bytes = encoded(phx::wide_to_johab, korean_text());
  run_decoder<phx::KoreanCodecState>(bench, bytes, [](auto& s, auto& b, auto& o) { phx::johab_to_wide(s, b, o); });
}
BENCHMARK(BM_JohabToWide);

void BM_Encode(benchmark::State& bench, bool (*encode)(phx::WideView, std::string&),
               const std::u16string& (*text)()) {
  std::string out;
  for (auto _ : bench) {
    encode(text(), out);
    benchmark::DoNotOptimize(out.data());
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * out.size()));
}
BENCHMARK_CAPTURE(BM_Encode, sjis, phx::wide_to_sjis, japanese_text);
BENCHMARK_CAPTURE(BM_Encode, jis, phx::wide_to_jis, japanese_text);
BENCHMARK_CAPTURE(BM_Encode, ksc, phx::wide_to_ksc, korean_text);
BENCHMARK_CAPTURE(BM_Encode, johab, phx::wide_to_johab, korean_text);

}  // namespace
