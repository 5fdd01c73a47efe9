// One collected sentence: its text, its mask (which marks ordinary text, key
// phrases, elided text and boundaries byte for byte) and the number of its
// first word. Latin-script sentences are 8-bit; Japanese and Korean ones wide.
#pragma once

#include <new>
#include <string>
#include <vector>

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

// The sentences of a document, in order: at most kSentenceStoreSize. The
// store grows as sentences come, so that a short document with highlights
// does not pay for a thousand records.
class SentenceStore {
 public:
  // Starts an empty store; the document collects sentences from now on.
  void activate() {
    records_.clear();
    active_ = true;
  }
  bool active() const { return active_; }

  // A new record at the end of the store; null when the store is full or
  // memory runs out.
  SentenceRecord* append() {
    if (records_.size() >= static_cast<std::size_t>(kSentenceStoreSize)) return nullptr;
    try {
      return &records_.emplace_back();
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }

  int size() const { return static_cast<int>(records_.size()); }
  SentenceRecord& operator[](int i) { return records_[static_cast<std::size_t>(i)]; }
  const SentenceRecord& operator[](int i) const { return records_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<SentenceRecord> records_;
  bool active_ = false;
};

}  // namespace phx
