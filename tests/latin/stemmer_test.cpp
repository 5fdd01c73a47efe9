// The stemmer and the shape tests of selection, on tables of cases.
#include "latin/stemmer.h"

#include <gtest/gtest.h>

#include <string>

#include "latin/candidates.h"
#include "latin/latin_characters.h"

namespace phx {
namespace {

struct StemCase {
  const char* text;
  int n;
  const char* stem;
};

TEST(Stemmer, Table) {
  const StemCase cases[] = {
      {"network", 6, "networ"},
      {"networks", 6, "networ"},
      {"models", 6, "model"},
      {"model", 6, "model"},
      {"analysis", 6, "analys"},
      {"analyses", 6, "analys"},
      {"news", 6, "new"},
      {"bus", 6, "bu"},
      {"crisis", 6, "crisi"},
      {"s", 6, ""},
      {"networks", 8, "network"},
      {"networks", 10, "network"},
      {"neural networks", 6, "neural networ"},
      {"deep neural networks", 6, "deep neural networ"},
      {"solar panels", 6, "solar panel"},
  };
  for (const StemCase& c : cases) {
    PhraseBuffer stem;
    stem_candidate(c.text, stem, c.n);
    EXPECT_EQ(stem.view(), c.stem) << c.text << " n=" << c.n;
  }
  PhraseBuffer stem("old");
  stem_word("networks", stem, 6);
  EXPECT_EQ(stem.view(), "networ");
}

struct ShapeCase {
  const char* text;
  bool adjective;
  bool two_capitals;
  bool capitalised;
  bool all_capitalised;
};

TEST(ShapeTests, Table) {
  const ShapeCase cases[] = {
      {"national", true, false, false, false},
      {"electronic", true, false, false, false},
      {"quickly", true, false, false, false},
      {"famous", true, false, false, false},
      {"active", true, false, false, false},
      {"primary", true, false, false, false},
      {"scientist", true, false, false, false},
      {"neural networks", false, false, false, false},
      {"trained", true, false, false, false},
      {"golden", true, false, false, false},
      {"usable", true, false, false, false},
      {"able", true, false, false, false},
      {"ble", false, false, false, false},
      {"Paris", false, false, true, true},
      {"NASA", false, true, false, false},
      {"NASA mission", false, true, false, false},
      {"TV set", false, true, false, false},
      {"British Columbia", false, false, true, true},
      {"information Retrieval", true, false, false, false},
      {"Information Retrieval", true, false, true, true},
      {"paris", false, false, false, false},
      {"P", false, false, false, false},
  };
  for (const ShapeCase& c : cases) {
    EXPECT_EQ(starts_with_two_capitals(c.text), c.two_capitals) << c.text;
    EXPECT_EQ(is_capitalised(c.text), c.capitalised) << c.text;
    EXPECT_EQ(all_words_capitalised(c.text), c.all_capitalised) << c.text;
    EXPECT_EQ(has_adjective_ending(c.text), c.adjective) << c.text;
  }
}

struct BreakCase {
  const char* left;
  const char* right;
  bool breaks;
};

TEST(PunctuationBetween, Table) {
  const BreakCase cases[] = {
      {"(solar", "energy).", false},
      {"solar", "energy", false},
      {"\"solar", "energy\"", false},
      {"solar,", "energy", true},
      {"solar.", "energy", true},
      {"solar", "(energy", true},
      {"solar", "\"energy", true},
      {"((solar", "energy", false},
      {"(((solar", "energy", true},
      {"solar", "energy)).", true},
      {"solar", "en).", false},
      {"solar\x1E", "energy", true},
      {"so", "en", false},
  };
  for (const BreakCase& c : cases) {
    EXPECT_EQ(punctuation_between(c.left, c.right, kPunctuation), c.breaks)
        << c.left << " | " << c.right;
  }
}

}  // namespace
}  // namespace phx
