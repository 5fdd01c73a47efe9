#include "text/text_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace phx {

OwnedText duplicate_text(const char* text) {
  if (text == nullptr) return nullptr;
  return duplicate_text_n(text, std::strlen(text));
}

OwnedText duplicate_text_n(const char* text, std::size_t n) {
  if (text == nullptr) return nullptr;
  OwnedText copy(new (std::nothrow) char[n + 1]);
  if (copy == nullptr) return nullptr;
  std::size_t available = 0;
  while (available < n && text[available] != '\0') ++available;
  std::memcpy(copy.get(), text, available);
  std::memset(copy.get() + available, 0, n + 1 - available);
  return copy;
}

const char* split_next(const char* text, char* destination, std::size_t size,
                       const ByteSet& delimiters) {
  if (size > 0) destination[0] = '\0';
  if (text == nullptr) return nullptr;
  while (*text != '\0' && delimiters.contains(*text)) ++text;
  if (*text == '\0') return text;
  const char* end = text;
  while (*end != '\0' && !delimiters.contains(*end)) ++end;
  std::size_t length = static_cast<std::size_t>(end - text);
  if (length + 1 <= size) {
    std::memcpy(destination, text, length);
    destination[length] = '\0';
    return end;
  }
  if (size > 0) {
    std::memcpy(destination, text, size - 1);
    destination[size - 1] = '\0';
  }
  return end + std::strlen(end);
}

GrowBuffer::GrowBuffer(std::size_t capacity)
    : data_(new (std::nothrow) char[std::max<std::size_t>(capacity, 1)]()),
      capacity_(data_ != nullptr ? std::max<std::size_t>(capacity, 1) : 0) {}

bool GrowBuffer::append_grow(std::string_view text) { return append_grow_n(text, text.size()); }

bool GrowBuffer::append_grow_n(std::string_view text, std::size_t n) {
  if (data_ == nullptr) return false;
  n = std::min(n, text.size());
  if (length_ + n >= capacity_) {
    std::size_t grown = capacity_ + n + 1024;
    std::unique_ptr<char[]> bigger(new (std::nothrow) char[grown]);
    if (bigger == nullptr) return false;
    std::memcpy(bigger.get(), data_.get(), length_);
    data_ = std::move(bigger);
    capacity_ = grown;
  }
  std::memcpy(data_.get() + length_, text.data(), n);
  length_ += n;
  data_[length_] = '\0';
  return true;
}

void GrowBuffer::clear() {
  length_ = 0;
  if (data_ != nullptr) data_[0] = '\0';
}

}  // namespace phx
