// Go phrases through the public interface: found in the collected sentences
// by their match type, output first with the score 0.0, with their own key
// sentences, and never output again as regular phrases.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "highlight_run.h"

namespace phx::testing {
namespace {

const std::string kDocument =
    "The NASA mission studied solar panels in orbit. "
    "Engineers at nasa tested the panels and their databases. "
    "The data base of the mission grew every single week. "
    "Deep neural networks read the data. "
    "Solar panels and neural networks both need power.";

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

struct GoCase {
  const char* name;
  GoPhrase go;
  bool found;
  const char* highlight;  // with type 8, of the go phrase (the first highlight)
};

class GoPhraseMatch : public ::testing::TestWithParam<GoCase> {};

TEST_P(GoPhraseMatch, IsFoundByItsMatchType) {
  const GoCase& c = GetParam();
  const HighlightResult result =
      run_with_highlights(kDocument, {.highlight_type = 8, .go_phrases = {c.go}});
  ASSERT_EQ(result.result, 0);
  ASSERT_FALSE(result.phrases.empty());
  if (!c.found) {
    EXPECT_FALSE(contains(result.phrases, c.go.text));
    for (double score : result.scores) EXPECT_GT(score, 0.0);
    return;
  }
  EXPECT_EQ(result.phrases[0], c.go.text);
  EXPECT_EQ(result.scores[0], 0.0);
  for (std::size_t i = 1; i < result.scores.size(); ++i) EXPECT_GT(result.scores[i], 0.0);
  ASSERT_FALSE(result.highlights.empty());
  EXPECT_EQ(result.highlights[0], c.highlight);
}

const GoCase kGoCases[] = {
    // Both sentences score 10: the longer second one wins the tie.
    {"AnyCase", {"nasa", 0}, true,
     "Engineers at <b>nasa tested</b> the panels and their databases."},
    {"CaseSensitiveFindsCapitals", {"NASA", 1}, true,
     "The <b>NASA mission studied solar panels</b> in orbit."},
    {"CaseSensitiveMisses", {"Nasa", 1}, false, ""},
    // The punctuation attached to a marked word is marked with it.
    {"InsideAWord", {"base", 0}, true,
     "Engineers at nasa tested the panels and their <b>databases.</b>"},
    {"WholeWordsOnly", {"base", 2}, true,
     "The <b>data base</b> of the mission grew every single week."},
    {"WholeWordsMiss", {"bases", 2}, false, ""},
    {"WordByWord", {"neur netw", 16}, true,
     "Solar panels and <b>neural networks</b> both need power."},
    {"WordByWordNeedsTheType", {"neur netw", 0}, false, ""},
    // A function word at the end of the match stays unmarked.
    {"IgnoringGaps", {"database of", 32}, true,
     "The <b>data base</b> of the mission grew every single week."},
    {"IgnoringGapsNeedsTheType", {"database of", 0}, false, ""},
};

INSTANTIATE_TEST_SUITE_P(English, GoPhraseMatch, ::testing::ValuesIn(kGoCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(GoPhrases, ComeFirstInOrderOfFindingAndAreNotRepeated) {
  const HighlightResult result = run_with_highlights(
      kDocument, {.go_phrases = {{"Neural Networks", 0}, {"solar panels", 0}, {"orbit", 0}}});
  ASSERT_GE(result.phrases.size(), 3u);
  // The first sentence holds "solar panels" and "orbit"; the list order
  // decides within a sentence.
  EXPECT_EQ(result.phrases[0], "solar panels");
  EXPECT_EQ(result.phrases[1], "orbit");
  EXPECT_EQ(result.phrases[2], "Neural Networks");
  for (std::size_t i = 3; i < result.phrases.size(); ++i) {
    std::string lowered = result.phrases[i];
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lowered, "solar panels");
    EXPECT_NE(lowered, "neural networks");
    EXPECT_NE(lowered, "orbit");
  }
}

TEST(GoPhrases, SwitchHighlightsOnByThemselves) {
  const HighlightResult result =
      run_with_highlights(kDocument, {.activate = false, .go_phrases = {{"orbit", 0}}});
  EXPECT_EQ(result.phrases[0], "orbit");
  EXPECT_FALSE(result.sentences.empty());
  EXPECT_EQ(result.highlights.size(), result.phrases.size() > 0 ? result.highlights.size() : 0u);
  EXPECT_EQ(result.highlights[0], "The NASA mission studied solar panels in orbit.");
}

TEST(GoPhrases, NoMoreThanThePhrasesWanted) {
  const HighlightResult result = run_with_highlights(
      kDocument, {.phrases_wanted = 3,
                  .go_phrases = {{"orbit", 0}, {"week", 0}, {"power", 0}, {"data", 2}}});
  EXPECT_EQ(result.phrases, (std::vector<std::string>{"orbit", "week", "data"}));
  EXPECT_EQ(result.scores, (std::vector<double>{0.0, 0.0, 0.0}));
  EXPECT_EQ(result.highlights.size(), 3u);
}

TEST(GoPhrases, SecondOccurrenceMayGiveTheBetterSentence) {
  // The first sentence holding the go phrase is a poor one (no full stop, a
  // lower-case start); the second is chosen.
  const std::string text =
      "some words about tidal power and more\n\n"
      "Coastal towns are now building tidal power plants along the shore.";
  const HighlightResult result = run_with_highlights(text, {.go_phrases = {{"tidal power", 0}}});
  ASSERT_FALSE(result.highlights.empty());
  EXPECT_EQ(result.phrases[0], "tidal power");
  EXPECT_EQ(result.highlights[0],
            "Coastal towns are now building tidal power plants along the shore.");
}

TEST(GoPhrases, OutputInTheOutputCode) {
  const HighlightResult result = run_with_highlights(
      "Das Caf\xE9 am Meer ist sch\xF6n. Wir gehen ins Caf\xE9 heute.",
      {.output_code = 2, .go_phrases = {{"caf\xE9", 0}}});
  ASSERT_FALSE(result.phrases.empty());
  EXPECT_EQ(result.phrases[0], "caf\xE9");
  ASSERT_FALSE(result.highlights.empty());
  EXPECT_NE(result.highlights[0].find("Caf\xE9"), std::string::npos);
}

}  // namespace
}  // namespace phx::testing
