// Conversion of a word, phrase or result text between the engine's internal
// forms (Latin-1 for the Latin-script languages, UCS2 for Japanese and Korean)
// and any of the eight character codes, always by way of UCS2.
#pragma once

#include <string>
#include <string_view>

#include "containers/term_list.h"
#include "containers/term_value.h"

namespace phx {

// A converted text: UCS2 units when the wanted code is 2, bytes otherwise.
struct EncodedText {
  std::string bytes;
  std::u16string wide;
  bool is_wide = false;
  // Length in bytes, as a caller measures the text.
  std::size_t byte_length() const { return is_wide ? wide.size() * 2 : bytes.size(); }
};

// Each returns 0 on success and 1 on failure (an unknown code, or memory).
int convert_word(std::string_view text, int from_code, int to_code, EncodedText& out);
int convert_word(WideView text, int to_code, EncodedText& out);
// A caller's zero-terminated text: bytes, or UCS2 units when `from_code` is 2
// (the buffer need not be aligned for 16-bit units).
int convert_word(const char* text, int from_code, int to_code, EncodedText& out);

// Converts `text`, held in its internal form `from_code` (0 or 2), into
// `to_code` and appends it to `list`: as a wide text for code 2, as an 8-bit
// text otherwise. 0, or 1 when the conversion or the append fails.
int append_converted(TermList& list, std::string_view text, int to_code);
int append_converted(TermList& list, WideView text, int to_code);

}  // namespace phx
