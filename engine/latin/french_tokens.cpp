#include "latin/french_tokens.h"

#include "latin/latin_characters.h"

namespace phx {
namespace {

constexpr std::string_view kApostrophes = "'\x92";

constexpr TokenCharacters make_french_token_characters() {
  TokenCharacters characters{join_sets(kSeparatorBytes, kApostrophes),
                             join_sets(kSeparatorBytes, kApostrophes)};
  characters.layout.add(static_cast<unsigned char>(kGroupSeparator));
  characters.layout.add(static_cast<unsigned char>(kRecordSeparator));
  return characters;
}

constexpr TokenCharacters kFrenchTokenCharacters = make_french_token_characters();

}  // namespace

const TokenCharacters& french_token_characters() { return kFrenchTokenCharacters; }

TokenRead read_french_token(TokenBuffer& token, std::size_t max_len, std::string_view buffer,
                            std::size_t& position, DocumentMemory& doc) {
  return read_token(token, max_len, buffer, position, doc, kFrenchTokenCharacters);
}

}  // namespace phx
