// The caller's stop words, stop phrases and go phrases: checked, turned into
// the internal form of their language and added to the StopMemory.
#include <string>
#include <string_view>

#include "api/error_codes.h"
#include "stopmem/stop_memory.h"
#include "text/byte_set.h"
#include "text/char_codes.h"
#include "text/convert_word.h"
#include "text/folding.h"
#include "text/latin1.h"
#include "text/ucs2.h"
#include "text/wide_classes.h"

namespace phx {
namespace {

// A go phrase must be shorter than this, in bytes or, for UCS2, in units.
constexpr std::size_t kGoPhraseLimit = 255;
// German folded copies are made only of words up to this length.
constexpr std::size_t kGermanFoldWordLimit = 126;
constexpr std::size_t kGermanFoldPhraseLimit = 126;

// The characters a Latin-script stop word may hold: lower-case letters,
// digits, "-" and "/". No capital, space or apostrophe, so a French elision
// such as j'ai is two words.
constexpr std::string_view kStopWordCharacters =
    "a\xE0\xE1\xE2\xE3\xE4\xE5\xE6"
    "bc\xE7"
    "d\xF0"
    "e\xE8\xE9\xEA\xEB"
    "fghi\xEC\xED\xEE\xEF"
    "jklmn\xF1"
    "o\xF2\xF3\xF4\xF5\xF6"
    "pqrs\xDF"
    "tu\xF9\xFA\xFB\xFC"
    "vwxy\xFD"
    "z0123456789-/";
constexpr ByteSet kStopWordSet(kStopWordCharacters);

constexpr ByteSet make_stop_phrase_set() {
  ByteSet set(kStopWordCharacters);
  set.add(' ');
  return set;
}
constexpr ByteSet kStopPhraseSet = make_stop_phrase_set();

// Spanish stop phrases: lower-case letters, space, "-" and "/" only.
constexpr ByteSet make_spanish_phrase_set() {
  ByteSet set(" -/");
  for (int c = 0; c < 256; ++c) {
    if (is_lower(static_cast<unsigned char>(c))) set.add(static_cast<unsigned char>(c));
  }
  return set;
}
constexpr ByteSet kSpanishPhraseSet = make_spanish_phrase_set();

bool all_in(std::string_view text, const ByteSet& set) {
  for (char c : text) {
    if (!set.contains(c)) return false;
  }
  return true;
}

struct LatinTables {
  TextTable* stop_words;
  TextTable* stop_phrases;
  int stop_word_error;
  int stop_phrase_error;
};

LatinTables latin_tables(StopMemory& stop, int language) {
  switch (language) {
    case kEnglish:
      return {&stop.EnglishStopWords, &stop.EnglishStopPhrases, kEnglishStopWord, kEnglishStopPhrase};
    case kFrench:
      return {&stop.FrenchStopWords, &stop.FrenchStopPhrases, kFrenchStopWord, kFrenchStopPhrase};
    case kGerman:
      return {&stop.GermanStopWords, &stop.GermanStopPhrases, kGermanStopWord, kGermanStopPhrase};
    case kSpanish:
      return {&stop.SpanishStopWords, &stop.SpanishStopPhrases, kSpanishStopWord, kSpanishStopPhrase};
    default: return {};
  }
}

// The internal form of a caller's text: Latin-1 for the Latin-script
// languages, UCS2 for Japanese and Korean.
int to_internal_form(const char* text, int language, int char_code, EncodedText& out) {
  int internal = is_latin_script(language) ? kLatin1 : kUcs2;
  return convert_word(text, char_code, internal, out) == 0 ? kOk : kNoMemory;
}

int put_one(TextTable& table, std::string_view key) {
  int result = table.put_int(key, 1);
  // An empty key is refused by the table and simply adds nothing.
  return result == kTableNoMemory ? kNoMemory : kOk;
}
int put_one(WideTable& table, WideView key) {
  int result = table.put_int(key, 1);
  return result == kTableNoMemory ? kNoMemory : kOk;
}

int check_language_and_code(int language, int char_code) {
  if (language < kEnglish || language > kKorean) return kBadLanguage;
  return code_suits_language(language, char_code) == 0 ? kOk : kBadCharCode;
}

bool is_empty_text(const char* text, int char_code) {
  if (text == nullptr) return true;
  return char_code == kUcs2 ? wide_unit_at(text, 0) == 0 : text[0] == '\0';
}

}  // namespace

int add_stop_word(StopMemory& stop, int language, int char_code, const char* word) {
  if (language == kJapanese) return kBadLanguage;  // Japanese has no stop words
  if (int result = check_language_and_code(language, char_code); result != kOk) return result;
  if (language == kKorean) {
    if (word == nullptr) return kKoreanStopWord;
    EncodedText converted;
    if (to_internal_form(word, language, char_code, converted) != kOk) return kNoMemory;
    for (char16_t unit : converted.wide) {
      if (!is_hangul(unit)) return kKoreanStopWord;
    }
    return put_one(stop.KoreanStopWords, converted.wide);
  }

  LatinTables tables = latin_tables(stop, language);
  if (word == nullptr) return tables.stop_word_error;
  EncodedText converted;
  if (to_internal_form(word, language, char_code, converted) != kOk) return kNoMemory;
  const std::string& text = converted.bytes;
  if (!all_in(text, kStopWordSet)) return tables.stop_word_error;
  if (int result = put_one(*tables.stop_words, text); result != kOk) return result;
  try {
    if (language == kGerman && text.size() <= kGermanFoldWordLimit) {
      return put_one(*tables.stop_words, fold_umlauts(text));
    }
    if (language == kSpanish) {
      // The folded copy is made of the whole word, however long.
      std::string folded = text;
      fold_accents(folded);
      return put_one(*tables.stop_words, folded);
    }
  } catch (const std::bad_alloc&) {
    return kNoMemory;
  }
  return kOk;
}

int add_stop_phrase(StopMemory& stop, int language, int char_code, const char* phrase) {
  if (int result = check_language_and_code(language, char_code); result != kOk) return result;
  static constexpr int kEmptyPhraseError[] = {kOk, kEnglishStopPhrase, kFrenchStopPhrase,
                                              kJapaneseStopPhrase, kGermanStopPhrase,
                                              kSpanishStopPhrase, kKoreanStopPhrase};
  if (is_empty_text(phrase, char_code)) return kEmptyPhraseError[language];

  EncodedText converted;
  if (to_internal_form(phrase, language, char_code, converted) != kOk) return kNoMemory;
  if (language == kJapanese) return put_one(stop.JapaneseStopPhrases, converted.wide);
  if (language == kKorean) return put_one(stop.KoreanStopPhrases, converted.wide);

  LatinTables tables = latin_tables(stop, language);
  const std::string& text = converted.bytes;
  const ByteSet& allowed = language == kSpanish ? kSpanishPhraseSet : kStopPhraseSet;
  if (!all_in(text, allowed)) return tables.stop_phrase_error;
  if (int result = put_one(*tables.stop_phrases, text); result != kOk) return result;
  try {
    if (language == kGerman && text.size() <= kGermanFoldPhraseLimit) {
      return put_one(*tables.stop_phrases, fold_umlauts(text));
    }
    if (language == kSpanish) {
      std::string folded = text;
      fold_accents(folded);
      return put_one(*tables.stop_phrases, folded);
    }
  } catch (const std::bad_alloc&) {
    return kNoMemory;
  }
  return kOk;
}

int add_go_phrase(StopMemory& stop, int language, int char_code, const char* phrase,
                  int match_type) {
  if (int result = check_language_and_code(language, char_code); result != kOk) return result;
  if (match_type < 0 || match_type > 127) return kBadMatchType;
  if (phrase == nullptr) return kBadGoPhrase;
  std::size_t length = char_code == kUcs2 ? wide_length_at(phrase) : std::string_view(phrase).size();
  if (length == 0 || length >= kGoPhraseLimit) return kBadGoPhrase;

  EncodedText converted;
  if (to_internal_form(phrase, language, char_code, converted) != kOk) return kNoMemory;
  GoPhrases go = go_phrases(stop, language);
  if (go.wide_table != nullptr) {
    WideView text = converted.wide;
    go.list->last();
    if (go.list->append_text(text) != kListOk) return kNoMemory;
    // A phrase that converts to nothing is kept in the list but has no key.
    if (go.wide_table->put_int(text, match_type) == kTableNoMemory) return kNoMemory;
  } else {
    std::string_view text = converted.bytes;
    go.list->last();
    if (go.list->append_text(text) != kListOk) return kNoMemory;
    if (go.table->put_int(text, match_type) == kTableNoMemory) return kNoMemory;
  }
  ++*go.count;
  return kOk;
}

}  // namespace phx
