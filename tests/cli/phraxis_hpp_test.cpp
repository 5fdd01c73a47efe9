// include/phraxis.hpp: handles owned and released, engine errors as
// exceptions with the engine's code and text, and the extract convenience.
#include "phraxis.hpp"

#include <gtest/gtest.h>

#include <thread>

namespace {

using phraxis::CharCode;
using phraxis::Language;

const std::string kEnglish =
    "A digital library holds many documents. Readers of a digital library need key phrases, "
    "and key phrases come from keyphrase extraction. Keyphrase extraction reads each document "
    "of the digital library once and ranks its key phrases by frequency and position.";

// The engine's error code of a call that must fail.
template <typename Call>
int error_code_of(Call call) {
  try {
    call();
  } catch (const phraxis::Error& error) {
    return error.code();
  }
  return 0;
}

TEST(PhraxisHpp, ErrorCarriesCodeAndEngineMessage) {
  const phraxis::Error error(5);
  EXPECT_EQ(error.code(), 5);
  EXPECT_STREQ(error.what(), "ERROR: LanguageID is out of range. \n");
  EXPECT_EQ(phraxis::error_message(20), "ERROR: Error Code is UNKNOWN. \n");
  EXPECT_NO_THROW(phraxis::check(0));
  EXPECT_THROW(phraxis::check(1), phraxis::Error);
}

TEST(PhraxisHpp, EngineRefusalsBecomeExceptions) {
  phraxis::StopMemory stop;
  phraxis::Document document(stop);
  struct Case {
    const char* name;
    std::function<void()> call;
    int code;
  };
  const Case cases[] = {
      {"language", [&] { document.set_language(static_cast<Language>(9)); }, 5},
      {"input code", [&] { document.set_input_code(static_cast<CharCode>(8)); }, 4},
      {"highlight type", [&] { document.set_highlight_type(32); }, 19},
      {"phrase before the end", [&] { (void)document.phrase(0); }, 17},
      {"score before the end", [&] { (void)document.score(0); }, 17},
      {"highlight index", [&] { (void)document.highlight(-1); }, 18},
      {"stop word with a capital",
       [&] { stop.add_stop_word(Language::english, CharCode::latin1, "The"); }, 7},
      {"stop word for Japanese",
       [&] { stop.add_stop_word(Language::japanese, CharCode::ucs2, phraxis::from_u16(u"再度")); },
       5},
      {"empty go phrase", [&] { stop.add_go_phrase(Language::english, CharCode::latin1, ""); }, 24},
      {"go match type", [&] { stop.add_go_phrase(Language::english, CharCode::latin1, "a", 128); },
       23},
  };
  for (const auto& c : cases) EXPECT_EQ(error_code_of(c.call), c.code) << c.name;
}

TEST(PhraxisHpp, DocumentServesOneDocument) {
  phraxis::StopMemory stop;
  phraxis::Document document(stop);
  document.set_language(Language::english);
  document.read(kEnglish);
  document.end();
  EXPECT_EQ(error_code_of([&] { document.read("more"); }), 25);
  EXPECT_EQ(error_code_of([&] { document.end(); }), 25);
}

TEST(PhraxisHpp, MovesTransferOwnership) {
  phraxis::StopMemory first;
  ::StopMemory* handle = first.handle();
  phraxis::StopMemory second(std::move(first));
  EXPECT_EQ(first.handle(), nullptr);
  EXPECT_EQ(second.handle(), handle);
  phraxis::StopMemory third;
  third = std::move(second);
  EXPECT_EQ(third.handle(), handle);

  phraxis::Document document(third);
  document.set_output_code(CharCode::ucs2);
  ::DocumentMemory* doc_handle = document.handle();
  phraxis::Document moved(std::move(document));
  EXPECT_EQ(document.handle(), nullptr);
  EXPECT_EQ(moved.handle(), doc_handle);
  EXPECT_EQ(moved.output_code(), CharCode::ucs2);
  phraxis::Document other(third);
  other = std::move(moved);
  EXPECT_EQ(other.handle(), doc_handle);
  // The sanitizer build catches a handle released twice or never.
}

TEST(PhraxisHpp, TextHelpers) {
  EXPECT_EQ(phraxis::to_u16(phraxis::from_u16(u"日本 key")), u"日本 key");
  EXPECT_EQ(phraxis::to_u16(std::string("a\0b", 3)), u"a");
  const char16_t units[] = u"ab";
  EXPECT_EQ(phraxis::engine_text(reinterpret_cast<const char*>(units), CharCode::ucs2),
            std::string("a\0b\0", 4));
  EXPECT_EQ(phraxis::engine_text("latin", CharCode::latin1), "latin");
  EXPECT_EQ(phraxis::engine_text(nullptr, CharCode::ucs2), "");
}

TEST(PhraxisHpp, ExtractEnglish) {
  phraxis::StopMemory stop;
  phraxis::Options options;
  options.language = Language::english;
  const auto result = phraxis::extract(stop, kEnglish, options);
  EXPECT_EQ(result.language, Language::english);
  EXPECT_GT(result.word_count, 30);
  EXPECT_GT(result.content_word_count, 0);
  EXPECT_TRUE(result.whole_document_read);
  ASSERT_FALSE(result.phrases.empty());
  for (std::size_t i = 1; i < result.phrases.size(); ++i) {
    EXPECT_GE(result.phrases[i - 1].score, result.phrases[i].score);
  }
}

TEST(PhraxisHpp, Ucs2InAndOutGivesTheSamePhrases) {
  phraxis::StopMemory stop;
  phraxis::Options latin;
  latin.language = Language::english;
  phraxis::Options wide = latin;
  wide.input_code = CharCode::ucs2;
  wide.output_code = CharCode::ucs2;
  std::u16string units(kEnglish.begin(), kEnglish.end());
  const auto from_latin = phraxis::extract(stop, kEnglish, latin);
  const auto from_wide = phraxis::extract(stop, phraxis::from_u16(units), wide);
  ASSERT_EQ(from_latin.phrases.size(), from_wide.phrases.size());
  for (std::size_t i = 0; i < from_latin.phrases.size(); ++i) {
    const std::u16string phrase = phraxis::to_u16(from_wide.phrases[i].text);
    EXPECT_EQ(std::string(phrase.begin(), phrase.end()), from_latin.phrases[i].text);
    EXPECT_EQ(from_wide.phrases[i].score, from_latin.phrases[i].score);
  }
}

TEST(PhraxisHpp, StopPhraseIsNeverGiven) {
  phraxis::StopMemory stop;
  phraxis::Options options;
  options.language = Language::english;
  const auto before = phraxis::extract(stop, kEnglish, options);
  ASSERT_FALSE(before.phrases.empty());
  std::string best = before.phrases.front().text;
  for (char& c : best) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  stop.add_stop_phrase(Language::english, CharCode::latin1, best);
  const auto after = phraxis::extract(stop, kEnglish, options);
  for (const auto& phrase : after.phrases) EXPECT_NE(phrase.text, before.phrases.front().text);
}

TEST(PhraxisHpp, DocumentsOnThreadsShareOneStopMemory) {
  phraxis::StopMemory stop;
  phraxis::Options options;
  options.language = Language::english;
  const auto expected = phraxis::extract(stop, kEnglish, options);
  std::vector<std::vector<phraxis::Phrase>> results(8);
  std::vector<std::thread> threads;
  for (auto& result : results) {
    threads.emplace_back([&] {
      for (int repeat = 0; repeat < 5; ++repeat) result = phraxis::extract(stop, kEnglish, options).phrases;
    });
  }
  for (auto& thread : threads) thread.join();
  for (const auto& result : results) {
    ASSERT_EQ(result.size(), expected.phrases.size());
    for (std::size_t i = 0; i < result.size(); ++i) {
      EXPECT_EQ(result[i].text, expected.phrases[i].text);
      EXPECT_EQ(result[i].score, expected.phrases[i].score);
    }
  }
}

}  // namespace
