// The candidate tables the English reader fills, read through the public
// interface and inspected in the document record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/document_memory.h"
#include "phx_api.h"

namespace phx {
namespace {

class CandidateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(PhxCreateStopMemory(&stop_), 0); }
  static void TearDownTestSuite() { PhxClearStopMemory(stop_); }
  void SetUp() override {
    ASSERT_EQ(PhxCreateDocumentMemory(&doc_), 0);
    ASSERT_EQ(PhxSetDocumentLanguage(doc_, 1), 0);
    // The reader's own handling of layout is under test, not the text filter's.
    ASSERT_EQ(PhxDeactivateTextFilter(doc_), 0);
  }
  void TearDown() override { PhxClearDocumentMemory(doc_); }

  // Reads the buffers (a "|" in the text cuts it) and ends the document.
  void read(const std::string& text) {
    std::size_t from = 0;
    for (;;) {
      std::size_t cut = text.find('|', from);
      std::string part = text.substr(from, cut == std::string::npos ? std::string::npos : cut - from);
      if (!part.empty()) {
        ASSERT_EQ(PhxReadDocumentBuffer(doc_, stop_, part.data(), static_cast<int>(part.size())), 0);
      }
      if (cut == std::string::npos) break;
      from = cut + 1;
    }
    ASSERT_EQ(PhxSignalDocumentEnd(doc_, stop_), 0);
  }

  std::vector<std::string> candidates() const {
    std::vector<std::string> out;
    for (const TermList::Node* node = doc_->candidate_list.head(); node != nullptr;
         node = node->next) {
      out.emplace_back(node->item.text_view());
    }
    return out;
  }
  int value_in(const TextTable& table, const std::string& key) const {
    std::int32_t value = -1;
    table.get_int(key, &value);
    return value;
  }
  std::string text_in(const TextTable& table, const std::string& key) const {
    const TermValue* value = table.find(key);
    return value != nullptr ? std::string(value->text_view()) : "(none)";
  }

  static StopMemory* stop_;
  DocumentMemory* doc_ = nullptr;
};
StopMemory* CandidateTest::stop_ = nullptr;

struct CandidateCase {
  const char* text;
  std::vector<std::string> candidates;
};

TEST_F(CandidateTest, Table) {
  const CandidateCase cases[] = {
      {"Neural networks, learning",
       {"neural", "networks", "neural networks", "learning"}},
      {"fuel of hydrogen", {"fuel", "hydrogen"}},
      {"big data", {"data"}},
      {"solar\n\nenergy", {"solar", "energy"}},
      {"solar\n \nenergy", {"solar", "energy"}},
      {"solar\nenergy", {"solar", "energy", "solar energy"}},
      {"solar            energy", {"solar", "energy", "solar energy"}},
      {"solar             energy", {"solar", "energy"}},
      {"solar\t\tenergy", {"solar", "energy"}},
      {"(solar energy). grid", {"solar", "energy", "solar energy", "grid"}},
      // At the very end the closing RS sticks to the last token.
      {"(solar energy).", {"solar", "energy"}},
      {"solar \x1E energy", {"solar", "energy"}},
      {"solar \x1D energy", {"solar", "energy"}},
      {"key|board", {"keyboard"}},
      {"exam-\n|ple", {"example"}},
      {"grid storage units",
       {"grid", "storage", "grid storage", "units", "storage units", "grid storage units"}},
      {"a grid, storage units", {"grid", "storage", "units", "storage units"}},
  };
  for (const CandidateCase& c : cases) {
    TearDown();
    SetUp();
    read(c.text);
    EXPECT_EQ(candidates(), c.candidates) << c.text;
  }
}

TEST_F(CandidateTest, CountsAndPositions) {
  read("Grid storage. The grid storage units. Grid.");
  // Words: Grid(1) storage(2) The(3) grid(4) storage(5) units(6) Grid(7).
  EXPECT_EQ(doc_->word_count, 7);
  EXPECT_EQ(doc_->content_word_count, 6);
  EXPECT_EQ(value_in(doc_->candidate_count, "grid"), 3);
  EXPECT_EQ(value_in(doc_->first_position, "grid"), 1);
  EXPECT_EQ(value_in(doc_->second_position, "grid"), 4);
  EXPECT_EQ(value_in(doc_->candidate_count, "grid storage"), 2);
  EXPECT_EQ(value_in(doc_->first_position, "grid storage"), 2);
  EXPECT_EQ(value_in(doc_->second_position, "grid storage"), 5);
  EXPECT_EQ(value_in(doc_->first_position, "grid storage units"), 6);
  EXPECT_EQ(value_in(doc_->second_position, "grid storage units"), -1);
  // grid, storage, grid storage, units, storage units, grid storage units
  EXPECT_EQ(doc_->candidate_total, 6);
  EXPECT_EQ(doc_->candidate_length_sum, 4 + 7 + 12 + 5 + 13 + 18);
}

TEST_F(CandidateTest, SpellingsPreferFewestCapitals) {
  read("NASA Nasa nasa. Grid GRID grid. Paris.");
  EXPECT_EQ(text_in(doc_->plain_spelling, "nasa"), "nasa");
  EXPECT_EQ(text_in(doc_->capital_spelling, "nasa"), "Nasa");
  EXPECT_EQ(text_in(doc_->plain_spelling, "grid"), "grid");
  EXPECT_EQ(text_in(doc_->capital_spelling, "grid"), "Grid");
  EXPECT_EQ(text_in(doc_->plain_spelling, "paris"), "Paris");
  EXPECT_EQ(text_in(doc_->capital_spelling, "paris"), "(none)");
}

TEST_F(CandidateTest, TiesKeepTheSpellingSeenFirst) {
  read("Grid gRid GRId grid");
  EXPECT_EQ(text_in(doc_->plain_spelling, "grid"), "grid");
  EXPECT_EQ(text_in(doc_->capital_spelling, "grid"), "Grid");
}

TEST_F(CandidateTest, LoneSeparatorsAreNoWords) {
  read("solar \x1E \x1D energy");
  EXPECT_EQ(doc_->word_count, 2);
}

TEST_F(CandidateTest, PhrasesLongerThanTheBufferAreNotCounted) {
  const std::string a = "a" + std::string(150, 'x');
  const std::string b = "b" + std::string(150, 'y');
  read(a + " " + b);
  EXPECT_EQ(candidates(), (std::vector<std::string>{a, b}));
}

}  // namespace
}  // namespace phx
