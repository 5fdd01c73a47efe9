#include "latin/stemmer.h"

#include "text/latin1.h"

namespace phx {
namespace {

void append_word_stem(std::string_view word, PhraseBuffer& stem, int n) {
  const auto limit = static_cast<std::size_t>(n < 0 ? 0 : n);
  if (word.size() > limit) {
    stem.append(word.substr(0, limit));
  } else if (!word.empty() && word.back() == 's') {
    stem.append(word.substr(0, word.size() - 1));
  } else {
    stem.append(word);
  }
}

}  // namespace

void stem_word(std::string_view word, PhraseBuffer& stem, int n) {
  stem.clear();
  append_word_stem(word, stem, n);
}

void stem_candidate(std::string_view candidate, PhraseBuffer& stem, int n) {
  stem.clear();
  bool first = true;
  for_each_phrase_word(candidate, [&](std::string_view word) {
    if (!first) stem.push_back(' ');
    first = false;
    append_word_stem(word, stem, n);
  });
}

bool has_adjective_ending(std::string_view text) {
  const std::size_t space = text.rfind(' ');
  if (space != std::string_view::npos) text = text.substr(space + 1);
  for (std::string_view ending : {"al", "ic", "ly", "ous", "ive", "ary", "ist", "ed", "en"}) {
    if (text.ends_with(ending)) return true;
  }
  return text.size() >= 4 && (text.ends_with("able") || text.ends_with("ible"));
}

bool starts_with_two_capitals(std::string_view text) {
  return text.size() >= 2 && is_upper(text[0]) && is_upper(text[1]);
}

bool is_capitalised(std::string_view word) {
  return word.size() >= 2 && is_upper(word[0]) && is_lower(word[1]);
}

bool all_words_capitalised(std::string_view phrase) {
  bool all = true;
  for_each_phrase_word(phrase, [&](std::string_view word) { all = all && is_capitalised(word); });
  return all;
}

}  // namespace phx
