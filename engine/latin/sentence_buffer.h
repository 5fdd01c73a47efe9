// The sentence being collected: its text and, byte for byte, its mask.
//
// Mask bytes: "o" ordinary text, GS a boundary (the edges of a token that is
// no content word, punctuation at a token's edge), "O" part of a key phrase,
// "x" text to be elided. The buffer holds at most kSentenceBytes bytes of
// text; the collector discards a sentence before it would grow past that.
#pragma once

#include <cstddef>
#include <string_view>

#include "api/sentence_record.h"

namespace phx {

inline constexpr char kMaskOrdinary = 'o';
inline constexpr char kMaskKeyPhrase = 'O';
inline constexpr char kMaskElided = 'x';
inline constexpr char kMaskBoundary = '\x1D';

// Text bytes a sentence may hold: two of the buffer's bytes are kept free
// (a terminator and one byte of slack).
inline constexpr std::size_t kSentenceBytes = kSentenceBufferBytes - 2;

struct SentenceBuffer {
  char text[kSentenceBufferBytes] = {};
  char mask[kSentenceBufferBytes] = {};
  std::size_t length = 0;

  std::string_view text_view() const { return {text, length}; }
  std::string_view mask_view() const { return {mask, length}; }
  bool empty() const { return length == 0; }
  char last() const { return length > 0 ? text[length - 1] : '\0'; }

  void clear() {
    length = 0;
    text[0] = '\0';
    mask[0] = '\0';
  }
  // Appends one byte with its mask; false (nothing appended) when full.
  bool push(char byte, char mask_byte) {
    if (length >= kSentenceBytes) return false;
    text[length] = byte;
    mask[length] = mask_byte;
    ++length;
    text[length] = '\0';
    mask[length] = '\0';
    return true;
  }
  void pop() {
    if (length == 0) return;
    --length;
    text[length] = '\0';
    mask[length] = '\0';
  }
};

}  // namespace phx
