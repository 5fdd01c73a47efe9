// Runs the filters at their own interface, as the input path does: each
// buffer gets an output area of the size the input path gives it, and the
// outputs of the buffers are joined.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filters/email_filter.h"
#include "filters/filter_output.h"
#include "filters/filter_states.h"
#include "filters/html_filter.h"
#include "filters/text_filter.h"
#include "stopmem/stop_memory.h"

namespace phx::testing {

// One StopMemory with the built-in tables, shared by all filter tests.
inline const StopMemory& filter_tables() {
  static StopMemory* stop = [] {
    StopMemory* made = nullptr;
    create_stop_memory(&made);
    return made;
  }();
  return *stop;
}

inline HtmlFilterState fresh_html_state() {
  HtmlFilterState state;
  state.entities = &filter_tables().HtmlEntityTable;
  state.tags = &filter_tables().HtmlTagTable;
  return state;
}

// The filters with their states, fed one buffer at a time.
struct FilterChain {
  HtmlFilterState html = fresh_html_state();
  std::unique_ptr<EmailFilterState> email = [] {
    auto state = std::make_unique<EmailFilterState>();
    state->header_names = &filter_tables().HeaderNameTable;
    state->salutations = &filter_tables().SalutationTable;
    return state;
  }();
  std::unique_ptr<TextFilterState> text = std::make_unique<TextFilterState>();
  bool any_cut = false;  // some output did not fit its area

  template <class Filter>
  std::string run(std::string_view buffer, Filter&& filter) {
    std::vector<char> area(filter_area_bytes(buffer.size()));
    FilterOutput output{std::span<char>(area)};
    filter(buffer, output);
    any_cut = any_cut || output.cut();
    return std::string(output.view());
  }
  std::string html_buffer(std::string_view buffer, int text_form = kSingleByteText) {
    return run(buffer, [&](std::string_view in, FilterOutput& out) {
      filter_html(in, html, out, text_form);
    });
  }
  std::string email_buffer(std::string_view buffer) {
    return run(buffer, [&](std::string_view in, FilterOutput& out) {
      filter_email(in, *email, html, out);
    });
  }
  std::string text_buffer(std::string_view buffer) {
    return run(buffer, [&](std::string_view in, FilterOutput& out) {
      filter_text(in, *text, out);
    });
  }
};

enum class Filter { kHtml, kEmail, kText };

// The end-of-document flush every document ends with.
inline constexpr std::string_view kClosingText = "\x1E\n";

// Feeds `input` cut at `cuts` (ascending positions) through one filter and
// returns the joined output; with `close`, the closing text follows.
inline std::string run_filter(Filter filter, std::string_view input,
                              const std::vector<std::size_t>& cuts = {}, bool close = false,
                              bool* cut_output = nullptr) {
  FilterChain chain;
  std::string joined;
  auto feed = [&](std::string_view buffer) {
    if (buffer.empty()) return;
    switch (filter) {
      case Filter::kHtml: joined += chain.html_buffer(buffer); break;
      case Filter::kEmail: joined += chain.email_buffer(buffer); break;
      case Filter::kText: joined += chain.text_buffer(buffer); break;
    }
  };
  std::size_t start = 0;
  for (std::size_t cut : cuts) {
    feed(input.substr(start, cut - start));
    start = cut;
  }
  feed(input.substr(start));
  if (close) feed(kClosingText);
  if (cut_output != nullptr) *cut_output = chain.any_cut;
  return joined;
}

// The output of `input` (with the closing text) cut into two buffers at
// every position, compared with the output of the whole. A zero byte ends
// only its own buffer, so inputs holding one are not comparable and pass.
inline ::testing::AssertionResult same_output_when_split(Filter filter, std::string_view input) {
  if (input.find('\0') != std::string_view::npos) return ::testing::AssertionSuccess();
  const std::string whole = run_filter(filter, input, {}, true);
  for (std::size_t cut = 1; cut < input.size(); ++cut) {
    const std::string split = run_filter(filter, input, {cut}, true);
    if (split != whole) {
      return ::testing::AssertionFailure() << "cut at " << cut << " gives different output";
    }
  }
  return ::testing::AssertionSuccess();
}

// Makes control bytes visible in failure messages.
inline std::string visible(std::string_view text) {
  std::string shown;
  for (char c : text) {
    switch (c) {
      case '\x1E': shown += "<RS>"; break;
      case '\x1D': shown += "<GS>"; break;
      case '\n': shown += "\\n"; break;
      case '\r': shown += "\\r"; break;
      case '\t': shown += "\\t"; break;
      default: shown += c;
    }
  }
  return shown;
}

}  // namespace phx::testing
