// Japanese words through the public interface: stop phrases and go phrases
// in UCS2, Shift-JIS, JIS and EUC-JP land in the StopMemory as the same wide
// text, and results are handed out in every Japanese code.
#include <gtest/gtest.h>

#include <string>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"
#include "text/convert_word.h"

namespace {

constexpr int kJapanese = 3;

// 日本語 (U+65E5 U+672C U+8A9E) spelt in each Japanese code.
const std::u16string kWord = u"\u65E5\u672C\u8A9E";
const std::string kSjis = "\x93\xFA\x96\x7B\x8C\xEA";
const std::string kJis = "\x1B$BF|K\\8l\x1B(B";
const std::string kEuc = "\xC6\xFC\xCB\xDC\xB8\xEC";

struct Spelling {
  int code;
  std::string bytes;  // for code 2: the UCS2 units in native order
};

std::string ucs2_bytes(const std::u16string& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2);
}

std::vector<Spelling> spellings() {
  return {{2, ucs2_bytes(kWord)}, {3, kSjis}, {4, kJis}, {5, kEuc}};
}

class JapaneseWords : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
    ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
  }
  void TearDown() override {
    EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
    EXPECT_EQ(PhxClearStopMemory(stop), 0);
  }
  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
};

TEST_F(JapaneseWords, StopPhraseInEveryCode) {
  for (const Spelling& s : spellings()) {
    SCOPED_TRACE(s.code);
    StopMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateStopMemory(&fresh), 0);
    EXPECT_EQ(PhxAddStopPhrase(fresh, kJapanese, s.code, s.bytes.c_str()), 0);
    EXPECT_TRUE(fresh->JapaneseStopPhrases.has(kWord));
    EXPECT_EQ(PhxClearStopMemory(fresh), 0);
  }
}

TEST_F(JapaneseWords, GoPhraseInEveryCode) {
  int match_type = 0;
  for (const Spelling& s : spellings()) {
    SCOPED_TRACE(s.code);
    StopMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateStopMemory(&fresh), 0);
    EXPECT_EQ(PhxAddGoPhrase(fresh, kJapanese, s.code, s.bytes.c_str(), ++match_type), 0);
    std::int32_t stored = -1;
    EXPECT_EQ(fresh->JapaneseGoTable.get_int(kWord, &stored), phx::kTableOk);
    EXPECT_EQ(stored, match_type);
    EXPECT_EQ(fresh->JapaneseGoCount, 1);
    EXPECT_EQ(PhxClearStopMemory(fresh), 0);
  }
}

TEST_F(JapaneseWords, RefusedCalls) {
  // Japanese has no stop words; Korean codes are not Japanese.
  EXPECT_EQ(PhxAddStopWord(stop, kJapanese, 3, kSjis.c_str()), phx::kBadLanguage);
  EXPECT_EQ(PhxAddStopPhrase(stop, kJapanese, 6, kSjis.c_str()), phx::kBadCharCode);
  EXPECT_EQ(PhxAddStopPhrase(stop, kJapanese, 0, "abc"), phx::kBadCharCode);
  EXPECT_EQ(PhxAddStopPhrase(stop, kJapanese, 3, ""), phx::kJapaneseStopPhrase);
  EXPECT_EQ(PhxAddGoPhrase(stop, kJapanese, 7, kSjis.c_str(), 0), phx::kBadCharCode);
}

TEST_F(JapaneseWords, HalfwidthKatakanaAndLatinKeepTheirForms) {
  // ｱｲ (halfwidth) and "ab" in Shift-JIS.
  ASSERT_EQ(PhxAddStopPhrase(stop, kJapanese, 3, "\xB1\xB2 ab"), 0);
  EXPECT_TRUE(stop->JapaneseStopPhrases.has(u"\uFF71\uFF72 ab"));
}

// Results are converted to the output code as they are appended; the caller
// reads them back through PhxGetPhraseByIndex.
TEST_F(JapaneseWords, ResultsInEveryOutputCode) {
  for (const Spelling& s : spellings()) {
    SCOPED_TRACE(s.code);
    DocumentMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateDocumentMemory(&fresh), 0);
    ASSERT_EQ(PhxSetOutputCode(fresh, s.code), 0);
    ASSERT_EQ(phx::append_converted(fresh->phrase_list, phx::WideView(kWord), fresh->output_char_code), 0);
    fresh->phrase_count = 1;
    const char* phrase = nullptr;
    ASSERT_EQ(PhxGetPhraseByIndex(fresh, 0, &phrase), 0);
    if (s.code == 2) {
      EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(phrase)), kWord);
    } else {
      EXPECT_EQ(std::string(phrase), s.bytes);
    }
    EXPECT_EQ(PhxClearDocumentMemory(fresh), 0);
  }
}

TEST(JapaneseConvertWord, BetweenEveryPairOfCodes) {
  for (const Spelling& from : spellings()) {
    for (const Spelling& to : spellings()) {
      phx::EncodedText out;
      ASSERT_EQ(phx::convert_word(from.bytes.c_str(), from.code, to.code, out), 0)
          << from.code << " to " << to.code;
      if (to.code == 2) {
        EXPECT_EQ(out.wide, kWord);
      } else {
        EXPECT_EQ(out.bytes, to.bytes) << from.code << " to " << to.code;
      }
    }
  }
}

TEST(JapaneseConvertWord, ToLatinCodesGivesQuestionMarks) {
  phx::EncodedText out;
  ASSERT_EQ(phx::convert_word(kSjis.c_str(), 3, 0, out), 0);
  EXPECT_EQ(out.bytes, "???");
}

}  // namespace
