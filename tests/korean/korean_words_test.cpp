// Korean words through the public interface: stop words (hangul only), stop
// phrases and go phrases in UCS2, KSC and Johab, and results in KSC and Johab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"
#include "text/convert_word.h"

namespace {

constexpr int kKorean = 6;

// 한국 (U+D55C U+AD6D) in each Korean code.
const std::u16string kWord = u"\uD55C\uAD6D";
const std::string kKsc = "\xC7\xD1\xB1\xB9";
const std::string kJohab = "\xD0\x65\x8A\x82";

std::string ucs2_bytes(const std::u16string& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2);
}

struct Spelling {
  int code;
  std::string bytes;
};

std::vector<Spelling> spellings(const std::u16string& wide, const std::string& ksc,
                                const std::string& johab) {
  return {{2, ucs2_bytes(wide)}, {6, ksc}, {7, johab}};
}

class KoreanWords : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(PhxCreateStopMemory(&stop), 0); }
  void TearDown() override { EXPECT_EQ(PhxClearStopMemory(stop), 0); }
  StopMemory* stop = nullptr;
};

TEST_F(KoreanWords, StopWordInEveryCode) {
  for (const Spelling& s : spellings(kWord, kKsc, kJohab)) {
    SCOPED_TRACE(s.code);
    StopMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateStopMemory(&fresh), 0);
    EXPECT_EQ(PhxAddStopWord(fresh, kKorean, s.code, s.bytes.c_str()), 0);
    EXPECT_TRUE(fresh->KoreanStopWords.has(kWord));
    EXPECT_EQ(PhxClearStopMemory(fresh), 0);
  }
}

TEST_F(KoreanWords, StopWordMustBeHangul) {
  struct Case {
    const char* name;
    int code;
    std::string word;
    int result;
  } const cases[] = {
      {"latin letter in KSC", 6, kKsc + "a", phx::kKoreanStopWord},
      {"latin letter in Johab", 7, "a" + kJohab, phx::kKoreanStopWord},
      {"latin letter in UCS2", 2, ucs2_bytes(u"\uD55Cx"), phx::kKoreanStopWord},
      {"space", 6, kKsc + " " + kKsc, phx::kKoreanStopWord},
      {"hanja", 6, "\xCA\xA1", phx::kKoreanStopWord},
      {"undecodable pair becomes _", 6, "\xC9\xA1", phx::kKoreanStopWord},
      {"compatibility jamo", 6, "\xA4\xA1", phx::kOk},
      {"jamo in Johab", 7, "\xDA\xA1", phx::kOk},
      {"uhc syllable", 6, "\x81\x41", phx::kOk},
      {"Japanese code", 3, kKsc, phx::kBadCharCode},
      {"Latin-1 code", 0, "abc", phx::kBadCharCode},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PhxAddStopWord(stop, kKorean, c.code, c.word.c_str()), c.result) << c.name;
  }
  EXPECT_TRUE(stop->KoreanStopWords.has(u"\u3131"));
  EXPECT_TRUE(stop->KoreanStopWords.has(u"\uAC02"));
  EXPECT_FALSE(stop->KoreanStopWords.has(u"\uD55C\uAD6Da"));
}

TEST_F(KoreanWords, StopPhraseAndGoPhraseInEveryCode) {
  // 한국 사람: two words joined by a space.
  const std::u16string phrase = kWord + u" \uC0AC\uB78C";
  const std::string ksc_phrase = kKsc + " \xBB\xE7\xB6\xF7";
  const std::string johab_phrase = kJohab + " \xAC\x61\x9C\x71";
  int match_type = 0;
  for (const Spelling& s : spellings(phrase, ksc_phrase, johab_phrase)) {
    SCOPED_TRACE(s.code);
    StopMemory* fresh = nullptr;
    ASSERT_EQ(PhxCreateStopMemory(&fresh), 0);
    EXPECT_EQ(PhxAddStopPhrase(fresh, kKorean, s.code, s.bytes.c_str()), 0);
    EXPECT_TRUE(fresh->KoreanStopPhrases.has(phrase));
    EXPECT_EQ(PhxAddGoPhrase(fresh, kKorean, s.code, s.bytes.c_str(), ++match_type), 0);
    std::int32_t stored = -1;
    EXPECT_EQ(fresh->KoreanGoTable.get_int(phrase, &stored), phx::kTableOk);
    EXPECT_EQ(stored, match_type);
    EXPECT_EQ(PhxClearStopMemory(fresh), 0);
  }
  EXPECT_EQ(PhxAddStopPhrase(stop, kKorean, 6, ""), phx::kKoreanStopPhrase);
}

TEST(KoreanResults, HandedOutInEveryKoreanCode) {
  for (const Spelling& s : spellings(kWord, kKsc, kJohab)) {
    SCOPED_TRACE(s.code);
    DocumentMemory* doc = nullptr;
    ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
    ASSERT_EQ(PhxSetOutputCode(doc, s.code), 0);
    ASSERT_EQ(phx::append_converted(doc->phrase_list, phx::WideView(kWord), doc->output_char_code), 0);
    doc->phrase_count = 1;
    const char* phrase = nullptr;
    ASSERT_EQ(PhxGetPhraseByIndex(doc, 0, &phrase), 0);
    if (s.code == 2) {
      EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(phrase)), kWord);
    } else {
      EXPECT_EQ(std::string(phrase), s.bytes);
    }
    EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
  }
}

TEST(KoreanConvertWord, BetweenEveryPairOfCodes) {
  for (const Spelling& from : spellings(kWord, kKsc, kJohab)) {
    for (const Spelling& to : spellings(kWord, kKsc, kJohab)) {
      phx::EncodedText out;
      ASSERT_EQ(phx::convert_word(from.bytes.c_str(), from.code, to.code, out), 0);
      if (to.code == 2) {
        EXPECT_EQ(out.wide, kWord);
      } else {
        EXPECT_EQ(out.bytes, to.bytes) << from.code << " to " << to.code;
      }
    }
  }
}

TEST(KoreanConvertWord, JapaneseAndKoreanMeetThroughUcs2) {
  // Hiragana あ has a code in KSC (row 10) and in Shift-JIS.
  phx::EncodedText out;
  ASSERT_EQ(phx::convert_word("\x82\xA0", 3, 6, out), 0);
  EXPECT_EQ(out.bytes, "\xAA\xA2");
  ASSERT_EQ(phx::convert_word("\xAA\xA2", 6, 3, out), 0);
  EXPECT_EQ(out.bytes, "\x82\xA0");
}

}  // namespace
