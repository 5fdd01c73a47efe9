// Where a new paragraph, list item or heading starts. Text read line by line
// would otherwise run separate lines together into one sentence; these
// decisions let the line filters put a boundary mark before such a line.
#pragma once

#include <string_view>

#include "filters/filter_states.h"

namespace phx {

// A line that looks like a title (e-mail variant).
bool is_heading_line(std::string_view text);
// The plain-text variant: more lenient with long lines, numbers and short
// titles.
bool is_text_heading(std::string_view text);

// Skips leading blanks, "<br>", "<p>", "&gt;" and "&nbsp;" (in any case),
// which open the lines of HTML mail.
std::string_view skip_html_prefixes(std::string_view line);

// E-mail: true when `line` starts a new segment. A list bullet is taken off
// the line.
bool starts_new_segment(std::string_view raw_line, LineBuffer& line,
                        std::string_view previous_raw_line, bool inside_html);

// Plain text: 0 no break, 1 a new segment, 2 a heading. A list bullet is
// taken off the line.
enum ParagraphBreak : int { kNoBreak = 0, kSegmentBreak = 1, kHeadingBreak = 2 };
int paragraph_break(std::string_view raw_line, LineBuffer& line,
                    std::string_view previous_raw_line);

}  // namespace phx
