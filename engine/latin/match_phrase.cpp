#include "latin/match_phrase.h"

#include <algorithm>


#include "api/sentence_record.h"
#include "text/byte_set.h"
#include "text/folding.h"
#include "text/latin1.h"

namespace phx {
namespace {

// Bytes that may stand between words and are skipped when gaps are ignored.
constexpr ByteSet kGaps(std::string_view(" \n\t\v\f\r\b'\x92\xA0\x1D\x1E"));
// Bytes that end a word for a whole-word match (besides the gaps).
constexpr ByteSet kWordBoundaries(std::string_view("().,;:[]{}!?<>~\"`*&^%#$@|+=_\xAB\xBB"));

bool ends_word(std::string_view text, int at) {
  if (at < 0 || at >= static_cast<int>(text.size())) return true;
  const char c = text[static_cast<std::size_t>(at)];
  return kGaps.contains(c) || kWordBoundaries.contains(c);
}

// A copy of a text for comparing, in a buffer that fits every text the
// matcher accepts.
class Comparable {
 public:
  Comparable(std::string_view text, int match_type)
      : length_(std::min(text.size(), kSentenceBufferBytes)) {
    const bool fold_case = (match_type & kMatchCase) == 0;
    const bool fold_accents = (match_type & kMatchAccents) == 0;
    for (std::size_t i = 0; i < length_; ++i) {
      char c = text[i];
      if (fold_case) lower_char(c);
      if (fold_accents) c = fold_accent(c);
      bytes_[i] = c;
    }
  }
  std::string_view view() const { return {bytes_, length_}; }

 private:
  char bytes_[kSentenceBufferBytes];
  std::size_t length_;
};

std::string_view trim_spaces(std::string_view text) {
  const std::size_t from = text.find_first_not_of(' ');
  if (from == std::string_view::npos) return {};
  return text.substr(from, text.find_last_not_of(' ') - from + 1);
}

bool find_substring(std::string_view text, std::string_view phrase, bool whole_words,
                    MatchSpan& span) {
  for (std::size_t at = text.find(phrase); at != std::string_view::npos;
       at = text.find(phrase, at + 1)) {
    const int first = static_cast<int>(at);
    const int last = first + static_cast<int>(phrase.size()) - 1;
    if (!whole_words || (ends_word(text, first - 1) && ends_word(text, last + 1))) {
      span = {first, last};
      return true;
    }
  }
  return false;
}

// The next space-separated word of `text` at or after `at`; empty at the end.
std::string_view next_word(std::string_view text, std::size_t& at) {
  while (at < text.size() && text[at] == ' ') ++at;
  const std::size_t from = at;
  while (at < text.size() && text[at] != ' ') ++at;
  return text.substr(from, at - from);
}

// Each word of the phrase inside the corresponding word of the text.
bool find_word_by_word(std::string_view text, std::string_view phrase, MatchSpan& span) {
  phrase = trim_spaces(phrase);
  if (phrase.empty()) return false;
  std::size_t start = 0;
  for (;;) {
    std::size_t text_at = start;
    const std::string_view first_word = next_word(text, text_at);
    if (first_word.empty()) return false;
    const auto word_start = static_cast<int>(first_word.data() - text.data());
    std::size_t compare_at = static_cast<std::size_t>(word_start);
    std::size_t phrase_at = 0;
    int word_end = -1;
    bool matched = true;
    for (;;) {
      const std::string_view phrase_word = next_word(phrase, phrase_at);
      if (phrase_word.empty()) break;
      const std::string_view text_word = next_word(text, compare_at);
      if (text_word.empty() || text_word.find(phrase_word) == std::string_view::npos) {
        matched = false;
        break;
      }
      word_end = static_cast<int>(text_word.data() - text.data() + text_word.size()) - 1;
    }
    if (matched && word_end >= 0) {
      span = {word_start, word_end};
      return true;
    }
    start = text_at;
  }
}

// The phrase byte by byte, with gaps on either side skipped.
bool find_ignoring_gaps(std::string_view text, std::string_view phrase, MatchSpan& span) {
  phrase = trim_spaces(phrase);
  if (phrase.empty()) return false;
  for (std::size_t start = 0; start < text.size(); ++start) {
    if (kGaps.contains(text[start])) continue;
    std::size_t t = start;
    std::size_t p = 0;
    int last = -1;
    for (;;) {
      while (p < phrase.size() && kGaps.contains(phrase[p])) ++p;
      if (p == phrase.size()) break;
      while (t < text.size() && kGaps.contains(text[t])) ++t;
      if (t == text.size() || text[t] != phrase[p]) {
        last = -1;
        break;
      }
      last = static_cast<int>(t);
      ++t;
      ++p;
    }
    if (last >= 0) {
      span = {static_cast<int>(start), last};
      return true;
    }
  }
  return false;
}

}  // namespace

MatchResult match_phrase(std::string_view text, std::string_view phrase, int match_type,
                         MatchSpan& span) {
  span = {};
  if (text.size() >= kSentenceBufferBytes || phrase.size() >= kSentenceBufferBytes) {
    return kTooLongToMatch;
  }
  if (phrase.empty()) return kNotMatched;
  const Comparable text_copy(text, match_type);
  const Comparable phrase_copy(phrase, match_type);
  const std::string_view t = text_copy.view();
  const std::string_view p = phrase_copy.view();
  if (find_substring(t, p, (match_type & kMatchWholeWords) != 0, span)) return kMatched;
  if ((match_type & kMatchWordByWord) != 0 && find_word_by_word(t, p, span)) return kMatched;
  if ((match_type & kMatchIgnoringGaps) != 0 && find_ignoring_gaps(t, p, span)) return kMatched;
  span = {};
  return kNotMatched;
}

}  // namespace phx
