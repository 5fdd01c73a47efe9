// The English word filter on a table of tokens, with the built-in lists.
#include "latin/word_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "latin/english.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"

namespace phx {
namespace {

class WordFilterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(PhxCreateStopMemory(&stop_), 0); }
  static void TearDownTestSuite() { PhxClearStopMemory(stop_); }

  static std::string normal_of(const std::string& token) {
    PhraseBuffer normal;
    normalise_word(english_language(), token, normal, *stop_);
    return std::string(normal.view());
  }

  static StopMemory* stop_;
};
StopMemory* WordFilterTest::stop_ = nullptr;

struct FilterCase {
  const char* token;
  const char* normal;  // "" when the token is no content word
};

TEST_F(WordFilterTest, Table) {
  const FilterCase cases[] = {
      {"Internet,", "internet"},
      {"\"model\"", "model"},
      {"(model),", "model"},
      {"network", "network"},
      {"NETWORKS", "networks"},
      {"students'", "students"},
      {"'tis", "tis"},
      {"caf\xE9", "caf\xE9"},
      {"CAF\xC9", "caf\xE9"},
      {"stra\xDF" "e", "stra\xDF" "e"},
      {"self-evident", "self-evident"},
      {"input/output", "input/output"},
      {"mp3", "mp3"},
      {"b52s", "b52s"},
      {"model\x1E", "model"},
      {"\x1D" "model", "model"},
      // Digits: more than two make no word.
      {"2005", ""},
      {"a1b2c3", ""},
      // Punctuation inside a word, or too much of it.
      {"e.g.", ""},
      {"don't", ""},
      {"word.'", ""},
      {"((xy)).", ""},
      {"((xyz)).", ""},
      {"(xyz).", "xyz"},
      {"1.5", ""},
      // Characters that are neither word characters nor punctuation.
      {"\xD8resund", ""},
      {"caf\xFF", ""},
      {"a\\b", ""},
      // Shape.
      {"ab", ""},
      {"ab.", ""},
      {"3com", ""},
      {"-abc", ""},
      {"/abc", ""},
      {"tcp/", ""},
      {"abc-", ""},
      {"co--op", ""},
      {"a4b", ""},
      {"a4bc", "a4bc"},
      {"aaa", ""},
      {"ZZZZ", ""},
      {"aab", "aab"},
      // Stop words and stop verbs, whole and in parts.
      {"the", ""},
      {"The", ""},
      {"new", ""},
      {"accepts", ""},
      {"well-being", ""},
      {"and/or", ""},
      {"well-known", ""},
      {"state-of-the-art", "state-of-the-art"},
      {"x/-model", "x/-model"},
  };
  for (const FilterCase& c : cases) {
    EXPECT_EQ(normal_of(c.token), c.normal) << "token: " << c.token;
  }
}

TEST_F(WordFilterTest, LongestWordIsKept) {
  const std::string word = "a" + std::string(253, 'b');
  EXPECT_EQ(normal_of(word), word);
}

TEST_F(WordFilterTest, UserStopWordIsNoContentWord) {
  EXPECT_EQ(normal_of("photovoltaic"), "photovoltaic");
  ASSERT_EQ(PhxAddStopWord(stop_, 1, 0, "photovoltaic"), 0);
  EXPECT_EQ(normal_of("Photovoltaic,"), "");
  EXPECT_EQ(normal_of("photovoltaic-cell"), "photovoltaic-cell");
}

TEST(WordShape, StripAndShapeStepsAreReusable) {
  PhraseBuffer normal;
  EXPECT_TRUE(strip_word(english_language(), "(Ab).", normal));
  EXPECT_EQ(normal.view(), "ab");
  EXPECT_FALSE(has_word_shape(english_language(), normal));
  EXPECT_FALSE(strip_word(english_language(), "((a)).", normal));
  EXPECT_TRUE(normal.empty());
}

}  // namespace
}  // namespace phx
