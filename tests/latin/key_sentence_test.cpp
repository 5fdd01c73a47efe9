// Key sentences: the quality score, the choice between the sentences of the
// first and second occurrence (with the repeat penalty), and the slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/document_memory.h"
#include "latin/english.h"
#include "latin/key_sentence.h"
#include "latin/selection.h"
#include "latin/sentence_buffer.h"
#include "phx_api.h"

namespace phx {
namespace {

struct QualityCase {
  const char* sentence;
  const char* phrase;
  int match_type;
  int quality;
};

const QualityCase kQualityCases[] = {
    {"", "solar", 0, 1},                                          // no sentence
    {"Solar", "solar panels", 0, 1},                              // shorter than the phrase
    {"Wind turbines turn.", "solar", 0, 1},                       // phrase not in it
    {"Solar panels convert sunlight.", "solar panels", 0, 8},     // under 3 phrase lengths
    {"Solar panels convert sunlight.", "SOLAR panels", 1, 1},     // case-sensitive miss
    {"Solar panels convert sunlight into power.", "solar panels", 0, 9},
    {"Homes use solar panels to convert sunlight.", "solar panels", 0, 9},
    {"Many homes use solar panels to convert sunlight.", "solar panels", 0, 10},
    {"solar panels convert sunlight.", "solar panels", 0, 6},     // no capital at the start
    {"\"Solar panels convert sunlight.\"", "solar panels", 0, 6},   // ends in a quote
    {"2. Solar panels convert sunlight.", "solar panels", 0, 8},  // list number skipped
    {"Solar panels convert sunlight", "solar panels", 0, 6},      // no full stop
    {"Solar panels.", "solar panels", 0, 4},                      // barely longer than it
    {"Solar Panels And Roofs", "solar panels", 0, 7},             // a heading
    {"Solar Panels and roofs", "solar panels", 0, 5},             // a heading cut short
    {"Solar Panels in Europe?", "solar panels", 0, 7},
    {"Solar panels | cheap | fast.", "solar panels", 0, 4},       // clutter
    {"Solar panels \xAB" "cheap\xBB.", "solar panels", 0, 3},
    {"Solar, panels, a, b, c, d, e.", "solar", 0, 7},             // many stops
    {"Solar (a) [b] {c} <d>.", "solar", 0, 7},                    // many brackets
    {"Solar panels on the roof are made of", "solar panels", 0, 3},  // a fragment
    {"Solar panels are cheap and", "solar panels", 0, 2},
    {"Write to solar@example.com about panels.", "solar", 0, 9},
    {"Solar panel A4B costs 12345 units.", "solar panel", 0, 7},  // code and number
    {"Solar panels by J. R. Smith.", "solar panels", 0, 6},       // initials
    {"Solar panel 4B4 costs 1234 units.", "solar panel", 0, 8},
    {"3. 4.", "3", 0, 1},                                         // nothing but numbering
};

TEST(SentenceQuality, TableOfSentences) {
  for (const QualityCase& c : kQualityCases) {
    EXPECT_EQ(sentence_quality(english_language(), c.sentence, c.phrase, c.match_type), c.quality)
        << '"' << c.phrase << "\" in \"" << c.sentence << '"';
  }
}

// A document whose sentence store is filled by hand.
class KeySentenceChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PhxCreateStopMemory(&stop_), 0);
    ASSERT_EQ(PhxCreateDocumentMemory(&doc_), 0);
    ASSERT_EQ(PhxActivateHighlights(doc_), 0);
  }
  void TearDown() override {
    EXPECT_EQ(PhxClearDocumentMemory(doc_), 0);
    EXPECT_EQ(PhxClearStopMemory(stop_), 0);
  }

  // Stores a sentence beginning at `first_word` (by default every byte
  // ordinary).
  void add_sentence(const std::string& text, int first_word, std::string mask = {}) {
    SentenceRecord* stored = doc_->sentences.append();
    ASSERT_NE(stored, nullptr);
    ++doc_->sentence_count;
    SentenceRecord& record = *stored;
    record.text = text;
    record.mask = mask.empty() ? std::string(text.size(), kMaskOrdinary) : mask;
    record.position = first_word;
  }

  // The texts of the filled slots after choosing for each phrase.
  std::vector<std::string> choose(const std::vector<KeyPhrase>& phrases, int highlight_bits = 0) {
    doc_->highlight_bits = highlight_bits;
    SelectionTables tables(11, 11);
    tables.highlight_slots.resize(phrases.size());
    for (const KeyPhrase& phrase : phrases) {
      EXPECT_EQ(choose_key_sentence(english_language(), *doc_, *stop_, phrase, tables), 0);
    }
    std::vector<std::string> texts;
    for (int i = 0; i < doc_->highlight_count; ++i) texts.push_back(tables.highlight_slots[i].text);
    last_slots_ = tables.highlight_slots;
    return texts;
  }

  static KeyPhrase phrase(const char* text, int first, int second = -1) {
    KeyPhrase p;
    p.text.assign(text);
    p.first_position = first;
    p.second_position = second;
    return p;
  }

  StopMemory* stop_ = nullptr;
  DocumentMemory* doc_ = nullptr;
  std::vector<HighlightSlot> last_slots_;
};

TEST_F(KeySentenceChoice, PhraseMetOnceTakesItsSentence) {
  add_sentence("Wind turbines turn.", 1);
  add_sentence("Homes use solar panels to convert sunlight.", 4);
  add_sentence("Nothing else.", 11);
  EXPECT_EQ(choose({phrase("solar panels", 7)}),
            std::vector<std::string>{"Homes use solar panels to convert sunlight."});
}

TEST_F(KeySentenceChoice, PhraseMetOnceInAnUnusableSentenceGetsNone) {
  add_sentence("Wind turbines turn.", 1);
  EXPECT_TRUE(choose({phrase("solar panels", 2)}).empty());
}

TEST_F(KeySentenceChoice, SentenceWithoutTextIsNeverChosen) {
  add_sentence("", 1);
  add_sentence("Homes use solar panels to convert sunlight.", 600);
  EXPECT_TRUE(choose({phrase("solar panels", 300)}).empty());
  EXPECT_EQ(choose({phrase("solar panels", 300, 603)}).size(), 1u);
}

TEST_F(KeySentenceChoice, BetterSecondSentenceWins) {
  add_sentence("solar panels convert sunlight.", 1);                 // 6
  add_sentence("Homes use solar panels to convert sunlight.", 5);  // 10
  EXPECT_EQ(choose({phrase("solar panels", 2, 8)}),
            std::vector<std::string>{"Homes use solar panels to convert sunlight."});
}

TEST_F(KeySentenceChoice, RepeatedTitleLosesToTheTitle) {
  add_sentence("Solar panels convert sunlight.", 1);
  add_sentence("Solar panels convert sunlight.", 5);
  const std::vector<std::string> chosen = choose({phrase("solar panels", 2, 6)});
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(last_slots_[0].first_word, 1);
}

TEST_F(KeySentenceChoice, ContainedFirstSentenceIsPenalised) {
  add_sentence("Solar Panels", 1);                                 // 7, then 4
  add_sentence("Solar panels convert sunlight into power.", 3);  // 9
  EXPECT_EQ(choose({phrase("solar panels", 2, 4)}),
            std::vector<std::string>{"Solar panels convert sunlight into power."});
}

TEST_F(KeySentenceChoice, NumberingIsIgnoredWhenComparing) {
  // Equal after the numbering goes: the longer one loses 3. Without that
  // the longer second one would win the tie.
  add_sentence("Solar panels convert sunlight.", 1);       // 8
  add_sentence("1. Solar panels convert sunlight.", 5);  // 8, then 5
  const std::vector<std::string> chosen = choose({phrase("solar panels", 2, 7)});
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0], "Solar panels convert sunlight.");
}

TEST_F(KeySentenceChoice, OnEqualScoresALongerSecondBeatsAShortFirst) {
  add_sentence("Solar panels help.", 1);                         // 7
  add_sentence("Many homes use solar panels today | now.", 4);  // 9 - 2
  EXPECT_EQ(choose({phrase("solar panels", 2, 8)}),
            std::vector<std::string>{"Many homes use solar panels today | now."});
}

TEST_F(KeySentenceChoice, OnEqualScoresALongFirstStays) {
  std::string first = "Solar panels help";
  while (first.size() < 160) first += " a lot more";
  first += ".";
  add_sentence(first, 1);
  add_sentence(first + " Indeed | see me@home and so on.", 40);
  const int q1 = sentence_quality(english_language(), first, "solar panels", 0);
  const int q2 =
      sentence_quality(english_language(), doc_->sentences[1].text, "solar panels", 0);
  ASSERT_EQ(q1 - 3, q2 - 0) << "the first is contained in the second";
  EXPECT_EQ(choose({phrase("solar panels", 2, 42)}), std::vector<std::string>{first});
}

TEST_F(KeySentenceChoice, SameSentenceForBothOccurrencesCountsOnce) {
  add_sentence("Solar panels beat solar panels of old.", 1);
  EXPECT_EQ(choose({phrase("solar panels", 2, 5)}),
            std::vector<std::string>{"Solar panels beat solar panels of old."});
}

TEST_F(KeySentenceChoice, OccurrenceBeyondAFullStoreGetsNone) {
  for (int i = 0; i < kSentenceStoreSize; ++i) add_sentence("Solar panels convert sunlight.", 4 * i + 1);
  EXPECT_TRUE(choose({phrase("solar panels", 5000)}).empty());
  EXPECT_TRUE(choose({phrase("solar panels", 3998)}).empty());  // the last one too
  EXPECT_EQ(choose({phrase("solar panels", 3990)}).size(), 1u);
}

TEST_F(KeySentenceChoice, OneHighlightPerSentenceMarksBothPhrasesInOneSlot) {
  // "use" and "to" are no content words.
  const std::string gs = "\x1D";
  add_sentence("Homes use solar panels to convert sunlight.", 1,
               "ooooo" "o" + gs + "o" + gs + "o" "ooooo" "o" "oooooo" "o" + gs + gs +
                   "o" "ooooooo" "o" "oooooooo" + gs);
  const std::vector<KeyPhrase> phrases = {phrase("solar panels", 4), phrase("sunlight", 7)};
  const std::string solar_marked = "ooooo" "o" + gs + "o" + gs + "O" "OOOOO" "O" "OOOOOO" "O" +
                                   gs + gs + "o" "ooooooo" "o" "oooooooo" + gs;
  const std::string sunlight_marked = "ooooo" "o" + gs + "o" + gs + "o" "ooooo" "o" "oooooo" "o" +
                                      gs + gs + "O" "OOOOOOO" "O" "OOOOOOOO" + gs;
  const std::string both_marked = "ooooo" "o" + gs + "o" + gs + "O" "OOOOO" "O" "OOOOOO" "O" +
                                  gs + gs + "O" "OOOOOOO" "O" "OOOOOOOO" + gs;
  EXPECT_EQ(choose(phrases, 0).size(), 2u);
  EXPECT_EQ(last_slots_[0].mask, solar_marked);
  EXPECT_EQ(last_slots_[1].mask, sunlight_marked);
  doc_->highlight_count = 0;
  EXPECT_EQ(choose(phrases, kOneHighlightPerSentence).size(), 1u);
  EXPECT_EQ(last_slots_[0].mask, both_marked);
  EXPECT_EQ(last_slots_[1].first_word, -1);
}

TEST(MarkPhrase, SpreadsToTheNearestBoundary) {
  StopMemory* stop = nullptr;
  ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
  HighlightSlot slot;
  slot.first_word = 1;
  slot.text = "The solar panel, it glows.";
  slot.mask = std::string("\x1Do\x1D") + "o" + "ooooo" + "o" + "ooooo\x1D" + "o" + "\x1D\x1D" +
              "o" + "ooooo\x1D";
  mark_phrase(english_language(), slot, *stop, "panel", 0);
  EXPECT_EQ(slot.mask, std::string("\x1Do\x1D") + "O" + "OOOOO" + "O" + "OOOOO\x1D" + "o" +
                           "\x1D\x1D" + "o" + "ooooo\x1D");
  // A phrase that is not in the slot changes nothing.
  const std::string before = slot.mask;
  mark_phrase(english_language(), slot, *stop, "wind", 0);
  EXPECT_EQ(slot.mask, before);
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
}

}  // namespace
}  // namespace phx
