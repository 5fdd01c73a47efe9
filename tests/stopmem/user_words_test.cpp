// The caller's stop words, stop phrases and go phrases: every check in its
// order, the copies that are stored, and the go lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phx_api.h"
#include "stopmem/stop_memory.h"

namespace {

class UserWords : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(PhxCreateStopMemory(&stop), 0); }
  void TearDown() override { EXPECT_EQ(PhxClearStopMemory(stop), 0); }
  StopMemory* stop = nullptr;
};

// UCS2 text as the caller passes it: little-endian units in a byte buffer.
std::string ucs2(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  bytes += std::string(2, '\0');
  return bytes;
}

struct WordCase {
  int language;
  int code;
  std::string word;
  int expected;
};

TEST_F(UserWords, StopWordChecks) {
  const WordCase cases[] = {
      {3, 2, "word", 5},                // Japanese has no stop words
      {0, 0, "word", 5},
      {7, 0, "word", 5},
      {1, 3, "word", 4},
      {6, 0, "word", 4},
      {1, 0, "Data", 7},
      {1, 0, "data base", 7},
      {1, 0, "data-base", 0},
      {1, 0, "3d", 0},
      {1, 0, "and/or", 0},
      {1, 0, "it's", 7},
      {2, 0, "j'ai", 9},
      {2, 0, "\xE9t\xE9", 0},
      {4, 0, "Gr\xF6\xDF" "e", 12},
      {4, 0, "gr\xF6\xDF" "e", 0},
      {5, 0, "a\xF1o", 0},
      {5, 0, "A\xF1o", 14},
      {1, 0, "", 0},                    // an empty word adds nothing
      {1, 1, "caf\x82", 0},              // code page 437
      {1, 2, ucs2(u"caf\u00E9"), 0},
      {1, 2, ucs2(u"\u4E00"), 7},       // becomes "?"
      {6, 2, ucs2(u"\uAC00\uB098"), 0},
      {6, 2, ucs2(u"\uAC00a"), 16},     // a Latin letter in a Korean word
  };
  for (const WordCase& c : cases) {
    EXPECT_EQ(PhxAddStopWord(stop, c.language, c.code, c.word.c_str()), c.expected)
        << "language " << c.language << " word " << c.word;
  }
  EXPECT_EQ(PhxAddStopWord(stop, 1, 0, nullptr), 7);
  EXPECT_EQ(PhxAddStopWord(stop, 6, 2, nullptr), 16);
  EXPECT_TRUE(stop->EnglishStopWords.has("data-base"));
  EXPECT_TRUE(stop->EnglishStopWords.has("caf\xE9"));
  EXPECT_FALSE(stop->EnglishStopWords.has("Data"));
  EXPECT_TRUE(stop->KoreanStopWords.has(u"\uAC00\uB098"));
}

TEST_F(UserWords, GermanAndSpanishWordsAreAlsoStoredFolded) {
  ASSERT_EQ(PhxAddStopWord(stop, 4, 0, "gr\xF6\xDF" "e"), 0);
  EXPECT_TRUE(stop->GermanStopWords.has("gr\xF6\xDF" "e"));
  EXPECT_TRUE(stop->GermanStopWords.has("grosse"));
  ASSERT_EQ(PhxAddStopWord(stop, 5, 0, "educaci\xF3n"), 0);
  EXPECT_TRUE(stop->SpanishStopWords.has("educaci\xF3n"));
  EXPECT_TRUE(stop->SpanishStopWords.has("educacion"));
  ASSERT_EQ(PhxAddStopPhrase(stop, 5, 0, "a\xF1o"), 0);
  EXPECT_TRUE(stop->SpanishStopPhrases.has("a\xF1o"));  // n with tilde is kept when folding
  ASSERT_EQ(PhxAddStopPhrase(stop, 5, 0, "\xE1rea de trabajo"), 0);
  EXPECT_TRUE(stop->SpanishStopPhrases.has("area de trabajo"));
  ASSERT_EQ(PhxAddStopPhrase(stop, 4, 0, "gro\xDF" "e st\xE4" "dte"), 0);
  EXPECT_TRUE(stop->GermanStopPhrases.has("grosse stadte"));
  // A German word over 126 bytes is stored as given only.
  std::string long_word = std::string(126, 'x') + "\xFC";
  ASSERT_EQ(PhxAddStopWord(stop, 4, 0, long_word.c_str()), 0);
  EXPECT_TRUE(stop->GermanStopWords.has(long_word));
  EXPECT_FALSE(stop->GermanStopWords.has(std::string(126, 'x') + "u"));
}

TEST_F(UserWords, StopPhraseChecks) {
  const WordCase cases[] = {
      {0, 0, "phrase", 5},
      {1, 6, "phrase", 4},
      {1, 0, "", 6},
      {2, 0, "", 8},
      {3, 3, "", 10},
      {4, 0, "", 11},
      {5, 0, "", 13},
      {6, 6, "", 15},
      {1, 2, ucs2(u""), 6},
      {1, 0, "solar energy", 0},
      {1, 0, "Solar energy", 6},
      {2, 0, "j'ai", 8},
      {2, 0, "j ai", 0},
      {4, 0, "gro\xDF" "e", 0},
      {5, 0, "a\xF1o 2000", 13},        // no digits in Spanish phrases
      {5, 0, "a\xF1o", 0},
      {5, 0, "gro\xDF", 13},            // nor sharp s
      {5, 0, "costa-rica/panam\xE1", 0},
      {6, 2, ucs2(u"\uAC00 a"), 0},     // Korean phrases are not checked
  };
  for (const WordCase& c : cases) {
    EXPECT_EQ(PhxAddStopPhrase(stop, c.language, c.code, c.word.c_str()), c.expected)
        << "language " << c.language << " phrase " << c.word;
  }
  EXPECT_EQ(PhxAddStopPhrase(stop, 1, 0, nullptr), 6);
  EXPECT_EQ(PhxAddStopPhrase(stop, 6, 6, nullptr), 15);
  EXPECT_TRUE(stop->EnglishStopPhrases.has("solar energy"));
  EXPECT_TRUE(stop->FrenchStopPhrases.has("j ai"));
}

TEST_F(UserWords, GoPhraseChecksAndLength) {
  EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, "solar", 128), 23);
  EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, "", 0), 24);
  EXPECT_EQ(PhxAddGoPhrase(stop, 1, 2, ucs2(u"").c_str(), 0), 24);
  const std::string longest(254, 'g'), too_long(255, 'g');
  EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, longest.c_str(), 0), 0);
  EXPECT_EQ(PhxAddGoPhrase(stop, 1, 0, too_long.c_str(), 0), 24);
  // For UCS2 the length counts units: 254 units are 508 bytes.
  const std::string wide_longest = ucs2(std::u16string(254, u'g'));
  const std::string wide_too_long = ucs2(std::u16string(255, u'g'));
  EXPECT_EQ(PhxAddGoPhrase(stop, 2, 2, wide_longest.c_str(), 0), 0);
  EXPECT_EQ(PhxAddGoPhrase(stop, 2, 2, wide_too_long.c_str(), 0), 24);
  EXPECT_EQ(stop->EnglishGoCount, 1);
  EXPECT_EQ(stop->FrenchGoCount, 1);
}

TEST_F(UserWords, GoPhrasesKeepTheirOrderCountAndLatestMatchType) {
  ASSERT_EQ(PhxAddGoPhrase(stop, 1, 0, "Solar Energy", 3), 0);
  ASSERT_EQ(PhxAddGoPhrase(stop, 1, 0, "wind farm", 0), 0);
  EXPECT_EQ(stop->EnglishGoCount, 2);
  stop->EnglishGoList.first();  // a reader walked the list meanwhile
  ASSERT_EQ(PhxAddGoPhrase(stop, 1, 0, "Solar Energy", 17), 0);
  EXPECT_EQ(stop->EnglishGoCount, 3);
  ASSERT_EQ(stop->EnglishGoList.size(), 3);
  EXPECT_EQ(stop->EnglishGoList.at(0)->text_view(), "Solar Energy");  // not lower-cased
  EXPECT_EQ(stop->EnglishGoList.at(1)->text_view(), "wind farm");
  EXPECT_EQ(stop->EnglishGoList.at(2)->text_view(), "Solar Energy");
  EXPECT_EQ(stop->EnglishGoTable.entry_count, 2);
  std::int32_t match = -1;
  ASSERT_EQ(stop->EnglishGoTable.get_int("Solar Energy", &match), 0);
  EXPECT_EQ(match, 17);
  EXPECT_EQ(phx::go_count(*stop, 1), 3);
  EXPECT_EQ(phx::go_count(*stop, 2), 0);
}

TEST_F(UserWords, GoPhrasesOfEachLanguageGoToItsOwnList) {
  ASSERT_EQ(PhxAddGoPhrase(stop, 4, 1, "Gr\x94" "\xE1" "e", 0), 0);  // code page 437
  ASSERT_EQ(PhxAddGoPhrase(stop, 5, 0, "energ\xED" "a", 8), 0);
  ASSERT_EQ(PhxAddGoPhrase(stop, 6, 2, ucs2(u"\uD55C\uAD6D").c_str(), 2), 0);
  ASSERT_EQ(PhxAddGoPhrase(stop, 3, 2, ucs2(u"\u65E5\u672C").c_str(), 64), 0);
  EXPECT_EQ(stop->GermanGoList.at(0)->text_view(), "Gr\xF6" "\xDF" "e");
  EXPECT_TRUE(stop->SpanishGoTable.has("energ\xED" "a"));
  EXPECT_EQ(stop->KoreanGoList.at(0)->wide_text_view(), u"\uD55C\uAD6D");
  EXPECT_TRUE(stop->JapaneseGoTable.has(u"\u65E5\u672C"));
  EXPECT_EQ(stop->EnglishGoCount + stop->FrenchGoCount, 0);
}

TEST(StopMemoryLifetime, ClearingAfterManyAdditionsReleasesEverything) {
  // Leaks would be reported by the sanitizer build.
  for (int round = 0; round < 3; ++round) {
    StopMemory* stop = nullptr;
    ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
    for (int i = 0; i < 2000; ++i) {
      const std::string word = "w" + std::to_string(i);
      ASSERT_EQ(PhxAddStopWord(stop, 1 + (i % 2), 0, word.c_str()), 0);
      ASSERT_EQ(PhxAddStopPhrase(stop, 4, 0, (word + " x").c_str()), 0);
      ASSERT_EQ(PhxAddGoPhrase(stop, 5, 0, word.c_str(), i % 128), 0);
    }
    EXPECT_EQ(stop->SpanishGoCount, 2000);
    EXPECT_EQ(PhxClearStopMemory(stop), 0);
  }
}

}  // namespace
