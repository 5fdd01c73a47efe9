// A document's life: configured, read, ended, cleared.
#include <string>

#include "api_fixture.h"

namespace {

TEST_F(ApiTest, AnEmptyDocumentEndsWithNoPhrasesAndResultZero) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 0);
  int count = -1;
  ASSERT_EQ(PhxGetPhraseListSize(doc, &count), 0);
  EXPECT_EQ(count, 0);
  const char* phrase = nullptr;
  EXPECT_EQ(PhxGetPhraseByIndex(doc, 0, &phrase), 17);
  // Without candidates the document does not enter the ended state.
  EXPECT_EQ(doc->document_ended, 0);
}

TEST_F(ApiTest, AnEndedDocumentRefusesReadsAndASecondEnd) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  doc->document_ended = 1;  // as the end of a document with candidates leaves it
  EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, "more", 4), 25);
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 25);
}

TEST_F(ApiTest, TheEndNeedsALatinInputCodeForLatinLanguages) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  ASSERT_EQ(PhxSetInputCode(doc, 5), 0);
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 4);
  EXPECT_EQ(doc->input_char_code, 5);
}

struct ReadCase {
  int language;
  int code;
  std::string buffer;
  int expected;
};

TEST_F(ApiTest, ReadsCheckTheInputCodeAgainstTheLanguage) {
  const ReadCase cases[] = {
      {1, 3, "text", 4},                   // English in Shift-JIS
      {3, 0, "text", 4},                   // Japanese in Latin-1
      {0, 6, "text", 4},                   // automatic in KSC
      {1, 2, std::string("a\0b\0c", 5), 21},  // UCS2 of odd length
      {1, 2, std::string("a\0b\0", 4), 0},
      {1, 1, "caf\x82", 0},
      {4, 0, "Text", 0},
  };
  for (const ReadCase& c : cases) {
    DocumentMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateDocumentMemory(&fresh), 0);
    PhxSetDocumentLanguage(fresh, c.language);
    PhxSetInputCode(fresh, c.code);
    EXPECT_EQ(PhxReadDocumentBuffer(fresh, stop, c.buffer.data(), static_cast<int>(c.buffer.size())),
              c.expected)
        << "language " << c.language << " code " << c.code;
    EXPECT_EQ(PhxClearDocumentMemory(fresh), 0);
  }
}

TEST_F(ApiTest, AnEmptyOrMissingBufferReadsNothing) {
  EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, nullptr, 10), 0);
  EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, "x", 0), 0);
  EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, "x", -3), 0);
  EXPECT_TRUE(doc->held_back_text.empty());
}

TEST_F(ApiTest, AutomaticModeHoldsTextBackUntilTheLanguageIsKnown) {
  ASSERT_EQ(PhxDeactivateTextFilter(doc), 0);  // hold back the text exactly as given
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, "first part ", 11), 0);
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, "second part", 11), 0);
  ASSERT_EQ(doc->held_back_text.size(), 2);
  EXPECT_EQ(doc->held_back_text.at(0)->text_view(), "first part ");
  EXPECT_EQ(doc->held_back_text.at(1)->text_view(), "second part");
}

TEST_F(ApiTest, AnUndecidedLanguageLeavesTheDocumentWithoutPhrases) {
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, "zzz qqq", 7), 0);
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 0);
  int language = -1, count = -1;
  ASSERT_EQ(PhxGetDocumentLanguage(doc, &language), 0);
  ASSERT_EQ(PhxGetPhraseListSize(doc, &count), 0);
  EXPECT_EQ(language, 0);
  EXPECT_EQ(count, 0);
}

TEST_F(ApiTest, DocumentPropertiesOfAFreshDocument) {
  int value = -1;
  ASSERT_EQ(PhxGetDocumentProperties(doc, 1, &value), 0);
  EXPECT_EQ(value, 0);
  ASSERT_EQ(PhxGetDocumentProperties(doc, 2, &value), 0);
  EXPECT_EQ(value, 0);
  ASSERT_EQ(PhxGetDocumentProperties(doc, 3, &value), 0);
  EXPECT_EQ(value, 1);
  doc->content_word_count = phx::kContentWordLimit;
  ASSERT_EQ(PhxGetDocumentProperties(doc, 3, &value), 0);
  EXPECT_EQ(value, 0);
}

TEST_F(ApiTest, ResultsAreReadByIndexInTheirOrder) {
  // Results as an end step leaves them, in code 0 and in code 2.
  doc->phrase_list.append_text(std::string_view("solar energy"));
  doc->phrase_list.append_text(std::u16string_view(u"\u00E9nergie"));
  doc->score_list.append_pair(phx::Pair::from_double(3.5));
  doc->score_list.append_pair(phx::Pair::from_double(1.25));
  doc->phrase_count = 2;
  const char* phrase = nullptr;
  double score = 0;
  ASSERT_EQ(PhxGetPhraseByIndex(doc, 0, &phrase), 0);
  EXPECT_STREQ(phrase, "solar energy");
  ASSERT_EQ(PhxGetPhraseByIndex(doc, 1, &phrase), 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(phrase)), u"\u00E9nergie");
  ASSERT_EQ(PhxGetScoreByIndex(doc, 1, &score), 0);
  EXPECT_EQ(score, 1.25);
  EXPECT_EQ(PhxGetScoreByIndex(doc, 0, nullptr), 0);
  EXPECT_EQ(PhxGetPhraseByIndex(doc, 2, &phrase), 17);

  // A highlight count larger than the list leaves the text null.
  doc->highlight_list.append_text(std::string_view("A <b>key</b> sentence."));
  doc->highlight_count = 2;
  const char* highlight = nullptr;
  ASSERT_EQ(PhxGetHighlightByIndex(doc, 0, &highlight), 0);
  EXPECT_STREQ(highlight, "A <b>key</b> sentence.");
  EXPECT_EQ(PhxGetHighlightByIndex(doc, 1, &highlight), 0);
  EXPECT_EQ(highlight, nullptr);
}

}  // namespace
