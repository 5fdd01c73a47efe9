// Throughput of the three filters on realistic documents, fed in 4 kB
// buffers as a caller would.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "filters/email_filter.h"
#include "filters/filter_output.h"
#include "filters/html_filter.h"
#include "filters/text_filter.h"
#include "stopmem/stop_memory.h"

namespace {

const StopMemory& tables() {
  static StopMemory* stop = [] {
    StopMemory* made = nullptr;
    phx::create_stop_memory(&made);
    return made;
  }();
  return *stop;
}

// About 200 kB: the fixture repeated.
std::string document(const char* fixture) {
  std::ifstream in(std::string(PHX_SOURCE_DIR) + "/tests/filters/fixtures/" + fixture,
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string repeated;
  while (repeated.size() < 200000) repeated += text.str();
  return repeated;
}

template <class Filter>
void run_in_buffers(benchmark::State& state, const std::string& text, Filter&& filter) {
  constexpr std::size_t kBuffer = 4096;
  std::vector<char> area(phx::filter_area_bytes(kBuffer));
  for (auto _ : state) {
    filter.reset();
    for (std::size_t at = 0; at < text.size(); at += kBuffer) {
      phx::FilterOutput output{std::span<char>(area)};
      filter(std::string_view(text).substr(at, kBuffer), output);
      benchmark::DoNotOptimize(output.size());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

struct HtmlRun {
  phx::HtmlFilterState html;
  void reset() {
    html = phx::HtmlFilterState();
    html.entities = &tables().HtmlEntityTable;
    html.tags = &tables().HtmlTagTable;
  }
  void operator()(std::string_view in, phx::FilterOutput& out) {
    phx::filter_html(in, html, out, phx::kSingleByteText);
  }
};

struct EmailRun {
  std::unique_ptr<phx::EmailFilterState> email = std::make_unique<phx::EmailFilterState>();
  phx::HtmlFilterState html;
  void reset() {
    *email = phx::EmailFilterState();
    email->header_names = &tables().HeaderNameTable;
    email->salutations = &tables().SalutationTable;
    html = phx::HtmlFilterState();
    html.entities = &tables().HtmlEntityTable;
    html.tags = &tables().HtmlTagTable;
  }
  void operator()(std::string_view in, phx::FilterOutput& out) {
    phx::filter_email(in, *email, html, out);
  }
};

struct TextRun {
  std::unique_ptr<phx::TextFilterState> text = std::make_unique<phx::TextFilterState>();
  void reset() {
    *text = phx::TextFilterState();
  }
  void operator()(std::string_view in, phx::FilterOutput& out) { phx::filter_text(in, *text, out); }
};

void BM_HtmlFilter(benchmark::State& state) {
  run_in_buffers(state, document("web_page.html"), HtmlRun{});
}
void BM_EmailFilter(benchmark::State& state) {
  run_in_buffers(state, document("mailbox.txt"), EmailRun{});
}
void BM_TextFilter(benchmark::State& state) {
  run_in_buffers(state, document("report.txt"), TextRun{});
}
BENCHMARK(BM_HtmlFilter);
BENCHMARK(BM_EmailFilter);
BENCHMARK(BM_TextFilter);

}  // namespace
