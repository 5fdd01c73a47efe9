// Copying, splitting and growing 8-bit texts.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "text/byte_set.h"

namespace phx {

// An owned zero-terminated byte text; null when allocation failed.
using OwnedText = std::unique_ptr<char[]>;

// A new copy of a zero-terminated text; null for a missing text.
OwnedText duplicate_text(const char* text);
// A new buffer of n + 1 bytes holding the first n bytes of `text` (fewer when
// the text ends earlier) and a zero byte at position n.
OwnedText duplicate_text_n(const char* text, std::size_t n);

// Copies the next token of `text` (runs of `delimiters` separate tokens) into
// `destination` of `size` bytes and returns where the splitting goes on:
// - a missing text gives an empty destination and null;
// - an empty text, or one of delimiters only, gives an empty destination and
//   a pointer to its end;
// - a token too long for the destination is cut to size - 1 bytes and the
//   result points at the end of the whole text, which ends the splitting.
const char* split_next(const char* text, char* destination, std::size_t size,
                       const ByteSet& delimiters);

// A zero-terminated text that grows by the length of an appended text plus
// 1024 bytes whenever the appended text would not fit.
class GrowBuffer {
 public:
  explicit GrowBuffer(std::size_t capacity = 1024);
  // False when the buffer could not grow; its contents are then unchanged.
  bool append_grow(std::string_view text);
  // Appends at most n bytes of `text`.
  bool append_grow_n(std::string_view text, std::size_t n);

  std::string_view view() const { return {data_.get(), length_}; }
  const char* c_str() const { return data_.get(); }
  std::size_t capacity() const { return capacity_; }
  std::size_t size() const { return length_; }
  bool valid() const { return data_ != nullptr; }
  void clear();

 private:
  std::unique_ptr<char[]> data_;
  std::size_t capacity_ = 0;
  std::size_t length_ = 0;
};

}  // namespace phx
