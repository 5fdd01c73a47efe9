#include "english_run.h"

#include <gtest/gtest.h>

namespace phx::testing {
namespace {

// Code page 437 bytes of the Latin-1 letters the tests use.
struct Cp437Letter {
  unsigned char latin1;
  unsigned char cp437;
};
constexpr Cp437Letter kCp437Letters[] = {
    {0xE9, 0x82}, {0xE8, 0x8A}, {0xFC, 0x81}, {0xE4, 0x84}, {0xF6, 0x94}, {0xC9, 0x90},
};

char to_cp437(unsigned char c) {
  for (const Cp437Letter& letter : kCp437Letters) {
    if (letter.latin1 == c) return static_cast<char>(letter.cp437);
  }
  EXPECT_LT(c, 0x80) << "no code page 437 byte for this test character";
  return static_cast<char>(c);
}

unsigned char from_cp437(unsigned char c) {
  for (const Cp437Letter& letter : kCp437Letters) {
    if (letter.cp437 == c) return letter.latin1;
  }
  return c;
}

std::string phrase_as_latin1(const char* text, int code) {
  std::string out;
  if (text == nullptr) return out;
  if (code != 2) {
    // Code page 437 output is mapped back for the letters the tests use.
    for (const char* p = text; *p != '\0'; ++p) {
      const auto c = static_cast<unsigned char>(*p);
      out.push_back(static_cast<char>(code == 1 ? from_cp437(c) : c));
    }
    return out;
  }
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
       p[0] != 0 || p[1] != 0; p += 2) {
    const unsigned unit = p[0] | (p[1] << 8);
    out.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
  }
  return out;
}

}  // namespace

std::string encode_input(std::string_view latin1, int code) {
  std::string out;
  for (char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (code == 1) {
      out.push_back(c < 0x80 ? ch : to_cp437(c));
    } else if (code == 2) {
      out.push_back(ch);
      out.push_back('\0');
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

std::vector<std::size_t> cuts_every(std::size_t size, std::size_t length) {
  std::vector<std::size_t> cuts;
  for (std::size_t at = size; at < length; at += size) cuts.push_back(at);
  return cuts;
}

EnglishResult run_english(std::string_view latin1_text, const EnglishRun& run) {
  EnglishResult result;
  StopMemory* stop = run.shared_stop;
  DocumentMemory* doc = nullptr;
  if (stop == nullptr) {
    EXPECT_EQ(PhxCreateStopMemory(&stop), 0);
  }
  EXPECT_EQ(PhxCreateDocumentMemory(&doc), 0);
  if (run.prepare_stop) run.prepare_stop(stop);
  EXPECT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  EXPECT_EQ(PhxSetInputCode(doc, run.input_code), 0);
  EXPECT_EQ(PhxSetOutputCode(doc, run.output_code), 0);
  EXPECT_EQ(PhxSetNumberPhrases(doc, run.phrases_wanted), 0);
  if (!run.text_filter) {
    EXPECT_EQ(PhxDeactivateTextFilter(doc), 0);
  }
  EXPECT_EQ(PhxSetHighlightType(doc, run.highlight_type), 0);
  if (run.highlights) {
    EXPECT_EQ(PhxActivateHighlights(doc), 0);
  }

  const std::string input = encode_input(latin1_text, run.input_code);
  std::size_t from = 0;
  auto read = [&](std::size_t to) {
    if (to <= from) return;
    int r = PhxReadDocumentBuffer(doc, stop, input.data() + from, static_cast<int>(to - from));
    if (r != 0 && result.read_result == 0) result.read_result = r;
    from = to;
  };
  for (std::size_t cut : run.cuts) read(cut);
  read(input.size());
  int end = PhxSignalDocumentEnd(doc, stop);
  if (end != 0 && result.read_result == 0) result.read_result = end;

  int count = 0;
  EXPECT_EQ(PhxGetPhraseListSize(doc, &count), 0);
  for (int i = 0; i < count; ++i) {
    const char* phrase = nullptr;
    double score = -1.0;
    EXPECT_EQ(PhxGetPhraseByIndex(doc, i, &phrase), 0);
    EXPECT_EQ(PhxGetScoreByIndex(doc, i, &score), 0);
    result.phrases.push_back(phrase_as_latin1(phrase, run.output_code));
    result.scores.push_back(score);
  }
  EXPECT_EQ(PhxGetHighlightListSize(doc, &count), 0);
  for (int i = 0; i < count; ++i) {
    const char* highlight = nullptr;
    EXPECT_EQ(PhxGetHighlightByIndex(doc, i, &highlight), 0);
    EXPECT_NE(highlight, nullptr);
    result.highlights.push_back(phrase_as_latin1(highlight, run.output_code));
  }
  EXPECT_EQ(PhxGetDocumentProperties(doc, 1, &result.word_count), 0);
  EXPECT_EQ(PhxGetDocumentProperties(doc, 2, &result.content_word_count), 0);
  EXPECT_EQ(PhxGetDocumentProperties(doc, 3, &result.whole_document), 0);
  if (run.inspect) run.inspect(doc);
  EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
  if (stop != run.shared_stop) {
    EXPECT_EQ(PhxClearStopMemory(stop), 0);
  }
  return result;
}

}  // namespace phx::testing
