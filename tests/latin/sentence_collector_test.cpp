// The sentence collector: where sentences end (abbreviations, initials, list
// numbers, addresses, block and heading separators, breaks, rules, bullets),
// how tokens are joined and masked, and the limits of the sentence buffer and
// the store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/document_memory.h"
#include "api/sentence_record.h"
#include "highlight_run.h"
#include "latin/english.h"
#include "latin/sentence_buffer.h"
#include "latin/sentence_collector.h"

namespace phx::testing {
namespace {

using Texts = std::vector<std::string>;

Texts collect(std::string_view text) { return sentence_texts(run_with_highlights(text)); }

struct BoundaryCase {
  const char* name;
  std::string text;
  Texts sentences;
};

class SentenceBoundaries : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(SentenceBoundaries, SplitsTheTextIntoTheseSentences) {
  EXPECT_EQ(collect(GetParam().text), GetParam().sentences);
}

const BoundaryCase kBoundaryCases[] = {
    {"FullStop", "It costs 5 dollars. The price rose.", {"It costs 5 dollars.", "The price rose."}},
    {"Initial", "It was done by J. Smith in 1999.", {"It was done by J. Smith in 1999."}},
    {"ThreeInitials", "The U.S.A. economy grew. Prices fell.",
     {"The U.S.A. economy grew.", "Prices fell."}},
    {"Abbreviation", "See Fig. 3 for details.", {"See Fig. 3 for details."}},
    {"TitleBeforeName", "We met Dr. Smith today. He smiled.",
     {"We met Dr. Smith today.", "He smiled."}},
    {"AbbreviationBeforeStopWord", "Apples, pears etc. The rest is fruit.",
     {"Apples, pears etc.", "The rest is fruit."}},
    {"AbbreviationBeforeLowerCase", "Apples, pears etc. the rest is fruit.",
     {"Apples, pears etc. the rest is fruit."}},
    {"ListNumber", "3. Mix the flour well.", {"3. Mix the flour well."}},
    {"NumberInsideSentence", "Add 3. Mix the flour.", {"Add 3.", "Mix the flour."}},
    {"QuestionAndExclamation", "Is it? Yes! Fine.", {"Is it?", "Yes!", "Fine."}},
    {"EmailInside", "Write to john@example.com for help. Thanks again.",
     {"Write to john@example.com for help.", "Thanks again."}},
    {"EmailAtEnd", "Write to john@example.com. Then wait.",
     {"Write to john@example.com.", "Then wait."}},
    {"WebAddress", "See www.example.com/index.html now. Then rest.",
     {"See www.example.com/index.html now.", "Then rest."}},
    {"QuotedEnd", "He said \"stop.\" Then he left.", {"He said \"stop.\"", "Then he left."}},
    {"StopAfterBracket", "Read the notes (all of them). Then sleep.",
     {"Read the notes (all of them).", "Then sleep."}},
    {"WholeBracketedSentence", "(This is an aside.) Next one.",
     {"(This is an aside.)", "Next one."}},
    {"BlockSeparatorToken", "Heading words \x1E Body text here.",
     {"Heading words", "Body text here."}},
    {"BlockSeparatorOnWord", "End of block\x1E\nNext block.", {"End of block", "Next block."}},
    {"HeadingSeparatorIsSoft", "A Heading \x1D The body starts here.",
     {"A Heading The body starts here."}},
    {"BlankLine", "No full stop here\n\nNext paragraph.", {"No full stop here", "Next paragraph."}},
    {"WideGap", "Name\t\tValue given", {"Name", "Value given"}},
    {"RuleLine", "Text before\n=====\nText after.", {"Text before", "=====", "Text after."}},
    {"DashRuleInALine", "Text before ----- Text after.", {"Text before", "-----", "Text after."}},
    {"Bullets", "Intro line\n\x95 First point\n\x95 Second point.",
     {"Intro line", "First point", "Second point."}},
    {"SpacesAroundPunctuation", "word , next ( inner ) end .", {"word, next (inner) end."}},
    {"Emoticon", "I am sad :-( today.", {"I am sad :-( today."}},
    {"EllipsisEndsAfterStops", "Wait ... then go.", {"Wait ...", "then go."}},
};

INSTANTIATE_TEST_SUITE_P(English, SentenceBoundaries, ::testing::ValuesIn(kBoundaryCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SentenceStore, RecordsTheFirstWordOfEachSentence) {
  const HighlightResult result = run_with_highlights("It costs 5 dollars. The price rose.");
  ASSERT_EQ(result.sentences.size(), 2u);
  EXPECT_EQ(result.sentences[0].first_word, 1);
  EXPECT_EQ(result.sentences[1].first_word, 5);
}

TEST(SentenceStore, MasksFunctionWordsAndPunctuationAsBoundaries) {
  const HighlightResult result = run_with_highlights("The solar panel, it glows.");
  ASSERT_EQ(result.sentences.size(), 1u);
  const StoredSentence& sentence = result.sentences[0];
  EXPECT_EQ(sentence.text, "The solar panel, it glows.");
  // "The" and "it" are no content words; "," and "." stick to their words.
  EXPECT_EQ(sentence.mask, std::string("\x1Do\x1D") + "o" + "ooooo" + "o" + "ooooo\x1D" + "o" +
                               "\x1D\x1D" + "o" + "ooooo\x1D");
}

TEST(SentenceStore, HeadingSeparatorLeavesABoundaryOnTheWordBefore) {
  const HighlightResult result = run_with_highlights("Solar Power\x1D The sun shines.");
  ASSERT_EQ(result.sentences.size(), 1u);
  EXPECT_EQ(result.sentences[0].text, "Solar Power The sun shines.");
  EXPECT_EQ(result.sentences[0].mask.substr(0, 10), "oooooooooo");
  EXPECT_EQ(result.sentences[0].mask[10], '\x1D');
}

TEST(SentenceStore, TooLongSentenceKeepsItsPlaceWithoutText) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "word ";  // 2500 bytes without an end
  text += "end. Short one here.";
  const HighlightResult result = run_with_highlights(text);
  ASSERT_EQ(result.sentences.size(), 2u);
  EXPECT_EQ(result.sentences[0].text, "");
  EXPECT_EQ(result.sentences[0].first_word, 1);
  EXPECT_EQ(result.sentences[1].text, "Short one here.");
  EXPECT_EQ(result.sentences[1].first_word, 502);
}

TEST(SentenceStore, SentenceOfExactlyTheLimitIsKeptOneByteMoreIsNot) {
  // 404 words of 4 bytes: 2019 bytes with their spaces. A space and "a."
  // make 2022, the most a sentence may hold; "ab." would make 2023. (A
  // token ending the document carries the block end with it, hence the
  // line end.)
  std::string words;
  for (int i = 0; i < 404; ++i) words += "abcd ";
  const HighlightResult fits = run_with_highlights(words + "a.\n");
  ASSERT_EQ(fits.sentences.size(), 1u);
  EXPECT_EQ(fits.sentences[0].text.size(), kSentenceBytes);
  const HighlightResult too_long = run_with_highlights(words + "ab.\n");
  ASSERT_EQ(too_long.sentences.size(), 1u);
  EXPECT_EQ(too_long.sentences[0].text, "");
  EXPECT_EQ(too_long.sentences[0].first_word, 1);
}

TEST(SentenceStore, KeepsAtMostAThousandSentences) {
  std::string text;
  for (int i = 0; i < 1100; ++i) text += "Sentence number " + std::to_string(i) + " here. ";
  text += "The solar panels are at the very end.";
  const HighlightResult result = run_with_highlights(text, {.go_phrases = {{"solar panels", 0}}});
  ASSERT_EQ(result.sentences.size(), static_cast<std::size_t>(kSentenceStoreSize));
  EXPECT_EQ(result.sentences.back().text, "Sentence number 999 here.");
  // Text after the store is full is not searched for go phrases.
  for (std::size_t i = 0; i < result.phrases.size(); ++i) {
    if (result.phrases[i] == "solar panels") {
      EXPECT_NE(result.scores[i], 0.0);
    }
  }
}

TEST(SentenceStore, NothingIsCollectedWithoutHighlights) {
  const HighlightResult result =
      run_with_highlights("Solar panels convert sunlight.", {.activate = false});
  EXPECT_TRUE(result.sentences.empty());
  EXPECT_TRUE(result.highlights.empty());
}

TEST(SentenceStore, ActivatingTwiceStartsAfresh) {
  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
  ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
  ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  ASSERT_EQ(PhxActivateHighlights(doc), 0);
  const std::string text = "One sentence. Another one";
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, text.data(), static_cast<int>(text.size())), 0);
  ASSERT_EQ(PhxActivateHighlights(doc), 0);
  EXPECT_EQ(doc->sentence_count, 0);
  EXPECT_TRUE(doc->sentence_buffer.empty());
  EXPECT_EQ(doc->sentence_start, 0);
  EXPECT_EQ(doc->sentence_flag, 0);
  EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
}

struct SpacingCase {
  const char* sentence;
  const char* token;
  bool space;
};

TEST(NeedsSpaceBefore, FollowsOpeningAndClosingBytes) {
  const SpacingCase cases[] = {
      {"", "word", false},         {"word", "next", true},      {"word", ",", false},
      {"word", ").", false},       {"word", ".NET", true},      {"word", "?!", true},
      {"word", ".", false},        {"word", ".\x1E", false},    {"(", "word", false},
      {"see \x93", "this", false}, {"sad :-(", "today", true},  {"sad", ":-)", true},
      {"sad", ":)", false},        {"word", "(aside", true},    {"word", "\xBB", false},
  };
  for (const SpacingCase& c : cases) {
    EXPECT_EQ(needs_space_before(c.sentence, c.token), c.space)
        << '"' << c.sentence << "\" + \"" << c.token << '"';
  }
}

TEST(SentenceEndsAfter, DecidesOnTheLastMeaningfulByte) {
  StopMemory* stop = nullptr;
  ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
  struct Case {
    const char* token;
    const char* sentence;
    bool ends;
  };
  const Case cases[] = {
      {"dollars.", "It costs 5 dollars.", true},
      {"Fig.", "See Fig.", false},
      {"etc.", "Apples etc.", false},
      {"J.", "By J.", false},
      {"U.S.", "The U.S.", false},
      {"3.", "3.", false},
      {"3.", "Add 3.", true},
      {".", "Wait .", true},
      {"it?", "Is it?", true},
      {"it!)", "(Is it!)", true},
      {"word)", "(Is it word)", true},
      {"word)", "Is it word)", false},
      {"stop.\"", "He said \"stop.\"", true},
      {"Inc.)", "Made by Acme (Acme Inc.)", false},
      {"end.)", "The end.)", true},
      {"here\x1E", "here", true},
      {"here", "here", false},
      {"\"Fig.\"", "\"Fig.\"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sentence_ends_after(english_language(), c.token, c.sentence, *stop), c.ends)
        << c.token << " in " << c.sentence;
  }
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
}

TEST(SentenceCollector, SplitBuffersGiveTheSameSentences) {
  const std::string text =
      "Solar panels convert sunlight. It was done by J. Smith in 1999.\n\n"
      "\x95 A bullet point\nSee Fig. 3 for details (all of them). End\x1E\n";
  const HighlightResult whole = run_with_highlights(text);
  for (std::size_t cut = 1; cut < text.size(); ++cut) {
    const HighlightResult split = run_with_highlights(text, {.cuts = {cut}});
    EXPECT_EQ(split.sentences, whole.sentences) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace phx::testing
