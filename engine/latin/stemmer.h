// The stemmer that lets variants of a word meet (network, networks and
// Network), and the small tests of a word's shape that selection uses.
//
// A stem is the word cut to n bytes; a word not longer than n only loses a
// final "s". Crude, but cheap and predictable: with n = 6, "analysis" and
// "analyses" meet as "analys", while "news" becomes "new".
#pragma once

#include <string_view>

#include "latin/latin_language.h"

namespace phx {

void stem_word(std::string_view word, PhraseBuffer& stem, int n);
// Stems each word (up to three) of a candidate and joins the stems with spaces.
void stem_candidate(std::string_view candidate, PhraseBuffer& stem, int n);

// The text (for a phrase: its last word) ends like an English adjective:
// al, ic, ly, ous, ive, ary, ist, ed, en, or (4 bytes or more) able, ible.
bool has_adjective_ending(std::string_view text);
// The first two bytes are capitals (NASA, IBM, TV set).
bool starts_with_two_capitals(std::string_view text);
// A capital followed by a small letter (Paris; not NASA, not paris).
bool is_capitalised(std::string_view word);
// Every word (up to three) of the phrase is capitalised.
bool all_words_capitalised(std::string_view phrase);

// Calls f(word) for each space-separated word of a phrase, at most three.
template <class F>
void for_each_phrase_word(std::string_view phrase, F&& f) {
  int words = 0;
  std::size_t start = 0;
  while (start <= phrase.size() && words < kMaxPhraseWords) {
    std::size_t end = phrase.find(' ', start);
    if (end == std::string_view::npos) end = phrase.size();
    f(phrase.substr(start, end - start));
    ++words;
    start = end + 1;
  }
}

}  // namespace phx
