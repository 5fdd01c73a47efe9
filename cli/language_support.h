// Which languages the engine can read yet.
//
// Languages join the engine one by one. Instead of a table that must be kept
// in step with the engine, the tool asks the engine itself: the first time a
// language is needed it reads a short sentence in that language, and the
// language counts as supported when the engine's reader counted its words.
// A language without a reader yields no words and, without this check, an
// empty result that looks like a document without key phrases.
#pragma once

#include <array>
#include <mutex>

#include "phraxis.hpp"

namespace phraxis_cli {

class LanguageSupport {
 public:
  explicit LanguageSupport(phraxis::StopMemory& stop) : stop_(&stop) {}

  // Safe to call from several threads; each language is probed once.
  bool supports(phraxis::Language language);

 private:
  static constexpr std::size_t kLanguages = 7;
  phraxis::StopMemory* stop_;
  std::array<std::once_flag, kLanguages> probed_;
  std::array<bool, kLanguages> supported_{};
};

// Reads the probe sentence of `language` and tells whether the engine
// counted any word of it.
bool engine_reads_language(phraxis::StopMemory& stop, phraxis::Language language);

}  // namespace phraxis_cli
