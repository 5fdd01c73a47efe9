// The French token reader: the reference reader with the apostrophes (' and
// the right single quotation mark) as separators too, so that l'homme gives
// "l" and "homme". Language identification reads every Latin-script text
// with it, since elided French words are among its surest hits.
#pragma once

#include <cstddef>
#include <string_view>

#include "latin/latin_language.h"
#include "latin/token_reader.h"

namespace phx {

const TokenCharacters& french_token_characters();

TokenRead read_french_token(TokenBuffer& token, std::size_t max_len, std::string_view buffer,
                            std::size_t& position, DocumentMemory& doc);

}  // namespace phx
