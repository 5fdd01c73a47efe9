#include "highlight_run.h"

#include <gtest/gtest.h>

#include "api/document_memory.h"
#include "english_run.h"

namespace phx::testing {

HighlightResult run_with_highlights(std::string_view latin1_text, const HighlightRun& run) {
  EnglishRun english;
  english.output_code = run.output_code;
  english.phrases_wanted = run.phrases_wanted;
  english.text_filter = run.text_filter;
  english.cuts = run.cuts;
  english.highlights = run.activate;
  english.highlight_type = run.highlight_type;
  english.prepare_stop = [&run](StopMemory* stop) {
    for (const GoPhrase& go : run.go_phrases) {
      EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, go.text.c_str(), go.match_type), 0) << go.text;
    }
  };
  HighlightResult result;
  english.inspect = [&result](DocumentMemory* doc) {
    for (int i = 0; doc->sentences.active() && i < doc->sentence_count; ++i) {
      const SentenceRecord& record = doc->sentences[i];
      result.sentences.push_back({record.text, record.mask, record.position});
    }
  };
  EnglishResult read = run_english(latin1_text, english);
  result.result = read.read_result;
  result.phrases = std::move(read.phrases);
  result.scores = std::move(read.scores);
  result.highlights = std::move(read.highlights);
  result.word_count = read.word_count;
  return result;
}

std::vector<std::string> sentence_texts(const HighlightResult& result) {
  std::vector<std::string> texts;
  for (const StoredSentence& sentence : result.sentences) texts.push_back(sentence.text);
  return texts;
}

}  // namespace phx::testing
