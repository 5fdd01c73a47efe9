// Reading a buffer line by line into a fixed line buffer, for the e-mail and
// plain-text filters. A line that does not end in the buffer stays in the
// line buffer and is completed by the next buffer; a line longer than the
// line buffer is handed on in pieces.
#pragma once

#include <cstddef>
#include <string_view>

#include "filters/filter_states.h"

namespace phx {

enum class LineRead : int {
  kLine = 0,        // a whole line, ending in a line feed; the buffer has more
  kUnfinished = 1,  // the buffer ended (or a zero byte ended it) before a line feed
  kFull = 2,        // the line buffer is full, no line feed; the buffer has more
  kLastLine = 3,    // a whole line whose line feed was the buffer's last byte
};

// Appends bytes of `buffer` from `position` to `line` until a line feed
// (kept) has been copied, a zero byte (consumed) is met, the line is full or
// the buffer ends; advances `position` past what it consumed.
LineRead read_line(LineBuffer& line, std::string_view buffer, std::size_t& position);

}  // namespace phx
