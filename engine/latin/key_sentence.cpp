#include "latin/key_sentence.h"

#include <algorithm>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/match_phrase.h"
#include "latin/selection.h"
#include "latin/sentence_buffer.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr std::string_view kEnglishFragmentEndings[] = {
    " a",    " or",   " an",   " of",   " if",    " in",    " and",
    " but",  " for",  " with", " that", " when",  " where", " which",
};

constexpr ByteSet kStops(":?.,;");
constexpr ByteSet kBrackets("()[]{}<>");
constexpr ByteSet kClauseMarks(".,;:");

// A sentence that repeats the other loses this much.
constexpr int kRepeatPenalty = 3;
// Below this length, a first sentence gives way to a longer second one of
// equal quality.
constexpr std::size_t kShortSentenceBytes = 150;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool ends_with(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// One point off for each word that looks like a code, a long number or an
// initial: sentences full of them are tables or references.
int code_like_words(std::string_view sentence) {
  int penalty = 0;
  std::size_t at = 0;
  while (at < sentence.size()) {
    const std::size_t end = std::min(sentence.find(' ', at), sentence.size());
    const std::string_view word = sentence.substr(at, end - at);
    at = end + 1;
    if (word.size() >= 5 && std::all_of(word.begin(), word.end(), is_digit)) ++penalty;
    if (word.size() == 3 && ((is_upper(word[0]) && is_digit(word[1]) && is_upper(word[2])) ||
                             (is_digit(word[0]) && is_upper(word[1]) && is_digit(word[2])))) {
      ++penalty;
    }
    if (word.size() == 2 && is_upper(word[0]) && word[1] == '.') ++penalty;
  }
  return penalty;
}

// Endings are short: only the sentence's tail is compared.
constexpr std::size_t kFragmentTailBytes = 16;

bool is_fragment(const SentenceQualityRules& rules, std::string_view sentence) {
  std::string lowered(sentence.substr(sentence.size() - std::min(sentence.size(), kFragmentTailBytes)));
  for (char& c : lowered) lower_char(c);
  if (rules.fold_before_endings != nullptr) rules.fold_before_endings(lowered);
  for (std::size_t i = 0; i < rules.fragment_ending_count; ++i) {
    if (ends_with(lowered, rules.fragment_endings[i])) return true;
  }
  return false;
}

// The sentence's place in the store for a phrase occurrence: the last stored
// sentence (from `from` on) that begins at or before the occurrence; -1 when
// none does, or when all do and the store is full (the occurrence may lie
// past the last stored sentence).
int sentence_at(const DocumentMemory& doc, int position, int from) {
  if (position < 0 || from < 0) return -1;
  int found = -1;
  bool all = true;
  for (int i = from; i < doc.sentence_count; ++i) {
    if (doc.sentences[i].position <= position) {
      found = i;
    } else {
      all = false;
    }
  }
  if (all && doc.sentence_count >= kSentenceStoreSize) return -1;
  return found;
}

std::string comparable_sentence(std::string_view sentence) {
  std::string text(sentence);
  for (char& c : text) lower_char(c);
  const std::size_t end = text.find_last_not_of(".,;:!?");
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

std::string without_numbering(std::string text) {
  constexpr std::string_view kEdges = "0123456789 .,:";
  const std::size_t begin = text.find_first_not_of(kEdges);
  if (begin == std::string::npos) return {};
  text = text.substr(begin, text.find_last_not_of(kEdges) - begin + 1);
  std::erase_if(text, [](char c) { return c == '.' || c == ',' || c == ':'; });
  return text;
}

// A title echoed by the first line of the body, or a sentence contained in
// the other, is worth less than the sentence that says more.
void penalise_repeats(std::string_view first, std::string_view second, int& q1, int& q2) {
  const std::string a = comparable_sentence(first);
  const std::string b = comparable_sentence(second);
  if (a == b) {
    q2 -= kRepeatPenalty;
  } else {
    const std::string bare_a = without_numbering(a);
    const std::string bare_b = without_numbering(b);
    if (bare_a == bare_b) {
      (first.size() > second.size() ? q1 : q2) -= kRepeatPenalty;
    } else if (bare_b.find(bare_a) != std::string::npos) {
      q1 -= kRepeatPenalty;
    } else if (bare_a.find(bare_b) != std::string::npos) {
      q2 -= kRepeatPenalty;
    }
  }
  q1 = std::max(q1, 1);
  q2 = std::max(q2, 1);
}

// The store index of the key sentence, or -1 when neither occurrence lies in
// a usable sentence.
int choose_sentence(const LatinLanguage& language, const DocumentMemory& doc,
                    const KeyPhrase& phrase) {
  const int first = sentence_at(doc, phrase.first_position, 0);
  if (first < 0) return -1;
  const std::string_view first_text = doc.sentences[first].text;
  int q1 = sentence_quality(language, first_text, phrase.text, phrase.match_type);
  if (phrase.second_position < 0) return q1 > 1 ? first : -1;

  const int second = sentence_at(doc, phrase.second_position, first);
  std::string_view second_text;
  int q2 = 1;
  if (second >= 0 && second != first) {
    second_text = doc.sentences[second].text;
    q2 = sentence_quality(language, second_text, phrase.text, phrase.match_type);
  }
  if (q1 > 1 && q2 > 1) penalise_repeats(first_text, second_text, q1, q2);
  if (q1 == 1 && q2 == 1) return -1;
  if (q1 != q2) return q1 > q2 ? first : second;
  const bool prefer_longer =
      first_text.size() < kShortSentenceBytes && second_text.size() > first_text.size();
  return prefer_longer ? second : first;
}

}  // namespace

const SentenceQualityRules kEnglishSentenceQuality{
    .clutter = ByteSet(std::string_view("|\xAB\xBB~^\\#=")),
    .leading_skip = ByteSet(std::string_view("0123456789.) \"'`\x91\x93")),
    .fragment_endings = kEnglishFragmentEndings,
    .fragment_ending_count = std::size(kEnglishFragmentEndings),
    .fold_before_endings = nullptr,
    .extra_penalty = nullptr,
};

int sentence_quality(const LatinLanguage& language, std::string_view sentence,
                     std::string_view phrase, int match_type) {
  const SentenceQualityRules& rules = *language.sentence_quality;
  const std::size_t ls = sentence.size();
  const std::size_t lp = phrase.size();
  if (sentence.empty() || ls < lp) return 1;

  // Best when the sentence is at least four times as long as the phrase.
  int quality = 10;
  if (ls < 2 * lp) {
    quality = 7;
  } else if (ls < 3 * lp) {
    quality = 8;
  } else if (ls < 4 * lp) {
    quality = 9;
  }
  MatchSpan span;
  if (match_phrase(sentence, phrase, match_type, span) != kMatched) return 1;

  quality -= 2 * static_cast<int>(count_in_set(sentence, rules.clutter));
  if (count_in_set(sentence, kStops) > 6) quality -= 3;
  if (count_in_set(sentence, kBrackets) > 6) quality -= 3;

  // A capitalised sentence with little punctuation is a heading unless it
  // ends like a sentence; any other must end with a full stop.
  if (count_upper(sentence) >= 2 && count_in_set(sentence, kClauseMarks) <= 2) {
    const std::size_t space = sentence.rfind(' ');
    const std::string_view last_word =
        space == std::string_view::npos ? sentence : sentence.substr(space + 1);
    const char end = sentence.back();
    if ((last_word.empty() || !is_upper(last_word[0])) && end != '.' && end != '?' &&
        end != '!') {
      quality -= 2;
    }
  } else {
    if (sentence.back() != '.') quality -= 2;
    if (ls < lp + 4) quality -= 3;
  }

  std::size_t start = 0;
  while (start < ls && rules.leading_skip.contains(sentence[start])) ++start;
  if (start == ls) return 1;
  if (!is_upper(sentence[start])) quality -= 2;

  if (sentence.find('@') != std::string_view::npos) quality -= 1;
  if (ls > 6 && is_fragment(rules, sentence)) quality -= 4;
  quality -= code_like_words(sentence);
  if (rules.extra_penalty != nullptr) quality -= rules.extra_penalty(sentence);
  return std::max(quality, 1);
}

void key_phrase_for(const LatinLanguage&, const DocumentMemory& doc, std::string_view variant,
                    std::string_view, KeyPhrase& phrase) {
  phrase.text.assign(variant);
  phrase.match_type = 0;
  std::int32_t position = 0;
  phrase.first_position = doc.first_position.get_int(variant, &position) == kTableOk ? position : -1;
  phrase.second_position =
      doc.second_position.get_int(variant, &position) == kTableOk ? position : -1;
}

void mark_phrase(const LatinLanguage& language, HighlightSlot& slot, const StopMemory& stop,
                 std::string_view phrase, int match_type) {
  MatchSpan span;
  if (match_phrase(slot.text, phrase, match_type, span) != kMatched) return;
  std::string& mask = slot.mask;
  for (int i = span.first; i <= span.last; ++i) {
    if (mask[i] != kMaskBoundary) mask[i] = kMaskKeyPhrase;
  }
  // The mark spreads over the neighbouring content words.
  int from = span.first;
  if (mask[from] != kMaskBoundary) {
    while (from > 0 && mask[from - 1] != kMaskBoundary) mask[--from] = kMaskKeyPhrase;
  }
  int to = span.last;
  const int length = static_cast<int>(mask.size());
  if (mask[to] != kMaskBoundary) {
    while (to + 1 < length && mask[to + 1] != kMaskBoundary) mask[++to] = kMaskKeyPhrase;
  }
  if (language.after_marking != nullptr) {
    language.after_marking(language, slot, stop, span.first, span.last, from, to);
  }
}

int choose_key_sentence(const LatinLanguage& language, DocumentMemory& doc,
                        const StopMemory& stop, const KeyPhrase& phrase,
                        SelectionTables& tables) {
  if (doc.sentence_count == 0 || !doc.sentences.active()) return kOk;
  const int chosen = choose_sentence(language, doc, phrase);
  if (chosen < 0) return kOk;
  const SentenceRecord& sentence = doc.sentences[chosen];

  std::vector<HighlightSlot>& slots = tables.highlight_slots;
  const int filled = std::min(doc.highlight_count, static_cast<int>(slots.size()));
  if ((doc.highlight_bits & kOneHighlightPerSentence) != 0) {
    for (int i = 0; i < filled; ++i) {
      if (slots[i].first_word == sentence.position) {
        mark_phrase(language, slots[i], stop, phrase.text, phrase.match_type);
        return kOk;
      }
    }
  }
  // Every output phrase has a slot; a phrase beyond them gets no highlight.
  if (filled >= static_cast<int>(slots.size())) return kOk;
  HighlightSlot& slot = slots[filled];
  slot.first_word = sentence.position;
  slot.text = sentence.text;
  slot.mask = sentence.mask;
  mark_phrase(language, slot, stop, phrase.text, phrase.match_type);
  ++doc.highlight_count;
  return kOk;
}

}  // namespace phx
