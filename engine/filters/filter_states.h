// The states the three input filters keep in a document between buffers.
// They live in the DocumentMemory; the filters point at tables of the
// StopMemory that activated them, which must outlive the document's reading.
#pragma once

#include <cstdint>

#include "containers/term_table.h"
#include "text/bounded_text.h"

namespace phx {

// Lines longer than this are cut by the e-mail and plain-text filters.
inline constexpr std::size_t kLineBufferBytes = 5000;
using LineBuffer = BoundedText<kLineBufferBytes>;

// Tag and entity names are collected up to this many bytes.
inline constexpr std::size_t kMarkupNameBytes = 256;

struct HtmlFilterState {
  int in_tag = 0;
  int in_entity = 0;
  int in_script = 0;
  int in_noframes = 0;
  int in_style = 0;
  int in_select = 0;
  int in_comment = 0;
  int in_pre = 0;
  int in_quote = 0;
  int blank_weight = 0;
  BoundedText<kMarkupNameBytes> name;
  int name_full = 0;
  char previous = 0;
  const TextTable* entities = nullptr;
  const TextTable* tags = nullptr;
};

struct EmailFilterState {
  LineBuffer current_line;
  LineBuffer previous_raw_line;
  LineBuffer previous_output;
  LineBuffer sender_text;
  int quoted_printable = 0;
  int content_type = 0;
  int inside_html = 0;
  int signature_zone = 0;
  const TextTable* header_names = nullptr;
  const TextTable* salutations = nullptr;
};

struct TextFilterState {
  LineBuffer current_line;
  LineBuffer previous_raw_line;
  LineBuffer previous_output;
  int TextFilterOff = 0;
};

}  // namespace phx
