// The output area a filter writes into: a fixed span sized by the caller.
// Whatever the filter writes, the text stays zero-terminated inside the
// area; bytes that would not fit are dropped and the cut is remembered, so a
// long output can never overrun the area.
#pragma once

#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>

namespace phx {

// Output areas are this large for an input of `length` bytes: room for the
// marks the filters add and for a line held over from the previous buffer.
constexpr std::size_t filter_area_bytes(std::size_t length) {
  return length * 5 / 2 + 10000;
}

class FilterOutput {
 public:
  // REQUIRES: the area holds at least one byte (for the terminating zero).
  explicit FilterOutput(std::span<char> area) : area_(area) { area_[0] = '\0'; }

  void put(char c) {
    if (length_ + 1 >= area_.size()) {
      cut_ = true;
      return;
    }
    area_[length_++] = c;
    area_[length_] = '\0';
  }
  void append(std::string_view text) {
    const std::size_t room = area_.size() - 1 - length_;
    const std::size_t n = text.size() < room ? text.size() : room;
    if (n < text.size()) cut_ = true;
    if (n > 0) std::memcpy(area_.data() + length_, text.data(), n);
    length_ += n;
    area_[length_] = '\0';
  }
  void clear() {
    length_ = 0;
    area_[0] = '\0';
  }

  std::string_view view() const { return {area_.data(), length_}; }
  std::size_t size() const { return length_; }
  // True when some output did not fit and was dropped.
  bool cut() const { return cut_; }

 private:
  std::span<char> area_;
  std::size_t length_ = 0;
  bool cut_ = false;
};

}  // namespace phx
