// Japanese and Korean picked by script in automatic mode.
#include <gtest/gtest.h>

#include "script_guess.h"

namespace {

using phraxis::Language;

struct ScriptCase {
  const char16_t* text;
  Language expected;
};

TEST(ScriptGuess, Table) {
  const ScriptCase cases[] = {
      {u"", Language::automatic},
      {u"12345 !?", Language::automatic},
      {u"The engine reads English text.", Language::automatic},
      {u"Le moteur lit le texte français.", Language::automatic},
      {u"日本語の文書を読みます。", Language::japanese},
      {u"カタカナだけ", Language::japanese},
      {u"ｶﾀｶﾅ", Language::japanese},
      // Kanji without any kana may as well be Chinese.
      {u"中文文本没有假名", Language::automatic},
      {u"한국어 문서를 읽습니다.", Language::korean},
      {u"PHRAXIS는 한국어 문서를 읽습니다.", Language::korean},
      // A few Japanese words in a mostly English text stay with the engine.
      {u"The word 日本 appears in this long English sentence about text.", Language::automatic},
      {u"Keyword extraction (キーワード抽出) is the task.", Language::automatic},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(phraxis_cli::guess_language_by_script(c.text), c.expected);
  }
}

}  // namespace
