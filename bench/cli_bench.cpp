// phraxis as a batch tool: documents per second over a few thousand short
// English documents with -j 1 and -j 2 (the whole run: word lists loaded,
// files read, JSON lines written), and the start-up cost, loading the
// StopMemory with every language's built-in lists.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "phraxis.hpp"
#include "phraxis_cli.h"

namespace {

constexpr int kDocuments = 3000;

std::string read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// Sentences of the bundled English texts.
std::vector<std::string> english_sentences() {
  const std::filesystem::path source = PHX_SOURCE_DIR;
  std::string text;
  for (const char* file : {"samples/honey-bees.txt", "tests/cli/data/library.txt",
                           "tests/cli/data/engines.txt", "tests/cli/data/rivers.txt"}) {
    text += read_file(source / file) + "\n";
  }
  std::vector<std::string> sentences;
  std::string sentence;
  for (char c : text) {
    sentence.push_back(c == '\n' ? ' ' : c);
    if (c == '.') {
      sentences.push_back(sentence);
      sentence.clear();
    }
  }
  return sentences;
}

// A few thousand short documents of 4 to 11 sentences each, made once.
class DocumentSet {
 public:
  DocumentSet() {
    directory_ = std::filesystem::temp_directory_path() / "phraxis-cli-bench";
    std::filesystem::create_directories(directory_);
    const auto sentences = english_sentences();
    unsigned state = 12345;
    auto next = [&] { return (state = state * 1103515245u + 12345u) >> 8; };
    for (int i = 0; i < kDocuments; ++i) {
      std::string document;
      const unsigned count = 4 + next() % 8;
      for (unsigned s = 0; s < count; ++s) document += sentences[next() % sentences.size()];
      const auto path = directory_ / ("doc" + std::to_string(i) + ".txt");
      std::ofstream(path, std::ios::binary) << document;
      files_.push_back(path.string());
    }
  }
  ~DocumentSet() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }
  const std::vector<std::string>& files() const { return files_; }

 private:
  std::filesystem::path directory_;
  std::vector<std::string> files_;
};

const DocumentSet& documents() {
  static const DocumentSet set;
  return set;
}

void BM_PhraxisBatch(benchmark::State& state) {
  std::vector<std::string> arguments{"--lang", "en", "--jsonl", "-j",
                                     std::to_string(state.range(0))};
  const auto& files = documents().files();
  arguments.insert(arguments.end(), files.begin(), files.end());
  std::ostringstream errors;
  for (auto _ : state) {
    std::ostream discard(nullptr);
    const int status = phraxis_cli::run(arguments, discard, errors);
    if (status != 0) state.SkipWithError("phraxis failed");
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
  state.counters["documents_per_second"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(files.size()),
      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PhraxisBatch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StopMemoryLoad(benchmark::State& state) {
  for (auto _ : state) {
    phraxis::StopMemory stop;
    benchmark::DoNotOptimize(stop.handle());
  }
}
BENCHMARK(BM_StopMemoryLoad)->Unit(benchmark::kMillisecond);

}  // namespace
