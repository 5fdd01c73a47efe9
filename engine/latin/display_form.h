// How a variant is shown: each word in the spelling seen with the fewest
// capitals, except that a phrase mixing capitalised and lower-case words
// takes the capitalised spelling of its lower-case words when every one of
// them was also seen capitalised ("information Retrieval" is shown as
// "Information Retrieval"). Words in capitals (NASA) never change.
#pragma once

#include <string_view>

#include "latin/latin_language.h"

namespace phx {

void display_form(const LatinLanguage& language, std::string_view variant, PhraseBuffer& out,
                  const DocumentMemory& doc);

}  // namespace phx
