// Foldings of Latin-1 text that make differently accented spellings of a word
// meet: German umlauts (ä -> a, ß -> ss), Spanish accents (á -> a, but ñ, ü
// and ç stay, since they change the word), and the full accent folding used
// when phrases are matched regardless of accents.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace phx {

// ä, ö, ü (and capitals) lose their dots; every ß becomes "ss".
std::string fold_umlauts(std::string_view text);

// Acute, grave, circumflex and tilde vowels become plain vowels (ñ, ü, ç and
// the rest stay), in place.
void fold_accents(char* text);
void fold_accents(std::string& text);

// Every accented Latin-1 letter to its base letter (æ to a, ß to s, ø to o).
extern const std::array<std::uint8_t, 256> kAccentFoldTable;
inline char fold_accent(char c) {
  return static_cast<char>(kAccentFoldTable[static_cast<unsigned char>(c)]);
}

}  // namespace phx
