#include "text/wide_conversions.h"

#include <array>
#include <cstdint>

#include "text/folding.h"
#include "text/wide_classes.h"
#include "text/wide_width_tables.h"

namespace phx {
namespace {

constexpr bool is_unified_kanji(char16_t u) { return u >= 0x4E00 && u <= 0x9FA0; }

// The fullwidth characters that have a single halfwidth form live in three
// small ranges; each range gets a table back to the halfwidth form.
constexpr char16_t kKanaFirst = 0x3000;  // ideographic space to U+30FF
constexpr char16_t kKanaLast = 0x30FF;
constexpr char16_t kJamoFirst = 0x3131;
constexpr char16_t kJamoLast = 0x3164;

struct HalfwidthTables {
  std::array<char16_t, kKanaLast - kKanaFirst + 1> kana{};
  std::array<char16_t, kJamoLast - kJamoFirst + 1> jamo{};
};

const HalfwidthTables& halfwidth_tables() {
  static const HalfwidthTables tables = [] {
    HalfwidthTables t;
    for (char16_t half = kFirstHalfwidthForm;; ++half) {
      char16_t full = kHalfwidthToFullwidth[half - kFirstHalfwidthForm];
      if (full >= kKanaFirst && full <= kKanaLast) {
        t.kana[full - kKanaFirst] = half;
      } else if (full >= kJamoFirst && full <= kJamoLast) {
        t.jamo[full - kJamoFirst] = half;
      }
      if (half == kLastHalfwidthForm) break;
    }
    return t;
  }();
  return tables;
}

// The katakana that take a voiced mark, and those that take a semi-voiced one.
constexpr bool takes_voiced_mark(char16_t u) {
  switch (u) {
    case u'ウ': case u'カ': case u'キ': case u'ク': case u'ケ': case u'コ': case u'サ':
    case u'シ': case u'ス': case u'セ': case u'ソ': case u'タ': case u'チ': case u'ツ':
    case u'テ': case u'ト': case u'ハ': case u'ヒ': case u'フ': case u'ヘ': case u'ホ':
      return true;
    default:
      return false;
  }
}
constexpr bool takes_semi_voiced_mark(char16_t u) {
  return u == u'ハ' || u == u'ヒ' || u == u'フ' || u == u'ヘ' || u == u'ホ';
}
constexpr char16_t kHalfwidthVoicedMark = 0xFF9E;
constexpr char16_t kHalfwidthSemiVoicedMark = 0xFF9F;

template <class Convert>
void map_units(WideChar* text, Convert convert) {
  if (text == nullptr) return;
  for (; *text != 0; ++text) *text = convert(*text);
}

template <class Rewrite>
void rewrite_string(std::u16string& text, Rewrite rewrite) {
  rewrite(text.data());
  text.resize(std::u16string::traits_type::length(text.c_str()));
}

}  // namespace

char16_t to_fullwidth(char16_t u) {
  if (is_unified_kanji(u)) return u;
  if (u == 0x0020) return 0x3000;
  if (u >= 0x0021 && u <= 0x007E) return static_cast<char16_t>(u + 0xFEE0);
  if (u >= kFirstHalfwidthForm && u <= kLastHalfwidthForm) {
    char16_t full = kHalfwidthToFullwidth[u - kFirstHalfwidthForm];
    return full != 0 ? full : u;
  }
  return u;
}

char16_t to_halfwidth(char16_t u) {
  if (is_unified_kanji(u)) return u;
  if (u == 0x3000) return 0x0020;
  if (u >= 0xFF01 && u <= 0xFF5E) return static_cast<char16_t>(u - 0xFEE0);
  const HalfwidthTables& tables = halfwidth_tables();
  if (u >= kKanaFirst && u <= kKanaLast && tables.kana[u - kKanaFirst] != 0) {
    return tables.kana[u - kKanaFirst];
  }
  if (u >= kJamoFirst && u <= kJamoLast && tables.jamo[u - kJamoFirst] != 0) {
    return tables.jamo[u - kJamoFirst];
  }
  return u;
}

char16_t fold_accent(char16_t u) {
  return u < 0x100 ? static_cast<char16_t>(kAccentFoldTable[u]) : u;
}

void wide_fold_case(WideChar* text) { map_units(text, fold_latin_case); }
void wide_to_fullwidth(WideChar* text) { map_units(text, to_fullwidth); }
void wide_to_fullwidth_keep_space(WideChar* text) {
  map_units(text, [](char16_t u) { return u == 0x0020 ? u : to_fullwidth(u); });
}
void wide_to_halfwidth(WideChar* text) { map_units(text, to_halfwidth); }
void wide_fold_accents(WideChar* text) {
  map_units(text, [](char16_t u) { return fold_accent(u); });
}

std::size_t wide_compose_voiced(WideChar* text) {
  if (text == nullptr) return 0;
  std::size_t out = 0;
  for (std::size_t in = 0; text[in] != 0; ++in) {
    char16_t unit = to_fullwidth(text[in]);
    char16_t next = text[in + 1];
    if (next == kHalfwidthVoicedMark && takes_voiced_mark(unit)) {
      unit = unit == u'ウ' ? u'ヴ' : static_cast<char16_t>(unit + 1);
      ++in;
    } else if (next == kHalfwidthSemiVoicedMark && takes_semi_voiced_mark(unit)) {
      unit = static_cast<char16_t>(unit + 2);
      ++in;
    }
    text[out++] = unit;
  }
  text[out] = 0;
  return out;
}

void wide_normalise_dashes(WideChar* text) {
  if (text == nullptr || text[0] == 0) return;
  for (std::size_t i = 1; text[i] != 0; ++i) {
    if (!is_dash(text[i])) continue;
    if (is_katakana(text[i - 1])) {
      text[i] = 0x30FC;
    } else if (is_latin_letter(text[i - 1])) {
      text[i] = 0xFF0D;
    }
  }
}

void wide_fold_case(std::u16string& text) { rewrite_string(text, [](WideChar* t) { wide_fold_case(t); }); }
void wide_to_fullwidth(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_to_fullwidth(t); });
}
void wide_to_fullwidth_keep_space(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_to_fullwidth_keep_space(t); });
}
void wide_to_halfwidth(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_to_halfwidth(t); });
}
void wide_fold_accents(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_fold_accents(t); });
}
void wide_compose_voiced(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_compose_voiced(t); });
}
void wide_normalise_dashes(std::u16string& text) {
  rewrite_string(text, [](WideChar* t) { wide_normalise_dashes(t); });
}

}  // namespace phx
