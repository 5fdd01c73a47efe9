#include "highlight_run.h"

#include <gtest/gtest.h>

#include "api/document_memory.h"

namespace phx::testing {
namespace {

std::string as_latin1(const char* text, int code) {
  std::string out;
  if (text == nullptr) return out;
  if (code != 2) return text;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
       p[0] != 0 || p[1] != 0; p += 2) {
    const unsigned unit = p[0] | (p[1] << 8);
    out.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
  }
  return out;
}

}  // namespace

HighlightResult run_with_highlights(std::string_view latin1_text, const HighlightRun& run) {
  HighlightResult result;
  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
  EXPECT_EQ(PhxCreateStopMemory(&stop), 0);
  EXPECT_EQ(PhxCreateDocumentMemory(&doc), 0);
  for (const GoPhrase& go : run.go_phrases) {
    EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, go.text.c_str(), go.match_type), 0) << go.text;
  }
  EXPECT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  EXPECT_EQ(PhxSetOutputCode(doc, run.output_code), 0);
  EXPECT_EQ(PhxSetNumberPhrases(doc, run.phrases_wanted), 0);
  EXPECT_EQ(PhxSetHighlightType(doc, run.highlight_type), 0);
  if (!run.text_filter) {
    EXPECT_EQ(PhxDeactivateTextFilter(doc), 0);
  }
  if (run.activate) {
    EXPECT_EQ(PhxActivateHighlights(doc), 0);
  }

  std::size_t from = 0;
  auto read = [&](std::size_t to) {
    if (to <= from) return;
    const int r = PhxReadDocumentBuffer(doc, stop, latin1_text.data() + from,
                                        static_cast<int>(to - from));
    if (r != 0 && result.result == 0) result.result = r;
    from = to;
  };
  for (std::size_t cut : run.cuts) read(cut);
  read(latin1_text.size());
  const int end = PhxSignalDocumentEnd(doc, stop);
  if (end != 0 && result.result == 0) result.result = end;

  int count = 0;
  EXPECT_EQ(PhxGetPhraseListSize(doc, &count), 0);
  for (int i = 0; i < count; ++i) {
    const char* phrase = nullptr;
    double score = -1.0;
    EXPECT_EQ(PhxGetPhraseByIndex(doc, i, &phrase), 0);
    EXPECT_EQ(PhxGetScoreByIndex(doc, i, &score), 0);
    result.phrases.push_back(as_latin1(phrase, run.output_code));
    result.scores.push_back(score);
  }
  EXPECT_EQ(PhxGetHighlightListSize(doc, &count), 0);
  for (int i = 0; i < count; ++i) {
    const char* highlight = nullptr;
    EXPECT_EQ(PhxGetHighlightByIndex(doc, i, &highlight), 0);
    EXPECT_NE(highlight, nullptr);
    result.highlights.push_back(as_latin1(highlight, run.output_code));
  }
  for (int i = 0; doc->sentences.active() && i < doc->sentence_count; ++i) {
    const SentenceRecord& record = doc->sentences[i];
    result.sentences.push_back({record.text, record.mask, record.position});
  }
  EXPECT_EQ(PhxGetDocumentProperties(doc, 1, &result.word_count), 0);
  EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
  return result;
}

std::vector<std::string> sentence_texts(const HighlightResult& result) {
  std::vector<std::string> texts;
  for (const StoredSentence& sentence : result.sentences) texts.push_back(sentence.text);
  return texts;
}

}  // namespace phx::testing
