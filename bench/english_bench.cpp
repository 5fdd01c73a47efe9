// English throughput: whole documents through the public interface (create,
// read in 4 kB buffers, end, read the phrases, clear), in MB/s of input and
// documents per second, for a short abstract and a report of 3400 words;
// also with highlights (sentences collected, key sentences chosen, rendered
// with bold phrases and grey elided text, and read back).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "phx_api.h"

namespace {

std::string read_document(const char* name) {
  std::ifstream in(std::string(PHX_SOURCE_DIR) + "/tests/latin/golden/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

StopMemory* shared_stop() {
  static StopMemory* stop = [] {
    StopMemory* made = nullptr;
    PhxCreateStopMemory(&made);
    return made;
  }();
  return stop;
}

void read_english(benchmark::State& state, const std::string& text, bool text_filter,
                  bool highlights = false) {
  StopMemory* stop = shared_stop();
  constexpr std::size_t kBufferBytes = 4096;
  for (auto _ : state) {
    DocumentMemory* doc = nullptr;
    PhxCreateDocumentMemory(&doc);
    PhxSetDocumentLanguage(doc, 1);
    if (!text_filter) PhxDeactivateTextFilter(doc);
    if (highlights) {
      PhxActivateHighlights(doc);
      PhxSetHighlightType(doc, 28);
    }
    for (std::size_t at = 0; at < text.size(); at += kBufferBytes) {
      const std::size_t size = std::min(kBufferBytes, text.size() - at);
      PhxReadDocumentBuffer(doc, stop, text.data() + at, static_cast<int>(size));
    }
    PhxSignalDocumentEnd(doc, stop);
    int count = 0;
    PhxGetPhraseListSize(doc, &count);
    benchmark::DoNotOptimize(count);
    if (highlights) {
      PhxGetHighlightListSize(doc, &count);
      for (int i = 0; i < count; ++i) {
        const char* highlight = nullptr;
        PhxGetHighlightByIndex(doc, i, &highlight);
        benchmark::DoNotOptimize(highlight);
      }
    }
    PhxClearDocumentMemory(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_EnglishAbstract(benchmark::State& state) {
  static const std::string text = read_document("abstract_networks.txt");
  read_english(state, text, state.range(0) != 0);
}
BENCHMARK(BM_EnglishAbstract)->Arg(0)->Arg(1)->ArgName("text_filter");

void BM_EnglishReport(benchmark::State& state) {
  static const std::string text = read_document("report_water.txt");
  read_english(state, text, state.range(0) != 0);
}
BENCHMARK(BM_EnglishReport)->Arg(0)->Arg(1)->ArgName("text_filter");

void BM_EnglishHighlightsAbstract(benchmark::State& state) {
  static const std::string text = read_document("abstract_networks.txt");
  read_english(state, text, true, true);
}
BENCHMARK(BM_EnglishHighlightsAbstract);

void BM_EnglishHighlightsReport(benchmark::State& state) {
  static const std::string text = read_document("report_water.txt");
  read_english(state, text, true, true);
}
BENCHMARK(BM_EnglishHighlightsReport);

// A long document: the report ten times over (34 000 words, past the
// content-word limit), as one stream.
void BM_EnglishLongStream(benchmark::State& state) {
  static const std::string text = [] {
    std::string report = read_document("report_water.txt");
    std::string all;
    for (int i = 0; i < 10; ++i) all += report;
    return all;
  }();
  read_english(state, text, false, state.range(0) != 0);
}
BENCHMARK(BM_EnglishLongStream)->Arg(0)->Arg(1)->ArgName("highlights");

}  // namespace
