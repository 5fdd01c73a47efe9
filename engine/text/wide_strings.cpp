#include "text/wide_strings.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "text/wide_classes.h"

namespace phx {
namespace {

int sign(int value) { return (value > 0) - (value < 0); }

// Drops the members from `text` in place (keeping the rest in order) and
// returns the new length.
template <class Keep>
std::size_t keep_only(WideChar* text, Keep keep) {
  std::size_t out = 0;
  for (std::size_t in = 0; text[in] != 0; ++in) {
    if (keep(text[in])) text[out++] = text[in];
  }
  text[out] = 0;
  return out;
}

}  // namespace

std::size_t wide_length(const WideChar* text) { return text_length(text); }

WideChar* wide_copy(WideChar* destination, const WideChar* source) {
  return wide_copy_n(destination, source, wide_length(source));
}

WideChar* wide_copy_n(WideChar* destination, const WideChar* source, std::size_t n) {
  if (n > 0) std::memmove(destination, source, n * sizeof(WideChar));
  destination[n] = 0;
  return destination;
}

OwnedWideText wide_duplicate(const WideChar* text) {
  if (text == nullptr) return nullptr;
  return wide_duplicate_n(text, wide_length(text));
}

OwnedWideText wide_duplicate_n(const WideChar* units, std::size_t n) {
  if (units == nullptr) return nullptr;
  OwnedWideText copy(new (std::nothrow) WideChar[n + 1]);
  if (copy != nullptr) wide_copy_n(copy.get(), units, n);
  return copy;
}

std::u16string& wide_join_space(std::u16string& text, WideView tail) {
  text.reserve(text.size() + 1 + tail.size());
  text.push_back(u' ');
  text.append(tail);
  return text;
}

int wide_compare(WideView a, WideView b) { return sign(a.compare(b)); }

int wide_compare_n(WideView a, WideView b, std::size_t n) {
  return wide_compare(a.substr(0, std::min(n, a.size())), b.substr(0, std::min(n, b.size())));
}

std::size_t wide_find_char(WideView text, WideChar unit) {
  return unit == 0 ? WideView::npos : text.find(unit);
}

std::size_t wide_find(WideView text, WideView pattern) { return text.find(pattern); }

bool wide_set_has(WideView set, WideChar unit) {
  return unit != 0 && set.find(unit) != WideView::npos;
}

std::size_t wide_span(WideView text, WideView set) {
  std::size_t n = 0;
  while (n < text.size() && wide_set_has(set, text[n])) ++n;
  return n;
}

std::size_t wide_cspan(WideView text, WideView set) {
  if (set.empty()) return 0;
  std::size_t n = 0;
  while (n < text.size() && !wide_set_has(set, text[n])) ++n;
  return n;
}

std::size_t wide_count_in_set(WideView text, WideView set) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [&](WideChar u) { return wide_set_has(set, u); }));
}

void wide_strip_leading(WideChar* text, WideView set) {
  if (text == nullptr) return;
  WideView view(text);
  std::size_t skip = wide_span(view, set);
  if (skip > 0) wide_copy_n(text, text + skip, view.size() - skip);
}

void wide_strip_trailing(WideChar* text, WideView set) {
  if (text == nullptr) return;
  std::size_t n = wide_length(text);
  while (n > 0 && wide_set_has(set, text[n - 1])) --n;
  text[n] = 0;
}

void wide_remove_chars(WideChar* text, WideView set) {
  if (text == nullptr) return;
  keep_only(text, [&](WideChar u) { return !wide_set_has(set, u); });
}

void wide_strip_leading(std::u16string& text, WideView set) {
  text.erase(0, wide_span(text, set));
}

void wide_strip_trailing(std::u16string& text, WideView set) {
  std::size_t n = text.size();
  while (n > 0 && wide_set_has(set, text[n - 1])) --n;
  text.resize(n);
}

void wide_remove_chars(std::u16string& text, WideView set) {
  std::erase_if(text, [&](WideChar u) { return wide_set_has(set, u); });
}

const WideChar* wide_next_token(const WideChar* rest, std::span<WideChar> token,
                                WideView separators) {
  if (!token.empty()) token[0] = 0;
  if (rest == nullptr) return nullptr;
  WideView view(rest);
  std::size_t start = wide_span(view, separators);
  if (start == view.size()) return rest + view.size();
  std::size_t run = separators.empty() ? view.size() - start
                                       : wide_cspan(view.substr(start), separators);
  if (token.empty()) return rest + view.size();
  if (run + 1 <= token.size()) {
    wide_copy_n(token.data(), rest + start, run);
    return rest + start + run;
  }
  wide_copy_n(token.data(), rest + start, token.size() - 1);
  return rest + view.size();
}

std::size_t wide_display_width(WideView text) {
  std::size_t width = 0;
  for (WideChar u : text) width += is_narrow(u) ? 1 : 2;
  return width;
}

WideGrowBuffer::WideGrowBuffer(std::size_t capacity)
    : data_(new (std::nothrow) WideChar[std::max<std::size_t>(capacity, 1)]()),
      capacity_(data_ != nullptr ? std::max<std::size_t>(capacity, 1) : 0) {}

bool WideGrowBuffer::append_grow(WideView units) {
  if (data_ == nullptr) return false;
  if (length_ + units.size() >= capacity_) {
    std::size_t grown = capacity_ + units.size() + 1024;
    OwnedWideText bigger(new (std::nothrow) WideChar[grown]);
    if (bigger == nullptr) return false;
    std::memcpy(bigger.get(), data_.get(), length_ * sizeof(WideChar));
    data_ = std::move(bigger);
    capacity_ = grown;
  }
  wide_copy_n(data_.get() + length_, units.data(), units.size());
  length_ += units.size();
  return true;
}

OwnedWideText WideGrowBuffer::release() {
  capacity_ = 0;
  length_ = 0;
  return std::move(data_);
}

}  // namespace phx
