#include "script_guess.h"

namespace phraxis_cli {
namespace {

bool in(char16_t unit, char16_t first, char16_t last) { return unit >= first && unit <= last; }

bool is_kana(char16_t unit) {
  return in(unit, 0x3041, 0x309F) || in(unit, 0x30A0, 0x30FF) || in(unit, 0x31F0, 0x31FF) ||
         in(unit, 0xFF66, 0xFF9D);
}
bool is_kanji(char16_t unit) { return in(unit, 0x4E00, 0x9FFF) || in(unit, 0x3400, 0x4DBF); }
bool is_hangul(char16_t unit) {
  return in(unit, 0xAC00, 0xD7A3) || in(unit, 0x1100, 0x11FF) || in(unit, 0x3130, 0x318F);
}
bool is_latin_letter(char16_t unit) {
  return in(unit, u'A', u'Z') || in(unit, u'a', u'z') || in(unit, 0x00C0, 0x024F);
}

}  // namespace

phraxis::Language guess_language_by_script(std::u16string_view text) {
  std::size_t kana = 0;
  std::size_t kanji = 0;
  std::size_t hangul = 0;
  std::size_t latin = 0;
  for (char16_t unit : text) {
    if (is_kana(unit)) {
      ++kana;
    } else if (is_kanji(unit)) {
      ++kanji;
    } else if (is_hangul(unit)) {
      ++hangul;
    } else if (is_latin_letter(unit)) {
      ++latin;
    }
  }
  const std::size_t letters = kana + kanji + hangul + latin;
  if (letters == 0) return phraxis::Language::automatic;
  if (2 * hangul > letters) return phraxis::Language::korean;
  if (kana > 0 && 2 * (kana + kanji) > letters) return phraxis::Language::japanese;
  return phraxis::Language::automatic;
}

}  // namespace phraxis_cli
