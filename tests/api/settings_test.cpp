// The setters store what the documented rules make of their arguments.
#include <cmath>
#include <limits>

#include "api_fixture.h"
#include "japanese/phrase_count_parameters.h"

namespace {

struct NumberCase {
  double given;
  double stored;
  int row;
};

TEST_F(ApiTest, NumberOfPhrasesIsHeldWithinThreeToThirtyAndRoundedForItsRow) {
  const NumberCase cases[] = {
      {2.2, 3.0, 3},   {31, 30.0, 30}, {7.4, 7.4, 7},   {7.5, 7.5, 8},   {3, 3.0, 3},
      {30, 30.0, 30},  {29.5, 29.5, 30}, {-5, 3.0, 3},  {1e300, 30.0, 30},
      {std::numeric_limits<double>::quiet_NaN(), 3.0, 3},
      {std::numeric_limits<double>::infinity(), 30.0, 30},
  };
  for (const NumberCase& c : cases) {
    ASSERT_EQ(PhxSetNumberPhrases(doc, c.given), 0) << c.given;
    EXPECT_EQ(doc->phrase_target, c.stored) << c.given;
    EXPECT_EQ(doc->japanese_parameters.column1, 20 * c.row) << c.given;
  }
}

TEST(PhraseCountParameters, RowsConvertWholeColumnsByTruncation) {
  phx::JapaneseParameters seven = phx::load_japanese_parameters(7.0);
  EXPECT_EQ(seven.column1, 140);
  EXPECT_EQ(seven.column2, 9);
  EXPECT_EQ(seven.column3, 16);
  EXPECT_EQ(seven.column4, 42);
  EXPECT_DOUBLE_EQ(seven.column5, 0.6);
  EXPECT_EQ(seven.column6, 188);
  EXPECT_EQ(seven.column7, 511);
  EXPECT_EQ(seven.column8, 1842);
  EXPECT_DOUBLE_EQ(seven.column9, 9.290196);
  EXPECT_DOUBLE_EQ(seven.column15, 0.796681);
  EXPECT_EQ(seven.column16, 5);
  EXPECT_EQ(seven.column19, 9);
  EXPECT_EQ(seven.column22, 9);
  EXPECT_EQ(seven.column24, 5);
  EXPECT_DOUBLE_EQ(seven.column25, 0.033226);
  phx::JapaneseParameters thirty = phx::load_japanese_parameters(30.0);
  EXPECT_EQ(thirty.column1, 600);
  EXPECT_DOUBLE_EQ(thirty.column23, 0.021507);
  EXPECT_EQ(phx::phrase_count_row(2.49), 3);
  EXPECT_EQ(phx::phrase_count_row(12.5), 13);
}

TEST_F(ApiTest, AFreshDocumentHasTheDocumentedSettings) {
  EXPECT_EQ(doc->stamp, phx::kValidStamp);
  EXPECT_EQ(doc->phrase_target, 7.0);
  EXPECT_EQ(doc->japanese_parameters.column1, 140);
  EXPECT_EQ(doc->language, 0);
  EXPECT_EQ(doc->input_char_code, 0);
  EXPECT_EQ(doc->output_char_code, 0);
  EXPECT_EQ(doc->HtmlFilterOn, 0);
  EXPECT_EQ(doc->EmailFilterOn, 0);
  EXPECT_EQ(doc->TextFilterState.TextFilterOff, 0);
  EXPECT_EQ(doc->highlights_active, 0);
  EXPECT_EQ(doc->candidate_count.bucket_count, phx::kDocumentTableBuckets);
  EXPECT_EQ(doc->japanese_highlight_table.bucket_count, phx::kDocumentTableBuckets);
}

TEST_F(ApiTest, HighlightTypeSixteenImpliesFour) {
  const std::pair<int, int> cases[] = {{16, 20}, {17, 21}, {31, 31}, {0, 0}, {11, 11}, {20, 20}};
  for (auto [given, stored] : cases) {
    ASSERT_EQ(PhxSetHighlightType(doc, given), 0);
    EXPECT_EQ(doc->highlight_bits, stored) << given;
  }
}

TEST_F(ApiTest, LanguageAndItsIdentification) {
  int language = -1;
  ASSERT_EQ(PhxGetDocumentLanguage(doc, &language), 0);
  EXPECT_EQ(language, 0);
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 2), 0);
  EXPECT_EQ(doc->identified_language, -1);
  ASSERT_EQ(PhxGetDocumentLanguage(doc, &language), 0);
  EXPECT_EQ(language, 2);
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 0), 0);
  EXPECT_EQ(doc->identified_language, 0);
  doc->identified_language = 5;  // as the identifier leaves it once it has chosen
  ASSERT_EQ(PhxGetDocumentLanguage(doc, &language), 0);
  EXPECT_EQ(language, 5);
}

TEST_F(ApiTest, FiltersPointAtTheTablesOfTheirStopMemory) {
  ASSERT_EQ(PhxActivateEmailFilter(doc, stop), 0);
  EXPECT_EQ(doc->EmailFilterOn, 1);
  EXPECT_EQ(doc->HtmlFilterOn, 0);  // HTML parts are filtered, the document is not
  EXPECT_EQ(doc->EmailFilterState.header_names, &stop->HeaderNameTable);
  EXPECT_EQ(doc->EmailFilterState.salutations, &stop->SalutationTable);
  EXPECT_EQ(doc->HtmlFilterState.entities, &stop->HtmlEntityTable);
  doc->HtmlFilterState.in_tag = 1;
  ASSERT_EQ(PhxActivateHTMLFilter(doc, stop), 0);
  EXPECT_EQ(doc->HtmlFilterOn, 1);
  EXPECT_EQ(doc->HtmlFilterState.in_tag, 0);
  EXPECT_EQ(doc->HtmlFilterState.tags, &stop->HtmlTagTable);
  ASSERT_EQ(PhxDeactivateTextFilter(doc), 0);
  EXPECT_EQ(doc->TextFilterState.TextFilterOff, 1);
}

TEST_F(ApiTest, HighlightsMakeTheSentenceStore) {
  ASSERT_EQ(PhxActivateHighlights(doc), 0);
  EXPECT_EQ(doc->highlights_active, 1);
  EXPECT_TRUE(doc->sentences.active());
  EXPECT_EQ(doc->sentences.size(), 0);
  EXPECT_EQ(doc->sentence_count, 0);
  // The store takes at most its size of sentences.
  for (int i = 0; i < phx::kSentenceStoreSize; ++i) {
    phx::SentenceRecord* record = doc->sentences.append();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->position, -1);
  }
  EXPECT_EQ(doc->sentences.append(), nullptr);
}

}  // namespace
