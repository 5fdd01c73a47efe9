// The golden corpus read with highlights: the key phrases must be exactly
// those of the corpus read without them, and the highlights are compared
// with golden files. Also, on the same documents: the order and the
// one-per-sentence choice of the highlight types, and the same result
// whatever the buffer sizes.
//
// After a deliberate change, rewrite the files with PHX_UPDATE_GOLDEN=1 and
// review the difference before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "highlight_run.h"
#include "support/golden.h"

namespace phx::testing {
namespace {

const std::string kGoldenDir = std::string(PHX_SOURCE_DIR) + "/tests/latin/golden/";

using phx_test::read_file;

std::string read_document(const char* name) { return read_file(kGoldenDir + name + ".txt"); }

// The phrases in the form of the corpus's phrase files, after its property
// lines.
std::string render_phrases(const HighlightResult& r, const std::string& properties) {
  std::string out = properties;
  char line[512];
  for (std::size_t i = 0; i < r.phrases.size(); ++i) {
    std::snprintf(line, sizeof line, "%s\t%.6f\n", r.phrases[i].c_str(), r.scores[i]);
    out += line;
  }
  return out;
}

std::string render_highlights(const HighlightResult& r) {
  std::string out = "highlights " + std::to_string(r.highlights.size()) + "\n";
  for (const std::string& highlight : r.highlights) out += highlight + "\n";
  return out;
}

struct HighlightGoldenCase {
  const char* document;
  int phrases_wanted;
  int highlight_type;
};

class HighlightGolden : public ::testing::TestWithParam<HighlightGoldenCase> {};

TEST_P(HighlightGolden, KeepsThePhrasesAndMatchesTheExpectedHighlights) {
  const HighlightGoldenCase& c = GetParam();
  const std::string text = read_document(c.document);
  ASSERT_FALSE(text.empty()) << c.document;
  const HighlightResult result = run_with_highlights(
      text, {.highlight_type = c.highlight_type, .phrases_wanted = static_cast<double>(c.phrases_wanted)});
  ASSERT_EQ(result.result, 0);

  // The phrase file of the corpus holds three property lines, then phrases.
  const std::string base = kGoldenDir + c.document + ".n" + std::to_string(c.phrases_wanted);
  const std::string phrases_expected = read_file(base + ".expected");
  std::size_t properties_end = 0;
  for (int line = 0; line < 3; ++line) properties_end = phrases_expected.find('\n', properties_end) + 1;
  EXPECT_EQ(render_phrases(result, phrases_expected.substr(0, properties_end)), phrases_expected)
      << "highlights changed the phrases of " << c.document;
  EXPECT_EQ(phrases_expected.substr(0, phrases_expected.find('\n') + 1),
            "words " + std::to_string(result.word_count) + "\n");

  const std::string expected_path = base + ".h" + std::to_string(c.highlight_type) + ".expected";
  const std::string actual = render_highlights(result);
  EXPECT_EQ(phx_test::compare_with_golden(expected_path, actual), "");
}

const HighlightGoldenCase kHighlightGoldenCases[] = {
    {"solar_hand", 7, 0},         {"solar_hand", 7, 9},
    {"news_storage", 7, 0},       {"news_storage", 7, 29},
    {"abstract_networks", 7, 0},  {"abstract_networks", 7, 24},
    {"report_water", 7, 1},       {"report_water", 15, 11},
};

INSTANTIATE_TEST_SUITE_P(English, HighlightGolden, ::testing::ValuesIn(kHighlightGoldenCases),
                         [](const auto& test) {
                           return std::string(test.param.document) + "_n" +
                                  std::to_string(test.param.phrases_wanted) + "_type" +
                                  std::to_string(test.param.highlight_type);
                         });

// The hand-worked document: every phrase's key sentence is the first one;
// the mark spreads over the content words up to the full stop.
TEST(HighlightGoldenFiles, HandWorkedDocumentHighlights) {
  EXPECT_EQ(read_file(kGoldenDir + "solar_hand.n7.h9.expected"),
            "highlights 1\n<b>Solar panels convert sunlight.</b>\n");
}

const char* const kDocuments[] = {"solar_hand", "news_storage", "abstract_networks",
                                  "report_water"};

// Where a highlight of kept text (type 4) comes from in the store.
std::vector<std::size_t> store_places(const HighlightResult& result) {
  std::vector<std::size_t> places;
  for (const std::string& highlight : result.highlights) {
    auto it = std::find_if(result.sentences.begin(), result.sentences.end(),
                           [&](const StoredSentence& s) { return s.text == highlight; });
    EXPECT_NE(it, result.sentences.end()) << highlight;
    places.push_back(static_cast<std::size_t>(it - result.sentences.begin()));
  }
  return places;
}

TEST(HighlightTypes, DocumentOrderSortsThePhraseOrder) {
  for (const char* name : kDocuments) {
    const std::string text = read_document(name);
    const HighlightResult phrase_order = run_with_highlights(text, {.highlight_type = 4});
    const HighlightResult document_order = run_with_highlights(text, {.highlight_type = 6});
    ASSERT_FALSE(phrase_order.highlights.empty()) << name;
    std::vector<std::size_t> expected = store_places(phrase_order);
    std::stable_sort(expected.begin(), expected.end());
    EXPECT_EQ(store_places(document_order), expected) << name;
  }
}

TEST(HighlightTypes, OneHighlightPerSentenceDropsRepeats) {
  for (const char* name : kDocuments) {
    const std::string text = read_document(name);
    const HighlightResult every = run_with_highlights(text, {.highlight_type = 4});
    const HighlightResult once = run_with_highlights(text, {.highlight_type = 5});
    std::vector<std::string> expected;
    for (const std::string& highlight : every.highlights) {
      if (std::find(expected.begin(), expected.end(), highlight) == expected.end()) {
        expected.push_back(highlight);
      }
    }
    EXPECT_EQ(once.highlights, expected) << name;
  }
}

TEST(HighlightTypes, OutputCodeUcs2GivesTheSameHighlights) {
  const std::string text = read_document("news_storage");
  const HighlightResult latin1 = run_with_highlights(text, {.highlight_type = 29});
  const HighlightResult ucs2 =
      run_with_highlights(text, {.highlight_type = 29, .output_code = 2});
  EXPECT_EQ(ucs2.highlights, latin1.highlights);
}

TEST(HighlightSplits, BufferSizesDoNotChangeSentencesOrHighlights) {
  for (const char* name : kDocuments) {
    const std::string text = read_document(name);
    const HighlightResult whole = run_with_highlights(text, {.highlight_type = 29});
    for (std::size_t size : {1u, 2u, 7u, 64u, 1000u}) {
      std::vector<std::size_t> cuts;
      for (std::size_t at = size; at < text.size(); at += size) cuts.push_back(at);
      const HighlightResult split =
          run_with_highlights(text, {.highlight_type = 29, .cuts = cuts});
      EXPECT_EQ(split.phrases, whole.phrases) << name << " in buffers of " << size;
      EXPECT_EQ(split.highlights, whole.highlights) << name << " in buffers of " << size;
      EXPECT_EQ(split.sentences, whole.sentences) << name << " in buffers of " << size;
    }
  }
}

TEST(HighlightSplits, EveryCutOfAShortDocument) {
  const std::string text = read_document("abstract_networks");
  const HighlightResult whole = run_with_highlights(text, {.highlight_type = 13});
  for (std::size_t cut = 1; cut < text.size(); ++cut) {
    const HighlightResult split = run_with_highlights(text, {.highlight_type = 13, .cuts = {cut}});
    ASSERT_EQ(split.highlights, whole.highlights) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace phx::testing
