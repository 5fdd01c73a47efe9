// Fuzzes the input path through the public interface: random settings
// (language, input code, filters on or off, highlights), the document cut
// into buffers of random sizes, then the end of the document and the
// results. Each filter is also run on its own, to check that no output ever
// needs more than its area and that the HTML and e-mail filters give the
// same text however the document is cut.
//
// Input layout: byte 0 language, byte 1 input code, byte 2 switches (1 HTML
// filter, 2 e-mail filter, 4 plain-text filter off, 8 highlights), byte 3
// seeds the buffer sizes; the rest is the document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filters/email_filter.h"
#include "filters/filter_output.h"
#include "filters/filter_states.h"
#include "filters/html_filter.h"
#include "filters/text_filter.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"

namespace {

constexpr std::size_t kSettingsBytes = 4;
constexpr std::size_t kMaxDocumentBytes = 1 << 16;

// Buffer lengths that add up to the document's length.
std::vector<std::size_t> buffer_lengths(std::size_t total, std::uint8_t seed) {
  std::vector<std::size_t> lengths;
  std::minstd_rand random(seed + 1u);
  const std::size_t largest = seed % 4 == 0 ? total : 1 + seed % 97;
  while (total > 0) {
    std::size_t n = 1 + random() % (largest == 0 ? 1 : largest);
    if (n > total) n = total;
    lengths.push_back(n);
    total -= n;
  }
  return lengths;
}

void check(bool holds) {
  if (!holds) std::abort();
}

// One filter over the buffers; aborts when an output did not fit its area.
template <class Filter>
std::string run_alone(std::string_view document, const std::vector<std::size_t>& lengths,
                      Filter&& filter) {
  std::string joined;
  std::size_t at = 0;
  auto feed = [&](std::string_view buffer) {
    const std::size_t size = phx::filter_area_bytes(buffer.size());
    const std::unique_ptr<char[]> area(new char[size]);
    phx::FilterOutput output{std::span<char>(area.get(), size)};
    filter(buffer, output);
    check(!output.cut());
    joined.append(output.view());
  };
  for (std::size_t n : lengths) {
    feed(document.substr(at, n));
    at += n;
  }
  feed("\x1E\n");
  return joined;
}

void run_filters_alone(const StopMemory& stop, std::string_view document,
                       const std::vector<std::size_t>& lengths) {
  const std::vector<std::size_t> whole{document.size()};
  const bool comparable = document.find('\0') == std::string_view::npos;

  auto html = [&](const std::vector<std::size_t>& cuts) {
    phx::HtmlFilterState state;
    state.entities = &stop.HtmlEntityTable;
    state.tags = &stop.HtmlTagTable;
    return run_alone(document, cuts, [&](std::string_view in, phx::FilterOutput& out) {
      phx::filter_html(in, state, out, phx::kSingleByteText);
    });
  };
  auto email = [&](const std::vector<std::size_t>& cuts) {
    auto state = std::make_unique<phx::EmailFilterState>();
    state->header_names = &stop.HeaderNameTable;
    state->salutations = &stop.SalutationTable;
    phx::HtmlFilterState html_state;
    html_state.entities = &stop.HtmlEntityTable;
    html_state.tags = &stop.HtmlTagTable;
    return run_alone(document, cuts, [&](std::string_view in, phx::FilterOutput& out) {
      phx::filter_email(in, *state, html_state, out);
    });
  };
  auto text = [&](const std::vector<std::size_t>& cuts) {
    auto state = std::make_unique<phx::TextFilterState>();
    return run_alone(document, cuts, [&](std::string_view in, phx::FilterOutput& out) {
      phx::filter_text(in, *state, out);
    });
  };

  const std::string html_split = html(lengths);
  const std::string email_split = email(lengths);
  text(lengths);
  if (comparable) {
    check(html(whole) == html_split);
    check(email(whole) == email_split);
  }
}

void read_results(DocumentMemory* doc) {
  int count = 0;
  PhxGetPhraseListSize(doc, &count);
  for (int i = 0; i < count; ++i) {
    const char* phrase = nullptr;
    double score = 0;
    PhxGetPhraseByIndex(doc, i, &phrase);
    PhxGetScoreByIndex(doc, i, &score);
  }
  PhxGetHighlightListSize(doc, &count);
  for (int i = 0; i < count; ++i) {
    const char* highlight = nullptr;
    PhxGetHighlightByIndex(doc, i, &highlight);
  }
  int value = 0;
  PhxGetDocumentLanguage(doc, &value);
  for (int property = 1; property <= 3; ++property) PhxGetDocumentProperties(doc, property, &value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingsBytes || size > kSettingsBytes + kMaxDocumentBytes) return 0;
  static StopMemory* stop = [] {
    StopMemory* made = nullptr;
    check(PhxCreateStopMemory(&made) == 0);
    return made;
  }();

  const int language = data[0] % 7;
  const int input_code = data[1] % 8;
  const std::uint8_t switches = data[2];
  const std::string_view document(reinterpret_cast<const char*>(data + kSettingsBytes),
                                  size - kSettingsBytes);
  const std::vector<std::size_t> lengths = buffer_lengths(document.size(), data[3]);

  DocumentMemory* doc = nullptr;
  check(PhxCreateDocumentMemory(&doc) == 0);
  PhxSetDocumentLanguage(doc, language);
  PhxSetInputCode(doc, input_code);
  if ((switches & 1) != 0) check(PhxActivateHTMLFilter(doc, stop) == 0);
  if ((switches & 2) != 0) check(PhxActivateEmailFilter(doc, stop) == 0);
  if ((switches & 4) != 0) check(PhxDeactivateTextFilter(doc) == 0);
  if ((switches & 8) != 0) check(PhxActivateHighlights(doc) == 0);

  std::size_t at = 0;
  for (std::size_t n : lengths) {
    PhxReadDocumentBuffer(doc, stop, document.data() + at, static_cast<int>(n));
    at += n;
  }
  PhxSignalDocumentEnd(doc, stop);
  read_results(doc);
  check(PhxClearDocumentMemory(doc) == 0);

  run_filters_alone(*stop, document, lengths);
  return 0;
}
