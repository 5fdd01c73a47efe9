// The engine identifies English, French, German and Spanish by itself but
// not Japanese or Korean: in automatic mode the tool looks at the script of
// the text first. Text whose letters are mostly hangul is Korean; text whose
// letters are mostly kana and kanji, with some kana, is Japanese (kanji
// alone could as well be Chinese). Anything else is left to the engine.
#pragma once

#include <string_view>

#include "phraxis.hpp"

namespace phraxis_cli {

// japanese, korean or automatic.
phraxis::Language guess_language_by_script(std::u16string_view text);

}  // namespace phraxis_cli
