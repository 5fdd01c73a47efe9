// One collected sentence: its text, its mask (which marks ordinary text, key
// phrases, elided text and boundaries byte for byte) and the number of its
// first word. Latin-script sentences are 8-bit; Japanese and Korean ones wide.
#pragma once

#include <memory>
#include <string>

namespace phx {

// The store holds at most this many sentences; later ones are not kept.
inline constexpr int kSentenceStoreSize = 1000;
// A sentence and its mask are collected in buffers of this many bytes (units
// for wide text).
inline constexpr std::size_t kSentenceBufferBytes = 2024;

struct SentenceRecord {
  std::string text;
  std::string mask;
  std::u16string wide_text;
  std::u16string wide_mask;
  int position = -1;
};

}  // namespace phx
