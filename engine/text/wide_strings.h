// String operations on wide text: zero-terminated arrays of UCS2 units (or
// views of them), where lengths and positions count units, never bytes.
//
// A "set" is a wide text used as a set of characters: a unit is a member when
// it occurs in the set; the zero unit is never a member. A view made from a
// null pointer stands for a missing text.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>

#include "containers/term_value.h"

namespace phx {

// An owned zero-terminated wide text; null when allocation failed.
using OwnedWideText = std::unique_ptr<WideChar[]>;

// U+0020 and the ideographic space U+3000.
inline constexpr WideView kWideBlankSet = u"\u0020\u3000";
// Characters at which a whole-word match may end: ASCII and fullwidth
// punctuation, the heading and segment marks GS and RS, Japanese brackets,
// quotes and full stops.
inline constexpr WideView kWideBoundarySet =
    u"().,;:[]{}!?<>~\"'`*&^%#$@|+=_\u001D\u001E"
    u"\uFF08\uFF09\uFF0E\uFF0C\uFF1B\uFF1A\uFF3B\uFF3D\uFF5B\uFF5D\uFF01\uFF1F\uFF1C\uFF1E"
    u"\uFF5E\uFF02\uFF07\uFF40\uFF0A\uFF06\uFF3E\uFF05\uFF03\uFF04\uFF20\uFF5C\uFF0B\uFF1D"
    u"\uFF3F\u30FB\uFF65\uFF09\uFF63\u300D\u25C6\u25C7\u25CF\u25CB\u2026\u3003\u2015\u223C"
    u"\u2018\u2019\u201C\u201D\u3014\u3015\u3008\u3009\u300A\u300B\u300C\u300D\u300E\u300F"
    u"\u3002\u0589\u06D4\uFF0E\uFE52\uFF61";

// Units before the zero; 0 for null.
std::size_t wide_length(const WideChar* text);
// Copies the source and its zero; returns the destination, which must hold
// wide_length(source) + 1 units.
WideChar* wide_copy(WideChar* destination, const WideChar* source);
// Copies n units and writes a zero after them; the destination holds n + 1.
WideChar* wide_copy_n(WideChar* destination, const WideChar* source, std::size_t n);
// A new owned copy; null for a missing text or when memory runs out.
OwnedWideText wide_duplicate(const WideChar* text);
// A new owned text of the first n units and a zero; null for a missing source
// or when memory runs out. The source must hold n units.
OwnedWideText wide_duplicate_n(const WideChar* units, std::size_t n);
// Appends U+0020 and the tail; returns the text.
std::u16string& wide_join_space(std::u16string& text, WideView tail);

// -1, 0 or 1, unit by unit as unsigned values; a proper prefix is smaller.
int wide_compare(WideView a, WideView b);
// As wide_compare over at most the first n units of each.
int wide_compare_n(WideView a, WideView b, std::size_t n);

// Position of the first occurrence, or WideView::npos; a zero unit is never
// found.
std::size_t wide_find_char(WideView text, WideChar unit);
// Position of the first occurrence of the pattern, or WideView::npos; an
// empty pattern is found at 0.
std::size_t wide_find(WideView text, WideView pattern);

bool wide_set_has(WideView set, WideChar unit);
// Leading units that are (span) or are not (cspan) members; 0 when the text
// or the set is missing or empty.
std::size_t wide_span(WideView text, WideView set);
std::size_t wide_cspan(WideView text, WideView set);
std::size_t wide_count_in_set(WideView text, WideView set);

// In place; a text of members only becomes empty; null is left alone.
void wide_strip_leading(WideChar* text, WideView set);
void wide_strip_trailing(WideChar* text, WideView set);
void wide_remove_chars(WideChar* text, WideView set);
void wide_strip_leading(std::u16string& text, WideView set);
void wide_strip_trailing(std::u16string& text, WideView set);
void wide_remove_chars(std::u16string& text, WideView set);

// Skips leading separators of `rest` and copies the following run of
// non-separators into `token`, zero-terminated; returns where splitting goes
// on: just after the run, or the end of `rest` when it holds separators only.
// A run too long for the token (more than token.size() - 1 units) is cut and
// the result is the end of `rest`, so everything after it is skipped. A
// missing rest gives an empty token and null. Never writes beyond `token`.
const WideChar* wide_next_token(const WideChar* rest, std::span<WideChar> token,
                                WideView separators);

// 1 for each narrow unit, 2 for every other; 0 for a missing text.
std::size_t wide_display_width(WideView text);

// A zero-terminated wide text that grows by the appended length plus 1024
// units whenever an append would not fit.
class WideGrowBuffer {
 public:
  explicit WideGrowBuffer(std::size_t capacity = 2024);
  // False when the buffer could not grow; its contents and capacity are then
  // unchanged.
  bool append_grow(WideView units);

  WideView view() const { return {data_.get(), length_}; }
  const WideChar* c_str() const { return data_.get(); }
  std::size_t capacity() const { return capacity_; }
  std::size_t size() const { return length_; }
  bool valid() const { return data_ != nullptr; }
  // Hands the text over to the caller; the buffer is then invalid.
  OwnedWideText release();

 private:
  OwnedWideText data_;
  std::size_t capacity_ = 0;
  std::size_t length_ = 0;
};

}  // namespace phx
