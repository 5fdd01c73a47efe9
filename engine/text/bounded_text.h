// A zero-terminated text in a fixed buffer of N bytes, for the engine's
// fixed-size token, word and line buffers. Whatever is assigned or appended,
// the text is cut to N - 1 bytes: a long input can never overrun the buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace phx {

template <std::size_t N>
class BoundedText {
  static_assert(N >= 2);

 public:
  static constexpr std::size_t kCapacity = N - 1;  // bytes of text, without the zero

  // Only the text is ever written or copied, never the unused rest of the
  // buffer: the line buffers are large and made often.
  BoundedText() { data_[0] = '\0'; }
  explicit BoundedText(std::string_view text) { assign(text); }
  BoundedText(const BoundedText& other) { assign(other.view()); }
  BoundedText& operator=(const BoundedText& other) {
    if (this != &other) assign(other.view());
    return *this;
  }

  // Each returns false when the text had to be cut.
  bool assign(std::string_view text) {
    length_ = 0;
    return append(text);
  }
  bool append(std::string_view text) {
    std::size_t n = std::min(text.size(), kCapacity - length_);
    std::memmove(data_ + length_, text.data(), n);
    length_ += n;
    data_[length_] = '\0';
    return n == text.size();
  }
  bool push_back(char c) { return append(std::string_view(&c, 1)); }
  void pop_back() {
    if (length_ > 0) data_[--length_] = '\0';
  }
  void clear() {
    length_ = 0;
    data_[0] = '\0';
  }
  // Shortens the text to at most n bytes.
  void truncate(std::size_t n) {
    if (n < length_) {
      length_ = n;
      data_[n] = '\0';
    }
  }
  // For routines that change the text in place through c_str(): re-reads the
  // length up to the first zero byte.
  void sync_length() { length_ = std::strlen(data_); }

  std::string_view view() const { return {data_, length_}; }
  operator std::string_view() const { return view(); }  // NOLINT: implicit on purpose
  const char* c_str() const { return data_; }
  char* data() { return data_; }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  bool full() const { return length_ == kCapacity; }
  char back() const { return length_ > 0 ? data_[length_ - 1] : '\0'; }
  char operator[](std::size_t i) const { return data_[i]; }

 private:
  char data_[N];
  std::size_t length_ = 0;
};

}  // namespace phx
