// Every exported function checks its handles and arguments in the documented
// order, returns the code of the first failing check and changes nothing.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "api_fixture.h"

namespace {

TEST(ErrorMessages, EveryCodeHasItsFixedText) {
  const std::string stop_phrase =
      "ERROR: The stop phrase is not entirely lower case. \nIt might contain a capital letter or "
      "a non-alphabetic character. \n";
  const std::string stop_word =
      "ERROR: The stop word is not entirely lower case. \nIt might contain a capital, a space, or "
      "a non-alphabetic character. \n";
  const std::string unknown = "ERROR: Error Code is UNKNOWN. \n";
  const std::vector<std::pair<int, std::string>> expected = {
      {0, "ERROR: All is OK. No errors were detected. \n"},
      {1, "ERROR: Memory allocation error. Out of RAM. \n"},
      {2, "ERROR: DocumentMemory pointer is NULL. \n"},
      {3, "ERROR: StopMemory pointer is NULL. \n"},
      {4, "ERROR: CharCodeID is out of range. \n"},
      {5, "ERROR: LanguageID is out of range. \n"},
      {6, stop_phrase},
      {7, stop_word},
      {8, "ERROR: The stop phrase is not entirely lower case. \nIt might contain a capital letter "
          "or a non-alphabetic character. \nWords in two- and three-word phrases should be "
          "separated by a single space. \nNote that (for example) \"j'ai\" is considered to be a "
          "two-word phrase, \nso it would be entered as \"j ai\". \n"},
      {9, "ERROR: The stop word is not entirely lower case. \nIt might contain a capital, a space, "
          "or a non-alphabetic character. \nNote that (for example) \"j'ai\" is considered to be "
          "a two-word phrase. \n"},
      {10, "ERROR: The stop phrase is empty. \n"},
      {11, stop_phrase},
      {12, stop_word},
      {13, stop_phrase},
      {14, stop_word},
      {15, "ERROR: The stop phrase is empty. \n"},
      {16, "ERROR: The stop word is not entirely hangul. \n"},
      {17, "ERROR: PhraseIndex is out of range. \n"},
      {18, "ERROR: HighlightIndex is out of range. \n"},
      {19, "ERROR: HighlightType is out of range. \n"},
      {20, unknown},
      {21, "ERROR: When the input character code is Unicode UCS2, the buffer length, \nmeasured "
           "in bytes, must be a multiple of two.\n"},
      {22, "ERROR: PropID is out of range.\n"},
      {23, "ERROR: MatchType is out of range.\n"},
      {24, "ERROR: Phrase is not acceptable.\n"},
      {25, "ERROR: PhxReadDocumentBuffer must not be called after PhxSignalDocumentEnd \nhas been "
           "called. The current DocumentMemory should be cleared and a new one \nshould be "
           "created. \n"},
      {26, "ERROR: PhxCreateDocumentMemory has not been called to create the current "
           "\nDocumentMemory or the memory has been corrupted. \n"},
      {27, "ERROR: PhxCreateStopMemory has not been called to create the current \nStopMemory or "
           "the memory has been corrupted. \n"},
      {28, unknown},
      {-1, unknown},
      {1 << 30, unknown},
  };
  for (const auto& [code, text] : expected) {
    const char* message = nullptr;
    PhxGetErrorMessage(code, &message);
    ASSERT_NE(message, nullptr) << code;
    EXPECT_EQ(std::string(message), text) << "code " << code;
  }
  PhxGetErrorMessage(0, nullptr);  // a null out-parameter is left alone
}

// A call of one exported function with the handles the case gives it.
using Call = std::function<int(DocumentMemory*, StopMemory*)>;

struct HandleCase {
  const char* function;
  Call call;
  bool takes_document;
  bool takes_stop;
};

// Out-parameters for the calls below.
int int_value = 0;
double score_value = 0;
const char* text_value = nullptr;
int* const int_out = &int_value;
double* const score_out = &score_value;
const char** const text_out = &text_value;

std::vector<HandleCase> handle_cases() {
  return {
      {"PhxActivateHTMLFilter", [](auto* d, auto* s) { return PhxActivateHTMLFilter(d, s); }, true, true},
      {"PhxActivateEmailFilter", [](auto* d, auto* s) { return PhxActivateEmailFilter(d, s); }, true, true},
      {"PhxReadDocumentBuffer", [](auto* d, auto* s) { return PhxReadDocumentBuffer(d, s, "word", 4); }, true, true},
      {"PhxSignalDocumentEnd", [](auto* d, auto* s) { return PhxSignalDocumentEnd(d, s); }, true, true},
      {"PhxAddStopWord", [](auto*, auto* s) { return PhxAddStopWord(s, 1, 0, "word"); }, false, true},
      {"PhxAddStopPhrase", [](auto*, auto* s) { return PhxAddStopPhrase(s, 1, 0, "word"); }, false, true},
      {"PhxAddGoPhrase", [](auto*, auto* s) { return PhxAddGoPhrase(s, 1, 0, "word", 0); }, false, true},
      {"PhxClearStopMemory", [](auto*, auto* s) { return PhxClearStopMemory(s); }, false, true},
      {"PhxGetPhraseListSize", [](auto* d, auto*) { return PhxGetPhraseListSize(d, int_out); }, true, false},
      {"PhxGetPhraseByIndex", [](auto* d, auto*) { return PhxGetPhraseByIndex(d, 0, text_out); }, true, false},
      {"PhxGetScoreByIndex", [](auto* d, auto*) { return PhxGetScoreByIndex(d, 0, score_out); }, true, false},
      {"PhxSetDocumentLanguage", [](auto* d, auto*) { return PhxSetDocumentLanguage(d, 1); }, true, false},
      {"PhxGetDocumentLanguage", [](auto* d, auto*) { return PhxGetDocumentLanguage(d, int_out); }, true, false},
      {"PhxSetNumberPhrases", [](auto* d, auto*) { return PhxSetNumberPhrases(d, 10); }, true, false},
      {"PhxSetInputCode", [](auto* d, auto*) { return PhxSetInputCode(d, 1); }, true, false},
      {"PhxSetOutputCode", [](auto* d, auto*) { return PhxSetOutputCode(d, 1); }, true, false},
      {"PhxActivateHighlights", [](auto* d, auto*) { return PhxActivateHighlights(d); }, true, false},
      {"PhxSetHighlightType", [](auto* d, auto*) { return PhxSetHighlightType(d, 3); }, true, false},
      {"PhxGetHighlightListSize", [](auto* d, auto*) { return PhxGetHighlightListSize(d, int_out); }, true, false},
      {"PhxGetHighlightByIndex", [](auto* d, auto*) { return PhxGetHighlightByIndex(d, 0, text_out); }, true, false},
      {"PhxGetDocumentProperties", [](auto* d, auto*) { return PhxGetDocumentProperties(d, 1, int_out); }, true, false},
      {"PhxDeactivateTextFilter", [](auto* d, auto*) { return PhxDeactivateTextFilter(d); }, true, false},
      {"PhxClearDocumentMemory", [](auto* d, auto*) { return PhxClearDocumentMemory(d); }, true, false},
  };
}

// The handle checks come first and in this order: document null (2), stop
// memory null (3), document stamp (26), stop memory stamp (27).
TEST_F(ApiTest, HandleChecksInTheirOrder) {
  for (const HandleCase& c : handle_cases()) {
    SCOPED_TRACE(c.function);
    if (c.takes_document && c.takes_stop) {
      EXPECT_EQ(c.call(nullptr, nullptr), 2);
      EXPECT_EQ(c.call(nullptr, bad_stop), 2);
      EXPECT_EQ(c.call(bad_doc, nullptr), 3);
      EXPECT_EQ(c.call(bad_doc, bad_stop), 26);
      EXPECT_EQ(c.call(doc, bad_stop), 27);
    } else if (c.takes_document) {
      EXPECT_EQ(c.call(nullptr, nullptr), 2);
      EXPECT_EQ(c.call(bad_doc, nullptr), 26);
    } else {
      EXPECT_EQ(c.call(nullptr, nullptr), 3);
      EXPECT_EQ(c.call(nullptr, bad_stop), 27);
    }
  }
  // A refused call touched nothing: the spoiled records are as they were.
  EXPECT_EQ(bad_doc->stamp, 0);
  EXPECT_EQ(bad_stop->stamp, 54321);
  EXPECT_EQ(bad_doc->HtmlFilterOn, 0);
  EXPECT_EQ(bad_doc->language, 0);
  EXPECT_EQ(bad_doc->highlights_active, 0);
}

TEST_F(ApiTest, ReadChecksTheEndOfTheDocumentBeforeTheStopMemoryStamp) {
  doc->document_ended = 1;
  EXPECT_EQ(PhxReadDocumentBuffer(doc, bad_stop, "x", 1), 25);
  EXPECT_EQ(PhxReadDocumentBuffer(bad_doc, stop, "x", 1), 26);
  EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, "x", 1), 25);
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 25);  // its closing text is refused
}

struct ArgumentCase {
  const char* what;
  std::function<int(DocumentMemory*, StopMemory*)> call;
  int expected;
};

TEST_F(ApiTest, ArgumentChecks) {
  const ArgumentCase cases[] = {
      {"language -1", [](auto* d, auto*) { return PhxSetDocumentLanguage(d, -1); }, 5},
      {"language 7", [](auto* d, auto*) { return PhxSetDocumentLanguage(d, 7); }, 5},
      {"input code 8", [](auto* d, auto*) { return PhxSetInputCode(d, 8); }, 4},
      {"input code -1", [](auto* d, auto*) { return PhxSetInputCode(d, -1); }, 4},
      {"output code 8", [](auto* d, auto*) { return PhxSetOutputCode(d, 8); }, 4},
      {"highlight type 32", [](auto* d, auto*) { return PhxSetHighlightType(d, 32); }, 19},
      {"highlight type -1", [](auto* d, auto*) { return PhxSetHighlightType(d, -1); }, 19},
      {"property 0", [](auto* d, auto*) { int v; return PhxGetDocumentProperties(d, 0, &v); }, 22},
      {"property 4", [](auto* d, auto*) { int v; return PhxGetDocumentProperties(d, 4, &v); }, 22},
      {"phrase -1", [](auto* d, auto*) { const char* p; return PhxGetPhraseByIndex(d, -1, &p); }, 17},
      {"phrase 0 before the end", [](auto* d, auto*) { const char* p; return PhxGetPhraseByIndex(d, 0, &p); }, 17},
      {"score 0 before the end", [](auto* d, auto*) { double v; return PhxGetScoreByIndex(d, 0, &v); }, 17},
      {"highlight 0", [](auto* d, auto*) { const char* p; return PhxGetHighlightByIndex(d, 0, &p); }, 18},
      {"stop word language 0", [](auto*, auto* s) { return PhxAddStopWord(s, 0, 0, "w"); }, 5},
      {"stop word language 3", [](auto*, auto* s) { return PhxAddStopWord(s, 3, 2, "w"); }, 5},
      {"stop word language 7", [](auto*, auto* s) { return PhxAddStopWord(s, 7, 0, "w"); }, 5},
      {"stop word code 3", [](auto*, auto* s) { return PhxAddStopWord(s, 1, 3, "w"); }, 4},
      {"stop phrase language 0", [](auto*, auto* s) { return PhxAddStopPhrase(s, 0, 0, "w"); }, 5},
      {"stop phrase code 6", [](auto*, auto* s) { return PhxAddStopPhrase(s, 2, 6, "w"); }, 4},
      {"go phrase language 0", [](auto*, auto* s) { return PhxAddGoPhrase(s, 0, 0, "w", 0); }, 5},
      {"go phrase code 0 for Korean", [](auto*, auto* s) { return PhxAddGoPhrase(s, 6, 0, "w", 0); }, 4},
      {"go phrase match 128", [](auto*, auto* s) { return PhxAddGoPhrase(s, 1, 0, "w", 128); }, 23},
      {"go phrase match -1", [](auto*, auto* s) { return PhxAddGoPhrase(s, 1, 0, "w", -1); }, 23},
      {"go phrase null before match", [](auto*, auto* s) { return PhxAddGoPhrase(s, 1, 0, nullptr, 200); }, 23},
      {"go phrase null", [](auto*, auto* s) { return PhxAddGoPhrase(s, 1, 0, nullptr, 0); }, 24},
  };
  for (const ArgumentCase& c : cases) EXPECT_EQ(c.call(doc, stop), c.expected) << c.what;
}

TEST_F(ApiTest, ARefusedSetterKeepsTheOldValue) {
  ASSERT_EQ(PhxSetHighlightType(doc, 3), 0);
  EXPECT_EQ(PhxSetHighlightType(doc, 32), 19);
  EXPECT_EQ(doc->highlight_bits, 3);
  ASSERT_EQ(PhxSetInputCode(doc, 2), 0);
  EXPECT_EQ(PhxSetInputCode(doc, 9), 4);
  EXPECT_EQ(doc->input_char_code, 2);
  ASSERT_EQ(PhxSetDocumentLanguage(doc, 4), 0);
  EXPECT_EQ(PhxSetDocumentLanguage(doc, 9), 5);
  EXPECT_EQ(doc->language, 4);
}

TEST_F(ApiTest, HighlightOutIsSetToNullBeforeTheIndexCheck) {
  const char* highlight = "stale";
  EXPECT_EQ(PhxGetHighlightByIndex(doc, -1, &highlight), 18);
  EXPECT_EQ(highlight, nullptr);
}

TEST_F(ApiTest, NullOutParametersAreNeverWritten) {
  EXPECT_EQ(PhxGetPhraseListSize(doc, nullptr), 0);
  EXPECT_EQ(PhxGetHighlightListSize(doc, nullptr), 0);
  EXPECT_EQ(PhxGetDocumentLanguage(doc, nullptr), 0);
  EXPECT_EQ(PhxGetDocumentProperties(doc, 2, nullptr), 0);
  EXPECT_EQ(PhxGetHighlightByIndex(doc, 0, nullptr), 18);
  EXPECT_EQ(PhxCreateDocumentMemory(nullptr), 2);
  EXPECT_EQ(PhxCreateStopMemory(nullptr), 3);
}

}  // namespace
