// The filters seen from the caller: the fixtures read through the public
// interface as English, with the filter that suits each. What the filters
// drop (headers, scripts, comments, columns) must not come back as key
// phrases, and the documents' topics must.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "phx_api.h"

namespace {

std::string read_fixture(const char* name) {
  std::ifstream in(std::string(PHX_SOURCE_DIR) + "/tests/filters/fixtures/" + name,
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

enum Switch { kHtml = 1, kEmail = 2, kTextOff = 4 };

// The key phrases, lower-cased, of a fixture read in buffers of 700 bytes.
std::vector<std::string> key_phrases(const char* fixture, int switches) {
  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
  EXPECT_EQ(PhxCreateStopMemory(&stop), 0);
  EXPECT_EQ(PhxCreateDocumentMemory(&doc), 0);
  EXPECT_EQ(PhxSetDocumentLanguage(doc, 1), 0);
  if ((switches & kHtml) != 0) {
    EXPECT_EQ(PhxActivateHTMLFilter(doc, stop), 0);
  }
  if ((switches & kEmail) != 0) {
    EXPECT_EQ(PhxActivateEmailFilter(doc, stop), 0);
  }
  if ((switches & kTextOff) != 0) {
    EXPECT_EQ(PhxDeactivateTextFilter(doc), 0);
  }
  const std::string text = read_fixture(fixture);
  for (std::size_t at = 0; at < text.size(); at += 700) {
    const std::string buffer = text.substr(at, 700);
    EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, buffer.data(), static_cast<int>(buffer.size())),
              0);
  }
  EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 0);
  int count = 0;
  EXPECT_EQ(PhxGetPhraseListSize(doc, &count), 0);
  std::vector<std::string> phrases;
  for (int i = 0; i < count; ++i) {
    const char* phrase = nullptr;
    EXPECT_EQ(PhxGetPhraseByIndex(doc, i, &phrase), 0);
    phrases.push_back(lowered(phrase));
  }
  PhxClearDocumentMemory(doc);
  PhxClearStopMemory(stop);
  return phrases;
}

bool any_contains(const std::vector<std::string>& phrases, const std::string& word) {
  return std::any_of(phrases.begin(), phrases.end(),
                     [&](const std::string& phrase) { return phrase.find(word) != std::string::npos; });
}

TEST(FiltersEndToEnd, WebPageKeepsItsTextOnly) {
  const std::vector<std::string> phrases = key_phrases("web_page.html", kHtml);
  ASSERT_FALSE(phrases.empty());
  EXPECT_TRUE(any_contains(phrases, "harbour"));
  for (const char* dropped : {"track", "function", "georgia", "serif", "navigation", "browser",
                              "english", "fran", "meta", "charset", "href"}) {
    EXPECT_FALSE(any_contains(phrases, dropped)) << dropped;
  }
}

TEST(FiltersEndToEnd, MailboxKeepsItsProseOnly) {
  const std::vector<std::string> phrases = key_phrases("mailbox.txt", kEmail);
  ASSERT_FALSE(phrases.empty());
  EXPECT_TRUE(any_contains(phrases, "harbour survey"));
  for (const char* dropped : {"content", "mime", "esmtp", "boundary", "permit.pdf", "mon", "mar",
                              "alice", "moreau", "coordinator", "quay", "jvber"}) {
    EXPECT_FALSE(any_contains(phrases, dropped)) << dropped;
  }
}

TEST(FiltersEndToEnd, ReportDropsItsColumns) {
  const std::vector<std::string> phrases = key_phrases("report.txt", 0);
  ASSERT_FALSE(phrases.empty());
  EXPECT_TRUE(any_contains(phrases, "harbour trust"));
  for (const char* dropped : {"feb", "jan", "point", "info@"}) {
    EXPECT_FALSE(any_contains(phrases, dropped)) << dropped;
  }
}

}  // namespace
