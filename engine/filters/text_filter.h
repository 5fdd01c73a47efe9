// The plain-text filter: cleans text laid out in lines (reports, memos,
// documents saved as text). Rules, blank lines, columns, leader lines and
// contact lines become segment marks (RS and a space); table-of-contents
// entries are reduced to their titles; a new paragraph, list item or
// heading is marked with RS or GS so that separate lines are not run
// together. Text not laid out in lines (a line longer than 200 bytes)
// switches the filter off for the rest of the document.
#pragma once

#include <cstddef>
#include <string_view>

#include "filters/filter_output.h"
#include "filters/filter_states.h"

namespace phx {

// A line longer than this (its line feed included) means the text is not
// laid out in lines.
inline constexpr std::size_t kLongestLaidOutLine = 200;

// Filters `input` (up to its first zero byte) into `output`; once the filter
// is off, the input is copied unchanged.
void filter_text(std::string_view input, TextFilterState& state, FilterOutput& output);

}  // namespace phx
