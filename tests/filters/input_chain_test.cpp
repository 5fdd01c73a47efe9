// The filters on the input path: which filter runs when, in which order, and
// what the end-of-document text completes.
#include <gtest/gtest.h>

#include <string>

#include "api/document_memory.h"
#include "filter_runner.h"
#include "input/input_path.h"
#include "phx_api.h"

namespace phx::testing {
namespace {

class InputChain : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PhxCreateStopMemory(&stop_), 0);
    ASSERT_EQ(PhxCreateDocumentMemory(&doc_), 0);
    ASSERT_EQ(PhxSetDocumentLanguage(doc_, 1), 0);
  }
  void TearDown() override {
    PhxClearDocumentMemory(doc_);
    PhxClearStopMemory(stop_);
  }
  // The text a reader would get for this buffer.
  std::string read(std::string_view buffer) {
    DecodedText decoded;
    EXPECT_EQ(decode_and_filter(*doc_, *stop_, buffer, decoded), 0);
    return std::string(decoded.text);
  }

  StopMemory* stop_ = nullptr;
  DocumentMemory* doc_ = nullptr;
};

TEST_F(InputChain, PlainTextFilterRunsByDefault) {
  EXPECT_EQ(visible(read("\nINTRODUCTION\n")), visible("\x1E \x1D INTRODUCTION\n"));
}

TEST_F(InputChain, DeactivatedPlainTextFilterPassesTextThrough) {
  ASSERT_EQ(PhxDeactivateTextFilter(doc_), 0);
  EXPECT_EQ(read("\nINTRODUCTION\n"), "\nINTRODUCTION\n");
  EXPECT_EQ(read(std::string_view("ab\0cd", 5)), "ab");
}

TEST_F(InputChain, PlainTextFilterRunsInAutomaticMode) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc_, 0), 0);
  EXPECT_EQ(visible(read("-----\n")), visible("\x1E "));
}

TEST_F(InputChain, PlainTextFilterNeverRunsOnJapaneseOrKorean) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc_, 3), 0);
  ASSERT_EQ(PhxSetInputCode(doc_, 3), 0);
  EXPECT_EQ(read("-----\n"), "-----\n");
  ASSERT_EQ(PhxSetDocumentLanguage(doc_, 6), 0);
  ASSERT_EQ(PhxSetInputCode(doc_, 6), 0);
  EXPECT_EQ(read("-----\n"), "-----\n");
}

TEST_F(InputChain, EmailFilterAloneReplacesThePlainTextFilter) {
  ASSERT_EQ(PhxActivateEmailFilter(doc_, stop_), 0);
  // A blank line stays as it is: the plain-text filter would mark it.
  EXPECT_EQ(visible(read("To: a@b.c\n\n")), visible("\x1E \n"));
}

TEST_F(InputChain, HtmlFilterAlone) {
  ASSERT_EQ(PhxActivateHTMLFilter(doc_, stop_), 0);
  EXPECT_EQ(visible(read("To: a@b.c\nThe plan &amp; budget\n")),
            visible("To: a@b.c The plan & budget "));
}

TEST_F(InputChain, EmailFilterOutputIsTheHtmlFiltersInput) {
  ASSERT_EQ(PhxActivateEmailFilter(doc_, stop_), 0);
  ASSERT_EQ(PhxActivateHTMLFilter(doc_, stop_), 0);
  // The header goes first (e-mail filter), then the entity and the line
  // ends (HTML filter).
  EXPECT_EQ(visible(read("To: a@b.c\nThe plan &amp; budget\n")),
            visible("\x1E \x1E The plan & budget "));
}

TEST_F(InputChain, ClosingTextCompletesTheLastLine) {
  ASSERT_EQ(PhxActivateEmailFilter(doc_, stop_), 0);
  EXPECT_EQ(read("Plans are ready"), "");
  EXPECT_EQ(visible(read("\x1E\n")), visible("\x1E Plans are ready\x1E\n"));
}

TEST_F(InputChain, DecodedTextIsFiltered) {
  ASSERT_EQ(PhxSetInputCode(doc_, 1), 0);
  EXPECT_EQ(read("caf\x82 au lait\n"), "caf\xE9 au lait\n");
  ASSERT_EQ(PhxSetInputCode(doc_, 2), 0);
  EXPECT_EQ(visible(read(std::string_view("-\0-\0-\0\n\0", 8))), visible("\x1E "));
}

TEST_F(InputChain, JapaneseTextKeepsA0ForTheHtmlFilter) {
  ASSERT_EQ(PhxSetDocumentLanguage(doc_, 3), 0);
  ASSERT_EQ(PhxSetInputCode(doc_, 3), 0);
  ASSERT_EQ(PhxActivateHTMLFilter(doc_, stop_), 0);
  EXPECT_EQ(read("\x82\xA0<b>x</b>"), "\x82\xA0x");
}

// Wide text reaches the HTML filter as Shift-JIS or KSC bytes.
TEST_F(InputChain, WideTextIsRewrittenForTheHtmlFilter) {
  ASSERT_EQ(PhxActivateHTMLFilter(doc_, stop_), 0);
  const struct {
    int language;
    int code;
    std::string input;
    std::string expected;
  } cases[] = {
      {3, 2, std::string("<\0b\0>\0\x42\x30<\0/\0b\0>\0", 16), "\x82\xA0"},
      {3, 4, "<b>\x1B$B$\"\x1B(B</b>", "\x82\xA0"},
      {3, 5, "<b>\xA4\xA2</b>", "\xA4\xA2"},
      {6, 2, std::string("<\0b\0>\0\x00\xAC<\0/\0b\0>\0", 16), "\xB0\xA1"},
      {6, 7, "<b>\x88\x61</b>", "\xB0\xA1"},
      {6, 6, "<b>\xB0\xA1</b>", "\xB0\xA1"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(PhxSetDocumentLanguage(doc_, c.language), 0);
    ASSERT_EQ(PhxSetInputCode(doc_, c.code), 0);
    EXPECT_EQ(visible(read(c.input)), visible(c.expected)) << c.language << " " << c.code;
  }
}

TEST_F(InputChain, ReadsThroughThePublicInterface) {
  ASSERT_EQ(PhxActivateEmailFilter(doc_, stop_), 0);
  ASSERT_EQ(PhxActivateHTMLFilter(doc_, stop_), 0);
  const std::string message = "Subject: Plans\n<p>The plan &amp; budget</p>\n";
  EXPECT_EQ(PhxReadDocumentBuffer(doc_, stop_, message.data(), static_cast<int>(message.size())),
            0);
  EXPECT_EQ(PhxSignalDocumentEnd(doc_, stop_), 0);
}

}  // namespace
}  // namespace phx::testing
