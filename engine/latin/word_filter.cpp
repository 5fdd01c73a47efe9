#include "latin/word_filter.h"

#include "stopmem/stop_memory.h"
#include "text/latin1.h"

namespace phx {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool strip_word(const LatinLanguage& language, std::string_view token, PhraseBuffer& normal) {
  normal.clear();
  if (token.size() > kMaxPhraseBytes) return false;
  int digits = 0;
  bool word_started = false;
  bool trailer_started = false;
  std::size_t removed = 0;
  for (char c : token) {
    c = to_lower(c);
    if (is_digit(c) && ++digits > kMaxWordDigits) return false;
    const bool word_character = language.word_characters.contains(c);
    const bool punctuation = language.punctuation.contains(c);
    if (!word_character && !punctuation) return false;
    // Punctuation may surround the word but not stand inside it. The
    // apostrophe is both: inside a word it rejects it (don't), at its end it
    // is trailing punctuation (students').
    if (!word_started) {
      word_started = word_character;
    } else if (!trailer_started) {
      trailer_started = punctuation;
    } else if (word_character) {
      return false;
    }
    if (punctuation) {
      ++removed;
    } else {
      normal.push_back(c);
    }
  }
  if (removed > static_cast<std::size_t>(language.max_punctuation_removed)) {
    normal.clear();
    return false;
  }
  return true;
}

bool has_word_shape(const LatinLanguage& language, std::string_view form) {
  if (form.size() < kMinWordBytes) return false;
  if (!language.letters.contains(form.front())) return false;
  if (form.back() == '-' || form.back() == '/') return false;
  if (form.find("--") != std::string_view::npos) return false;
  if (form.size() == 3 && is_digit(form[1]) && language.letters.contains(form[2])) return false;
  if (form.find_first_not_of(form.front()) == std::string_view::npos) return false;
  return true;
}

bool has_part_not_in(std::string_view form, const TextTable& stop_words) {
  std::size_t start = 0;
  while (start <= form.size()) {
    std::size_t end = form.find_first_of("-/", start);
    if (end == std::string_view::npos) end = form.size();
    const std::string_view part = form.substr(start, end - start);
    // An empty part (as in "x/-y") is no word and decides nothing.
    if (!part.empty() && !stop_words.has(part)) return true;
    start = end + 1;
  }
  return false;
}

bool passes_stop_lists(const LatinLanguage& language, std::string_view form,
                       const StopMemory& stop) {
  const TextTable& stop_words = stop.*language.stop_words;
  if (stop_words.has(form) || (stop.*language.stop_verbs).has(form)) return false;
  if (form.find_first_of("-/") == std::string_view::npos) return true;
  return has_part_not_in(form, stop_words);
}

void normalise_word(const LatinLanguage& language, std::string_view token, PhraseBuffer& normal,
                    const StopMemory& stop) {
  if (!strip_word(language, token, normal) || !has_word_shape(language, normal) ||
      !passes_stop_lists(language, normal, stop)) {
    normal.clear();
  }
}

}  // namespace phx
