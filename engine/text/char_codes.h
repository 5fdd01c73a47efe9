// The languages and character codes the engine knows, and which codes each
// language accepts. DO NOT CHANGE THESE VALUES: they are part of the public
// interface.
#pragma once

namespace phx {

enum LanguageId : int {
  kAutomatic = 0,
  kEnglish = 1,
  kFrench = 2,
  kJapanese = 3,
  kGerman = 4,
  kSpanish = 5,
  kKorean = 6,
};
inline constexpr int kLanguageCount = 7;

enum CharCodeId : int {
  kLatin1 = 0,
  kCodePage437 = 1,
  kUcs2 = 2,
  kShiftJis = 3,
  kJis = 4,
  kEucJp = 5,
  kKsc = 6,
  kJohab = 7,
};
inline constexpr int kCharCodeCount = 8;

inline constexpr bool is_latin_script(int language) {
  return language == kAutomatic || language == kEnglish || language == kFrench ||
         language == kGerman || language == kSpanish;
}

// 0 if `language` accepts `code`; 4 if the language is known but the code is
// not accepted (or unknown); 5 if the language is unknown.
inline constexpr int code_suits_language(int language, int code) {
  if (language < 0 || language >= kLanguageCount) return 5;
  switch (language) {
    case kJapanese:
      return (code == kUcs2 || code == kShiftJis || code == kJis || code == kEucJp) ? 0 : 4;
    case kKorean:
      return (code == kUcs2 || code == kKsc || code == kJohab) ? 0 : 4;
    default:
      return (code == kLatin1 || code == kCodePage437 || code == kUcs2) ? 0 : 4;
  }
}

}  // namespace phx
