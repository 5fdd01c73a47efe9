// Runs an English document with highlights through the public interface, and
// reaches into the document's sentence store, for the sentence, key-sentence,
// go-phrase and highlight tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "phx_api.h"

namespace phx::testing {

struct GoPhrase {
  std::string text;
  int match_type = 0;
};

struct HighlightRun {
  int highlight_type = 0;
  bool activate = true;  // call PhxActivateHighlights (go phrases switch it on too)
  double phrases_wanted = 7.0;
  int output_code = 0;
  bool text_filter = false;
  std::vector<GoPhrase> go_phrases = {};
  // Buffers are cut at these byte offsets (ascending).
  std::vector<std::size_t> cuts = {};
};

struct StoredSentence {
  std::string text;  // empty for a sentence kept without text
  std::string mask;
  int first_word = -1;
  bool operator==(const StoredSentence&) const = default;
};

struct HighlightResult {
  int result = 0;  // first non-zero result of a read or the end
  std::vector<std::string> phrases;
  std::vector<double> scores;
  std::vector<std::string> highlights;  // Latin-1
  std::vector<StoredSentence> sentences;
  int word_count = 0;
};

HighlightResult run_with_highlights(std::string_view latin1_text, const HighlightRun& run = {});

// The texts of the stored sentences, in order ("" for one kept without text).
std::vector<std::string> sentence_texts(const HighlightResult& result);

}  // namespace phx::testing
