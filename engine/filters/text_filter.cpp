#include "filters/text_filter.h"

#include <memory>

#include "filters/line_reader.h"
#include "filters/line_text.h"
#include "filters/paragraph_breaks.h"
#include "filters/text_line_tests.h"

namespace phx {
namespace {

constexpr std::string_view kSegmentMark = "\x1E ";
constexpr std::string_view kHeadingMark = "\x1D ";
using LineOutput = BoundedText<kLineBufferBytes + 8>;

std::string_view up_to_zero(std::string_view input) {
  return input.substr(0, input.find('\0'));
}

// Working copies of a line, made once per buffer.
struct LineWork {
  LineBuffer line;
  LineOutput output;
};

void process_line(TextFilterState& state, const LineBuffer& raw, LineWork& work,
                  FilterOutput& out) {
  LineBuffer& line = work.line;
  LineOutput& output = work.output;
  line.assign(raw.view());
  output.clear();
  if (drop_leader_line(line) || is_column_or_rule(line.view()) || is_contact_line(line.view())) {
    output.assign(kSegmentMark);
  } else {
    switch (paragraph_break(raw.view(), line, state.previous_raw_line.view())) {
      case kSegmentBreak: output.assign(kSegmentMark); break;
      case kHeadingBreak: output.assign(kHeadingMark); break;
      default: break;
    }
    output.append(line.view());
  }
  out.append(output.view());
  state.previous_output.assign(output.view());
  state.previous_raw_line.assign(raw.view());
}

}  // namespace

void filter_text(std::string_view input, TextFilterState& state, FilterOutput& output) {
  input = up_to_zero(input);
  if (state.TextFilterOff != 0) {
    output.append(input);
    return;
  }
  // Held lines are short: a longer one would have switched the filter off.
  const BoundedText<kLongestLaidOutLine + 1> held(state.current_line.view());
  auto switch_off = [&] {
    state.TextFilterOff = 1;
    state.current_line.clear();
    output.clear();
    output.append(held.view());
    output.append(input);
  };

  std::size_t position = 0;
  LineRead result = read_line(state.current_line, input, position);
  if (state.current_line.size() > kLongestLaidOutLine) return switch_off();
  if (result == LineRead::kUnfinished) return;  // held for the next buffer
  // The working copies are made only when a line is complete.
  const auto work = std::make_unique<LineWork>();
  for (;;) {
    if (result == LineRead::kUnfinished) return;
    process_line(state, state.current_line, *work, output);
    state.current_line.clear();
    if (result == LineRead::kLastLine) return;
    result = read_line(state.current_line, input, position);
    if (state.current_line.size() > kLongestLaidOutLine) return switch_off();
  }
}

}  // namespace phx
