// Highlight markup: small sentences collected from text, key phrases marked,
// then tidied and rendered under each HighlightType, with the exact strings
// expected; and the steps of tidying on hand-made masks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "highlight_run.h"
#include "latin/english.h"
#include "latin/highlight_markup.h"
#include "latin/key_sentence.h"
#include "api/sentence_record.h"
#include "latin/sentence_buffer.h"

namespace phx::testing {
namespace {

const std::string kGrey = "<font color=\"999999\">";
const std::string kEndGrey = "</font>";

struct RenderCase {
  std::string text;  // one sentence
  std::vector<std::string> phrases;
  int highlight_type;
  std::string expected;
};

std::string render_case(const RenderCase& c, StopMemory& stop) {
  const HighlightResult collected = run_with_highlights(c.text);
  EXPECT_EQ(collected.sentences.size(), 1u) << c.text;
  if (collected.sentences.empty()) return {};
  HighlightSlot slot;
  slot.first_word = collected.sentences[0].first_word;
  slot.text = collected.sentences[0].text;
  slot.mask = collected.sentences[0].mask;
  for (const std::string& phrase : c.phrases) {
    mark_phrase(english_language(), slot, stop, phrase, 0);
  }
  tidy_highlight(slot.text, slot.mask);
  // PhxSetHighlightType keeps elided text whenever it is to be grey.
  const int bits = (c.highlight_type & kGreyElidedText) != 0 ? c.highlight_type | kKeepElidedText
                                                              : c.highlight_type;
  return render_highlight(slot.text, slot.mask, bits);
}

const std::string kAside = "Results (see Table 3) are shown below, as usual.";
const std::string kAngles = "Use the <solar panels> markup here.";
const std::string kAngleAside = "Solar panels (rated <5 kW) are cheap.";
const std::string kLeadingClause = "In short, solar panels convert sunlight into cheap power.";

const RenderCase kRenderCases[] = {
    // An aside in brackets and a short final clause are elided.
    {kAside, {"results"}, 0, "Results are shown below,"},
    {kAside, {"results"}, 4, kAside},
    {kAside, {"results"}, 8, "<b>Results</b> are shown below,"},
    {kAside, {"results"}, 16,
     "Results " + kGrey + "(see Table 3) " + kEndGrey + "are shown below," + kGrey +
         " as usual." + kEndGrey},
    {kAside, {"results"}, 12, "<b>Results</b> (see Table 3) are shown below, as usual."},
    {kAside, {"results"}, 24,
     "<b>Results</b> " + kGrey + "(see Table 3) " + kEndGrey + "are shown below," + kGrey +
         " as usual." + kEndGrey},
    // Type 1 and 2 only choose and order the highlights: a lone sentence
    // renders as with type 0.
    {kAside, {"results"}, 3, "Results are shown below,"},
    // A key phrase inside angle brackets keeps them; with markup they are
    // escaped.
    {kAngles, {"solar panels"}, 0, kAngles},
    {kAngles, {"solar panels"}, 8, "Use the <b>&lt;solar panels&gt;</b> markup here."},
    {kAngles, {"solar panels"}, 16, "Use the &lt;solar panels&gt; markup here."},
    // Escaping inside elided text.
    {kAngleAside, {"solar panels"}, 0, "Solar panels are cheap."},
    {kAngleAside, {"solar panels"}, 4, kAngleAside},
    {kAngleAside, {"solar panels"}, 8, "<b>Solar panels</b> are cheap."},
    {kAngleAside, {"solar panels"}, 16,
     "Solar panels " + kGrey + "(rated &lt;5 kW) " + kEndGrey + "are cheap."},
    {kAngleAside, {"solar panels"}, 25,
     "<b>Solar panels</b> " + kGrey + "(rated &lt;5 kW) " + kEndGrey + "are cheap."},
    // A short leading clause; the mark spreads over neighbouring content
    // words.
    {kLeadingClause, {"solar panels"}, 0, "solar panels convert sunlight into cheap power."},
    {kLeadingClause, {"solar panels"}, 8,
     "<b>solar panels convert sunlight</b> into cheap power."},
    {kLeadingClause, {"solar panels"}, 16,
     kGrey + "In short, " + kEndGrey + "solar panels convert sunlight into cheap power."},
    // A clause holding a key phrase stays.
    {kLeadingClause, {"short"}, 0, kLeadingClause},
    // Two phrases in one sentence.
    {"Wind turbines and solar panels make power.", {"wind turbines", "solar panels"}, 8,
     "<b>Wind turbines</b> and <b>solar panels</b> make power."},
    // List markers.
    {"2) Solar panels work well.", {"solar panels"}, 0, "Solar panels work well."},
    {"2) Solar panels work well.", {"solar panels"}, 24,
     kGrey + "2) " + kEndGrey + "<b>Solar panels work</b> well."},
    {"iv. Solar panels work well.", {"solar panels"}, 0, "Solar panels work well."},
    {"1.2 Solar panels work well.", {"solar panels"}, 0, "Solar panels work well."},
    {"12 Solar panels work well.", {"solar panels"}, 0, "12 Solar panels work well."},
    // An elided aside before a full stop takes its space with it.
    {"Solar panels work (mostly).", {"solar panels"}, 0, "Solar panels work."},
    {"Solar panels work (mostly).", {"solar panels"}, 8, "<b>Solar panels work</b>."},
    // A phrase not in the sentence marks nothing.
    {"Solar panels work (mostly).", {"wind"}, 8, "Solar panels work."},
};

TEST(RenderHighlight, TableOfSentencesAndTypes) {
  StopMemory* stop = nullptr;
  ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
  for (const RenderCase& c : kRenderCases) {
    EXPECT_EQ(render_case(c, *stop), c.expected)
        << c.text << " with type " << c.highlight_type;
  }
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
}

// Escapes and tags may make a highlight much longer than the sentence
// buffer; it is written whole.
TEST(RenderHighlight, MarkupGrowsPastTheSentenceBuffer) {
  StopMemory* stop = nullptr;
  ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
  std::string asides;
  std::string escaped;
  for (int i = 0; i < 300; ++i) {
    asides += "<a> ";
    escaped += "&lt;a&gt; ";
  }
  const RenderCase c{"Solar panels " + asides + "end.", {"solar panels"}, 24, ""};
  const std::string rendered = render_case(c, *stop);
  EXPECT_GT(rendered.size(), kSentenceBufferBytes);
  EXPECT_EQ(rendered, "<b>Solar panels</b> " + kGrey + escaped + kEndGrey + "end.");
  EXPECT_EQ(PhxClearStopMemory(stop), 0);
}

struct TidyCase {
  const char* text;
  const char* mask;  // before tidying; "b" stands for a boundary
  const char* tidied;
};

std::string with_boundaries(std::string mask) {
  for (char& c : mask) {
    if (c == 'b') c = kMaskBoundary;
  }
  return mask;
}

TEST(TidyHighlight, StepsOnHandMadeMasks) {
  const TidyCase cases[] = {
      // Boundaries take the mark of the word they touch, looking past spaces.
      {"ab, cd", "OObooo", "OOOooo"},
      {"(ab cd", "bOOooo", "OOOooo"},
      {"( ab", "booo", "oooo"},
      {"a", "b", "o"},
      {"ab b", "OOob", "OOoo"},
      // An aside without a key phrase goes; brackets of different marks
      // become ordinary.
      {"ab (cd) ef", "OOoooooooo", "OOoxxxxxoo"},
      {"ab (cd) ef", "ooobOOoooo", "ooooOOoooo"},
      // Elided text at the end takes the space before it.
      {"ab [cd] <e> {f}", "OOooooooooooooo", "OOxxxxxxxxxxxxx"},
      // Only a lone separator with a space after it splits clauses.
      {"a, b c d e f g", "oooooooooooooo", "xxxooooooooooo"},
      {"a, b c d e f", "oooooooooooo", "xxxxxxxxxxxx"},  // both sides short
      {"a, b, c d e f", "ooooooooooooo", "ooooooooooooo"},
      {"a b c d e, f", "OOOOOOOOOOoo", "OOOOOOOOOOxx"},
      {"a b c d e, f", "OOOOOOOOOOOO", "OOOOOOOOOOOO"},
      {"a b c d, e f g h", "oooooooooooooooo", "oooooooooooooooo"},
      // List markers.
      {"3. ab", "ooooo", "xxxoo"},
      {"3 ab", "oooo", "xxoo"},
      {"33 ab", "ooooo", "ooooo"},
      {"b) ab", "ooooo", "xxxoo"},
      {"xiv) ab", "ooooooo", "xxxxxoo"},
  };
  for (const TidyCase& c : cases) {
    std::string mask = with_boundaries(c.mask);
    tidy_highlight(c.text, mask);
    EXPECT_EQ(mask, c.tidied) << '"' << c.text << "\" with " << c.mask;
  }
}

}  // namespace
}  // namespace phx::testing
