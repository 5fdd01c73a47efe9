// Japanese and Korean text reaches the 8-bit HTML filter as multi-byte text:
// Japanese UCS2 and JIS buffers are rewritten as Shift-JIS, Korean UCS2 and
// Johap buffers as KSC, and the filter is told which form it reads (so that
// 0xA0 inside a character is not taken for a no-break space).
#pragma once

#include "input/input_path.h"

struct DocumentMemory;

namespace phx {

// Rewrites `text` for the HTML filter when `language` is Japanese or Korean
// and sets `text_form` to the code the filter reads (0 for single-byte
// text). The converters keep a partial character in the document's codec
// state for the next buffer. 0, or 1 when memory runs out.
int prepare_for_html_filter(DocumentMemory& doc, int language, DecodedText& text,
                            int& text_form);

}  // namespace phx
