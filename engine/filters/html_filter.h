// The HTML filter: turns HTML into plain text for the readers, buffer by
// buffer. Tags and the content of scripts, styles, selection lists, frame
// alternatives and comments are dropped, character entities decoded, white
// space collapsed, and structural tags replaced by RS (a block boundary) or
// GS (a softer one). All state lives in HtmlFilterState, so a tag, entity,
// attribute value or comment may be split across buffers at any byte.
#pragma once

#include <string_view>

#include "filters/filter_output.h"
#include "filters/filter_states.h"

namespace phx {

// Text forms: single-byte Latin-1 text, or multi-byte Japanese or Korean
// text, where 0xA0 is part of a character and not a no-break space.
inline constexpr int kSingleByteText = 0;

// Filters `input` (up to its first zero byte) into `output`.
// REQUIRES: `state` was reset with its table references set.
void filter_html(std::string_view input, HtmlFilterState& state, FilterOutput& output,
                 int text_form);

}  // namespace phx
