#include "text/folding.h"

namespace phx {
namespace {

constexpr std::array<std::uint8_t, 256> make_accent_fold_table() {
  std::array<std::uint8_t, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<std::uint8_t>(i);
  auto range = [&](int from, int to, char base) {
    for (int i = from; i <= to; ++i) table[i] = static_cast<std::uint8_t>(base);
  };
  range(0xC0, 0xC6, 'A');
  range(0xC7, 0xC7, 'C');
  range(0xC8, 0xCB, 'E');
  range(0xCC, 0xCF, 'I');
  range(0xD0, 0xD0, 'D');
  range(0xD1, 0xD1, 'N');
  range(0xD2, 0xD6, 'O');
  range(0xD8, 0xD8, 'O');
  range(0xD9, 0xDC, 'U');
  range(0xDD, 0xDD, 'Y');
  range(0xDF, 0xDF, 's');
  range(0xE0, 0xE6, 'a');
  range(0xE7, 0xE7, 'c');
  range(0xE8, 0xEB, 'e');
  range(0xEC, 0xEF, 'i');
  range(0xF0, 0xF0, 'd');
  range(0xF1, 0xF1, 'n');
  range(0xF2, 0xF6, 'o');
  range(0xF8, 0xF8, 'o');
  range(0xF9, 0xFC, 'u');
  range(0xFD, 0xFD, 'y');
  range(0xFF, 0xFF, 'y');
  return table;
}

char spanish_fold(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xC1: case 0xC2: case 0xC0: case 0xC3: return 'A';
    case 0xC9: case 0xCA: case 0xC8: return 'E';
    case 0xCD: case 0xCE: case 0xCC: return 'I';
    case 0xD3: case 0xD4: case 0xD2: return 'O';
    case 0xDA: case 0xDB: case 0xD9: return 'U';
    case 0xE1: case 0xE2: case 0xE0: case 0xE3: return 'a';
    case 0xE9: case 0xEA: case 0xE8: return 'e';
    case 0xED: case 0xEE: case 0xEC: return 'i';
    case 0xF3: case 0xF4: case 0xF2: return 'o';
    case 0xFA: case 0xFB: case 0xF9: return 'u';
    default: return c;
  }
}

}  // namespace

const std::array<std::uint8_t, 256> kAccentFoldTable = make_accent_fold_table();

std::string fold_umlauts(std::string_view text) {
  std::string folded;
  folded.reserve(text.size() + 4);
  for (char c : text) {
    switch (static_cast<unsigned char>(c)) {
      case 0xE4: folded += 'a'; break;
      case 0xC4: folded += 'A'; break;
      case 0xF6: folded += 'o'; break;
      case 0xD6: folded += 'O'; break;
      case 0xFC: folded += 'u'; break;
      case 0xDC: folded += 'U'; break;
      case 0xDF: folded += "ss"; break;
      default: folded += c; break;
    }
  }
  return folded;
}

void fold_accents(char* text) {
  if (text == nullptr) return;
  for (; *text != '\0'; ++text) *text = spanish_fold(*text);
}

void fold_accents(std::string& text) {
  for (char& c : text) c = spanish_fold(c);
}

}  // namespace phx
