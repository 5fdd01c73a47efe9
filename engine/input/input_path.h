// The input path: every buffer a caller passes in is checked against the
// document's language, decoded into the internal form and passed through the
// active filters before a reader sees it.
#pragma once

#include <string_view>

#include "text/text_buffer.h"

struct DocumentMemory;
struct StopMemory;

namespace phx {

// A decoded buffer: a view of the caller's bytes, or of a new text it owns.
struct DecodedText {
  std::string_view text;
  OwnedText owned;
};

// 0, or 4 (code not accepted by the language), 21 (odd UCS2 length), 1.
int decode_and_filter(DocumentMemory& doc, const StopMemory& stop, std::string_view buffer,
                      DecodedText& out);

}  // namespace phx
