// The phrase matcher, one row per MatchType option and its edges.
#include <gtest/gtest.h>

#include <string>

#include "api/sentence_record.h"
#include "latin/match_phrase.h"

namespace phx {
namespace {

struct MatchCase {
  const char* text;
  const char* phrase;
  int match_type;
  MatchResult result;
  int first;
  int last;
};

const MatchCase kMatchCases[] = {
    // Case and accents are ignored unless asked for.
    {"The NASA mission.", "nasa", 0, kMatched, 4, 7},
    {"The NASA mission.", "nasa", kMatchCase, kNotMatched, -1, -1},
    {"The NASA mission.", "NASA", kMatchCase, kMatched, 4, 7},
    {"Ein gro\xDF" "es Caf\xE9.", "cafe", 0, kMatched, 11, 14},
    {"Ein gro\xDF" "es Caf\xE9.", "cafe", kMatchAccents, kNotMatched, -1, -1},
    {"Ein gro\xDF" "es Caf\xE9.", "Caf\xE9", kMatchAccents | kMatchCase, kMatched, 11, 14},
    {"Ein gro\xDF" "es Caf\xE9.", "CAF\xC9", 0, kMatched, 11, 14},
    {"Ein gro\xDF" "es Caf\xE9.", "grosses", 0, kNotMatched, -1, -1},  // one byte, one s
    {"Ein gro\xDF" "es Caf\xE9.", "groses", 0, kMatched, 4, 9},
    // The first occurrence, inside words too unless whole words are asked.
    {"Databases hold data.", "data", 0, kMatched, 0, 3},
    {"Databases hold data.", "data", kMatchWholeWords, kMatched, 15, 18},
    {"Databases hold metadata.", "data", kMatchWholeWords, kNotMatched, -1, -1},
    {"(data) matters", "data", kMatchWholeWords, kMatched, 1, 4},
    {"data", "data", kMatchWholeWords, kMatched, 0, 3},
    {"big-data here", "data", kMatchWholeWords, kNotMatched, -1, -1},
    {"it's data\x92s", "data", kMatchWholeWords, kMatched, 5, 8},
    // Word by word: each phrase word inside the corresponding text word.
    {"Deep neural networks learn.", "neur netw", 0, kNotMatched, -1, -1},
    {"Deep neural networks learn.", "neur netw", kMatchWordByWord, kMatched, 5, 19},
    {"Deep neural networks learn.", " eural netw ", kMatchWordByWord, kMatched, 5, 19},
    {"Deep neural networks learn.", "net neural", kMatchWordByWord, kNotMatched, -1, -1},
    {"Deep neural nets, networks.", "ural works", kMatchWordByWord, kNotMatched, -1, -1},
    {"Neural networks.", "neu works.", kMatchWordByWord, kMatched, 0, 15},
    // Ignoring gaps: spaces and apostrophes on either side do not count.
    {"The database grew.", "data base", 0, kNotMatched, -1, -1},
    {"The database grew.", "data base", kMatchIgnoringGaps, kMatched, 4, 11},
    {"The data  base grew.", "database", kMatchIgnoringGaps, kMatched, 4, 13},
    {"rock'n roll", "rockn roll", kMatchIgnoringGaps, kMatched, 0, 10},
    {"The database grew.", "data base", kMatchWordByWord, kNotMatched, -1, -1},
    {"The database grew.", "data base", kMatchWordByWord | kMatchIgnoringGaps, kMatched, 4, 11},
    // An exact match wins over the looser ones.
    {"neural networks and neural nets", "neural nets",
     kMatchWordByWord | kMatchIgnoringGaps, kMatched, 20, 30},
    {"", "data", 31, kNotMatched, -1, -1},
    {"data", "", 31, kNotMatched, -1, -1},
    {"data", "   ", kMatchWordByWord | kMatchIgnoringGaps, kNotMatched, -1, -1},
};

TEST(MatchPhrase, TableOfMatchTypes) {
  for (const MatchCase& c : kMatchCases) {
    MatchSpan span;
    EXPECT_EQ(match_phrase(c.text, c.phrase, c.match_type, span), c.result)
        << '"' << c.phrase << "\" in \"" << c.text << "\" type " << c.match_type;
    EXPECT_EQ(span.first, c.first) << c.phrase << " in " << c.text;
    EXPECT_EQ(span.last, c.last) << c.phrase << " in " << c.text;
  }
}

TEST(MatchPhrase, TextsOfTheSentenceBufferSizeAreNotMatched) {
  const std::string long_text(kSentenceBufferBytes, 'a');
  const std::string fits(kSentenceBufferBytes - 1, 'a');
  MatchSpan span;
  EXPECT_EQ(match_phrase(long_text, "a", 0, span), kTooLongToMatch);
  EXPECT_EQ(span.first, -1);
  EXPECT_EQ(match_phrase("a", long_text, 0, span), kTooLongToMatch);
  EXPECT_EQ(match_phrase(fits, "aa", 0, span), kMatched);
  EXPECT_EQ(span.first, 0);
  EXPECT_EQ(span.last, 1);
}

}  // namespace
}  // namespace phx
