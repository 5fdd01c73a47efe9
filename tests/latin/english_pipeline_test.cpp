// English documents end to end through the public interface: the ranked
// phrases and scores, document properties, character codes, user lists, the
// content-word limit, and the same result however the text is split.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "english_run.h"
#include "latin/english.h"
#include "phx_api.h"

namespace phx::testing {
namespace {

using Phrases = std::vector<std::string>;

class EnglishPipeline : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(PhxCreateStopMemory(&stop_), 0); }
  static void TearDownTestSuite() { PhxClearStopMemory(stop_); }
  static EnglishRun shared(EnglishRun run = {}) {
    run.shared_stop = stop_;
    return run;
  }
  static StopMemory* stop_;
};
StopMemory* EnglishPipeline::stop_ = nullptr;

// Worked by hand. Words: Solar(1) panels(2) convert(3) sunlight(4) Solar(5)
// panels(6) are(7) cheap(8); "are" and "cheap" are stop words, so 8 words
// and 6 content words. Candidates: solar 2, panels 2, "solar panels" 2 and
// six seen once; the full stop after "sunlight" breaks phrases. With 7
// phrases wanted and fewer than 3000 words the row for n = 7 applies: stems
// of 6 bytes, every stem first seen before word 757 is boosted by 4.733333,
// none lies after word 28. Stems score count x 4.733333: solar and panel
// 9.466666, the others 4.733333. Top words (a later equal stem ranks first):
// panel, solar, sunlig, conver. Best phrases: "solar panel" (x 2.05098) for
// panel and solar; "panel conver sunlig" (x 2.34902 = 11.1187) for sunlig;
// "solar panel conver" (11.1187, met first) for conver. Shown with their
// spellings: "Solar" was only ever capitalised and "panels" never.
TEST_F(EnglishPipeline, HandWorkedDocument) {
  EnglishResult r = run_english("Solar panels convert sunlight. Solar panels are cheap.", shared());
  EXPECT_EQ(r.read_result, 0);
  EXPECT_EQ(r.phrases, (Phrases{"Solar panels", "panels convert sunlight", "Solar panels convert"}));
  ASSERT_EQ(r.scores.size(), 3u);
  EXPECT_DOUBLE_EQ(r.scores[0], 2 * 4.733333);
  EXPECT_DOUBLE_EQ(r.scores[1], 4.733333);
  EXPECT_DOUBLE_EQ(r.scores[2], 4.733333);
  EXPECT_EQ(r.word_count, 8);
  EXPECT_EQ(r.content_word_count, 6);
  EXPECT_EQ(r.whole_document, 1);
}

TEST_F(EnglishPipeline, EmptyAndStopWordOnlyDocumentsGiveNoPhrases) {
  for (const char* text : {"", "   \n\n ", "the of and. It was."}) {
    EnglishResult r = run_english(text, shared());
    EXPECT_EQ(r.read_result, 0);
    EXPECT_TRUE(r.phrases.empty()) << text;
  }
}

TEST_F(EnglishPipeline, VariantsOfAWordMerge) {
  EnglishResult r = run_english("Network. networks! network?", shared());
  ASSERT_EQ(r.phrases.size(), 1u);
  EXPECT_EQ(r.phrases[0], "network");
  // Three occurrences, all early: 3 x 4.733333.
  EXPECT_DOUBLE_EQ(r.scores[0], 3 * 4.733333);
}

TEST_F(EnglishPipeline, StopWordsNeverStandInsideAPhrase) {
  EXPECT_EQ(run_english("big data, big data and big data", shared()).phrases, (Phrases{"data"}));
}

TEST_F(EnglishPipeline, CapitalisedSpellingIsUsedWhenEveryWordHasOne) {
  // "hornsdale" was only seen capitalised, "battery" also capitalised.
  EnglishResult r =
      run_english("Hornsdale battery. Hornsdale Battery. battery storage.", shared());
  ASSERT_FALSE(r.phrases.empty());
  EXPECT_EQ(r.phrases[0], "Hornsdale Battery");
}

TEST_F(EnglishPipeline, AcronymsAreNeverRecapitalised) {
  EnglishResult r = run_english("NASA mission. NASA mission. Mission control.", shared());
  ASSERT_FALSE(r.phrases.empty());
  EXPECT_EQ(r.phrases[0], "NASA mission");
}

TEST_F(EnglishPipeline, UserStopPhraseIsSkippedAndTheNextTakesItsPlace) {
  const char* text = "Solar panels convert sunlight. Solar panels are cheap.";
  EnglishRun run;
  run.prepare_stop = [](StopMemory* stop) {
    ASSERT_EQ(PhxAddStopPhrase(stop, 1, 0, "solar panels"), 0);
  };
  EnglishResult r = run_english(text, run);
  EXPECT_EQ(r.phrases, (Phrases{"panels convert sunlight", "Solar panels convert"}));
}

TEST_F(EnglishPipeline, UserStopWordIsNoCandidate) {
  const char* text = "Solar panels convert sunlight. Solar panels are cheap.";
  EnglishRun run;
  run.prepare_stop = [](StopMemory* stop) { ASSERT_EQ(PhxAddStopWord(stop, 1, 0, "panels"), 0); };
  EnglishResult r = run_english(text, run);
  EXPECT_EQ(r.content_word_count, 4);
  for (const std::string& phrase : r.phrases) {
    EXPECT_EQ(phrase.find("panels"), std::string::npos) << phrase;
  }
  EXPECT_EQ(r.phrases.front(), "Solar");
}

TEST_F(EnglishPipeline, UserListsInOtherCodesApply) {
  EnglishRun run;
  run.prepare_stop = [](StopMemory* stop) {
    const char wide[] = {'p', 0, 'a', 0, 'n', 0, 'e', 0, 'l', 0, 's', 0, 0, 0};
    ASSERT_EQ(PhxAddStopWord(stop, 1, 2, wide), 0);
  };
  EnglishResult r = run_english("Solar panels convert sunlight. Solar panels are cheap.", run);
  EXPECT_EQ(r.content_word_count, 4);
}

TEST_F(EnglishPipeline, PhrasesKeepTheirAccentsInEveryCode) {
  const std::string text = "Caf\xE9 cr\xE8me. Caf\xE9 cr\xE8me is served. Caf\xE9 cr\xE8me.";
  for (int in = 0; in <= 2; ++in) {
    for (int out = 0; out <= 2; ++out) {
      EnglishRun run = shared();
      run.input_code = in;
      run.output_code = out;
      EnglishResult r = run_english(text, run);
      ASSERT_FALSE(r.phrases.empty()) << in << " -> " << out;
      EXPECT_EQ(r.phrases[0], "Caf\xE9 cr\xE8me") << in << " -> " << out;
      EXPECT_EQ(r.word_count, 8) << in << " -> " << out;
    }
  }
}

TEST_F(EnglishPipeline, UcsTwoOutputIsWide) {
  StopMemory* stop = stop_;
  DocumentMemory* doc = nullptr;
  ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  ASSERT_EQ(PhxSetOutputCode(doc, 2), 0);
  const std::string text = "grid storage grid storage";
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, text.data(), static_cast<int>(text.size())), 0);
  ASSERT_EQ(PhxSignalDocumentEnd(doc, stop), 0);
  const char* phrase = nullptr;
  ASSERT_EQ(PhxGetPhraseByIndex(doc, 0, &phrase), 0);
  const char expected[] = {'g', 0, 'r', 0, 'i', 0, 'd', 0, ' ', 0, 's', 0};
  EXPECT_EQ(std::string(phrase, sizeof expected), std::string(expected, sizeof expected));
  EXPECT_EQ(phrase[24], 0);
  EXPECT_EQ(phrase[25], 0);
  PhxClearDocumentMemory(doc);
}

TEST_F(EnglishPipeline, OddUcsTwoBufferIsRefused) {
  EnglishRun run = shared();
  run.input_code = 2;
  run.cuts = {3};
  EXPECT_EQ(run_english("grid storage", run).read_result, 21);
}

TEST_F(EnglishPipeline, ReadingStopsAtTheContentWordLimit) {
  std::string text;
  for (int i = 0; i < 30000; ++i) text += (i % 2 == 0) ? "grid " : "storage ";
  const std::string tail = "battery battery battery battery";
  EnglishResult before = run_english(text + "grid", shared());
  EXPECT_EQ(before.content_word_count, 30001);
  EXPECT_EQ(before.word_count, 30001);
  EXPECT_EQ(before.whole_document, 0);
  EnglishResult after = run_english(text + "grid " + tail, shared());
  EXPECT_EQ(after.content_word_count, 30001);
  EXPECT_EQ(after.whole_document, 0);
  EXPECT_EQ(after.phrases, before.phrases);
  EXPECT_EQ(after.scores, before.scores);

  EnglishResult short_of_it = run_english(text, shared());
  EXPECT_EQ(short_of_it.content_word_count, 30000);
  EXPECT_EQ(short_of_it.whole_document, 1);
}

TEST_F(EnglishPipeline, LongDocumentsRejectPhrasesOfCapitalisedWords) {
  std::string names;
  for (int i = 0; i < 20; ++i) names += "British Columbia. NASA mission. ";
  std::string filler;
  for (int i = 0; i < 3000; ++i) filler += "the ";
  EnglishRun run = shared();
  run.phrases_wanted = 6;
  EXPECT_EQ(run_english(names + filler, run).phrases, (Phrases{"NASA mission"}));
  EXPECT_EQ(run_english(names, run).phrases, (Phrases{"NASA mission", "British Columbia"}));
}

TEST_F(EnglishPipeline, FewerPhrasesWantedGiveFewerPhrases) {
  const char* text =
      "Grid storage smooths wind power. Battery storage and pumped hydro store energy. "
      "Grid operators buy storage. Wind farms and solar farms feed the grid.";
  EnglishRun run = shared();
  run.phrases_wanted = 3;
  EXPECT_EQ(run_english(text, run).phrases.size(), 3u);
  run.phrases_wanted = 3.4;
  EXPECT_EQ(run_english(text, run).phrases.size(), 3u);
  run.phrases_wanted = 3.5;
  EXPECT_EQ(run_english(text, run).phrases.size(), 4u);
}

// The same document split anywhere gives the same result.
constexpr const char* kSplitDocument =
    "Grid-scale battery storage is changing how power networks are run. In the\n"
    "past, operators kept gas turbines spinning to cover sudden drops in wind\n"
    "output; today large lithium-ion batteries answer within milliseconds.\n"
    "\n"
    "Battery storage\t\tcosts fell sharply (by some estimates eighty percent)\n"
    "over the decade, and grid operators now tender for storage capacity. A well-\n"
    "known example is the Hornsdale plant in South Australia, whose batteries\n"
    "stabilise the network's frequency. \"Fast frequency response\" is now a mar-\n"
    "ket of its own, and battery storage earns most of its income there.\x1E\n"
    "Critics note that lithium supply is limited; flow batteries and pumped\n"
    "hydro storage may suit long-duration needs better. Grid-scale storage,\n"
    "however, is here to stay.";

// The reader alone (without the plain-text filter), cut once at every byte
// and cut into buffers of every size up to 64 bytes.
TEST_F(EnglishPipeline, SplittingAnywhereGivesTheSameResult) {
  const std::string text = kSplitDocument;
  EnglishRun base = shared();
  base.text_filter = false;
  const EnglishResult whole = run_english(text, base);
  ASSERT_GE(whole.phrases.size(), 5u);
  for (std::size_t cut = 1; cut < text.size(); ++cut) {
    EnglishRun run = base;
    run.cuts = {cut};
    EnglishResult r = run_english(text, run);
    ASSERT_EQ(r.phrases, whole.phrases) << "cut at " << cut;
    ASSERT_EQ(r.scores, whole.scores) << "cut at " << cut;
    ASSERT_EQ(r.word_count, whole.word_count) << "cut at " << cut;
  }
  for (std::size_t size = 1; size <= 64; ++size) {
    EnglishRun run = base;
    run.cuts = cuts_every(size, text.size());
    EnglishResult r = run_english(text, run);
    ASSERT_EQ(r.phrases, whole.phrases) << "buffers of " << size;
    ASSERT_EQ(r.scores, whole.scores) << "buffers of " << size;
    ASSERT_EQ(r.content_word_count, whole.content_word_count) << "buffers of " << size;
  }
}

// The whole read path, plain-text filter included, on UCS2 input.
TEST_F(EnglishPipeline, SplittingWideInputAnywhereGivesTheSameResult) {
  const std::string text = kSplitDocument;
  EnglishRun base = shared();
  base.input_code = 2;
  const EnglishResult whole = run_english(text, base);
  EXPECT_EQ(whole.phrases, run_english(text, shared()).phrases);
  for (std::size_t cut = 2; cut < 2 * text.size(); cut += 2) {
    EnglishRun run = base;
    run.cuts = {cut};
    EnglishResult r = run_english(text, run);
    ASSERT_EQ(r.phrases, whole.phrases) << "cut at " << cut;
    ASSERT_EQ(r.scores, whole.scores) << "cut at " << cut;
  }
}

TEST_F(EnglishPipeline, HyphenAtTheVeryEndIsDropped) {
  EnglishResult r = run_english("battery storage battery exam-\n", shared());
  EXPECT_EQ(r.word_count, 4);
  EXPECT_EQ(r.content_word_count, 4);
}

}  // namespace
}  // namespace phx::testing
