#include "latin/sentence_collector.h"

#include <algorithm>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/latin_characters.h"
#include "latin/sentence_buffer.h"
#include "stopmem/stop_memory.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr ByteSet kBullets(kBulletBytes);
constexpr ByteSet kOpening(kOpeningBytes);
constexpr ByteSet kClosing(kClosingBytes);
// A closing quote after the deciding byte is looked past.
constexpr ByteSet kClosingQuotes("\"'\x92\x94\x1D");
// After one of these, a full stop always ends the sentence.
constexpr ByteSet kStrongBeforeStop(".)]>}\"'+\x92\x94");

// A token of four or more bytes that repeats one byte is a rule (------).
bool is_rule(std::string_view token) {
  return token.size() >= 4 &&
         std::all_of(token.begin(), token.end(), [&](char c) { return c == token[0]; });
}

bool is_single(std::string_view token, char byte) {
  return token.size() == 1 && token[0] == byte;
}

char matching_opening(char closing) {
  switch (closing) {
    case ')': return '(';
    case ']': return '[';
    case '}': return '{';
    case '>': return '<';
    default: return '\0';
  }
}

// Puts the finished sentence into the next record of the store. A
// discarded or empty sentence keeps its place and first word but no text.
void store_sentence(const LatinLanguage& language, DocumentMemory& doc) {
  const SentenceBuffer& sentence = doc.sentence_buffer;
  if (language.keeps_sentence != nullptr && !language.keeps_sentence(sentence.text_view())) {
    return;
  }
  phx::SentenceRecord* stored = doc.sentences.append();
  if (stored == nullptr) return;  // the store is full
  phx::SentenceRecord& record = *stored;
  if (doc.sentence_flag == 0 && !sentence.empty()) {
    record.text.assign(sentence.text_view());
    record.mask.assign(sentence.mask_view());
  } else {
    record.text.clear();
    record.mask.clear();
  }
  record.position = doc.sentence_start;
  ++doc.sentence_count;
}

void start_next_sentence(DocumentMemory& doc, int first_word) {
  doc.sentence_buffer.clear();
  doc.sentence_start = first_word;
  doc.sentence_flag = 0;
}

bool nothing_to_store(const DocumentMemory& doc) {
  return doc.sentence_buffer.empty() && doc.sentence_start >= doc.word_count;
}

// Appends a token to the sentence being built, with its mask.
void append_token(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                  std::string_view token, std::string_view normal, bool counted) {
  SentenceBuffer& sentence = doc.sentence_buffer;
  // A sentence that would outgrow the buffer is discarded as a whole.
  if (sentence.length + token.size() + 1 > kSentenceBytes) {
    sentence.clear();
    doc.sentence_flag = 1;
  }
  if (!counted || doc.sentence_flag != 0) return;

  if (char join = language.join_token(language, sentence, token); join != '\0') {
    sentence.push(join, kMaskOrdinary);
  }
  const std::size_t start = sentence.length;
  for (char c : token) sentence.push(c, kMaskOrdinary);
  if (normal.empty()) language.mark_function_word(language, sentence, start, token, stop);

  // A block end sticking to the word goes, with a space before it; a
  // heading end leaves a boundary on the byte before it.
  if (sentence.length > start && sentence.last() == kRecordSeparator) {
    sentence.pop();
    if (sentence.last() == ' ') sentence.pop();
  }
  if (sentence.length > 0 && sentence.last() == kGroupSeparator) {
    sentence.pop();
    if (sentence.length > 0) sentence.mask[sentence.length - 1] = kMaskBoundary;
  }
  if (sentence.length > 0 && language.punctuation.contains(sentence.last())) {
    sentence.mask[sentence.length - 1] = kMaskBoundary;
  }
  if (start < sentence.length && language.punctuation.contains(sentence.text[start])) {
    sentence.mask[start] = kMaskBoundary;
  }

  // The separators themselves never stay in the text. Only the bytes just
  // added can hold them.
  const std::size_t from = std::min(start, sentence.length);
  std::size_t kept = from;
  for (std::size_t i = from; i < sentence.length; ++i) {
    const char c = sentence.text[i];
    if (c == kGroupSeparator || c == kRecordSeparator) continue;
    sentence.text[kept] = c;
    sentence.mask[kept] = sentence.mask[i];
    ++kept;
  }
  sentence.length = kept;
  sentence.text[kept] = '\0';
  sentence.mask[kept] = '\0';
}

// Ends the sentence before a token. False when collection stops here for
// this token (it was not counted, or the store is full).
bool end_before(const LatinLanguage& language, DocumentMemory& doc, bool counted) {
  if (nothing_to_store(doc)) return true;
  store_sentence(language, doc);
  if (counted) {
    start_next_sentence(doc, doc.word_count);
    return doc.sentence_count < kSentenceStoreSize;
  }
  start_next_sentence(doc, doc.word_count + 1);
  return false;
}

void end_after(const LatinLanguage& language, DocumentMemory& doc) {
  if (nothing_to_store(doc)) return;
  store_sentence(language, doc);
  start_next_sentence(doc, doc.word_count + 1);
}

}  // namespace

PhraseBuffer bare_word(const LatinLanguage& language, std::string_view token) {
  PhraseBuffer word;
  for (char c : token) {
    if (!language.punctuation.contains(c)) word.push_back(to_lower(c));
  }
  return word;
}

bool is_abbreviation(const LatinLanguage& language, std::string_view token,
                     const StopMemory& stop) {
  const PhraseBuffer word = bare_word(language, token);
  return !word.empty() && (stop.*language.abbreviations).has(word);
}

bool is_initials(std::string_view token) {
  if (token.size() != 2 && token.size() != 4 && token.size() != 6) return false;
  for (std::size_t i = 0; i < token.size(); i += 2) {
    if (!is_upper(token[i]) || token[i + 1] != '.') return false;
  }
  return true;
}

bool is_number_with_stops(std::string_view token) {
  return !token.empty() && std::all_of(token.begin(), token.end(), [](char c) {
    return c == '.' || (c >= '0' && c <= '9');
  });
}

std::size_t deciding_byte(std::string_view token, std::string_view sentence) {
  std::size_t at = token.size() - 1;
  const char last = token[at];
  if (const char opening = matching_opening(last); opening != '\0') {
    if (!sentence.empty() && sentence.front() == opening) return std::string_view::npos;
    if (sentence.find_first_of("([{<") == std::string_view::npos && token.size() > 1) {
      at = token.size() - 2;
    }
  }
  if (kClosingQuotes.contains(token[at]) && token.size() > 1) at = token.size() - 2;
  return at;
}

bool sentence_ends_after(const LatinLanguage& language, std::string_view token,
                         std::string_view sentence, const StopMemory& stop) {
  if (token.empty()) return false;
  const std::size_t at = deciding_byte(token, sentence);
  if (at == std::string_view::npos) return true;
  const char c = token[at];
  if (c == '?' || c == '!' || c == kRecordSeparator) return true;
  if (c != '.') return false;
  if (at == 0) return true;
  if (is_initials(token.substr(0, at + 1))) return false;
  // A list number opening the sentence ("3.").
  if (is_number_with_stops(token) && sentence == token) return false;
  if (kStrongBeforeStop.contains(token[at - 1])) return true;
  return !is_abbreviation(language, token, stop);
}

bool ends_sentence_before(const LatinLanguage& language, const DocumentMemory& doc,
                          const StopMemory& stop, std::string_view token) {
  const SentenceBuffer& sentence = doc.sentence_buffer;
  if (!is_upper(token[0]) || sentence.last() != '.') return false;
  const std::string_view text = sentence.text_view();
  const std::size_t space = text.rfind(' ');
  const std::string_view last_word = space == std::string_view::npos ? text : text.substr(space + 1);
  if (!is_abbreviation(language, last_word, stop)) return false;
  const PhraseBuffer word = bare_word(language, token);
  return (stop.*language.stop_words).has(word) || (stop.*language.stop_phrases).has(word) ||
         (language.is_linking_word != nullptr && language.is_linking_word(language, word, stop));
}

bool needs_space_before(std::string_view sentence, std::string_view token) {
  if (sentence.empty() || token.empty()) return !sentence.empty();
  const std::size_t n = sentence.size();
  if (kOpening.contains(sentence[n - 1])) {
    // ":-(" is an emoticon, not an opening bracket.
    return n >= 3 && sentence.substr(n - 3) == ":-(";
  }
  if (kClosing.contains(token[0])) {
    if ((token[0] == '.' || token[0] == '?') && token.size() > 1 &&
        token[1] != kGroupSeparator && token[1] != kRecordSeparator) {
      return true;
    }
    return token.size() >= 3 && token[0] == ':' && token[1] == '-' &&
           (token[2] == ')' || token[2] == '(');
  }
  return true;
}

char join_token(const LatinLanguage&, SentenceBuffer& sentence, std::string_view token) {
  return needs_space_before(sentence.text_view(), token) ? ' ' : '\0';
}

void mark_function_word(const LatinLanguage&, SentenceBuffer& sentence, std::size_t start,
                        std::string_view token, const StopMemory&) {
  if (token.empty() || start + token.size() > sentence.length) return;
  sentence.mask[start] = kMaskBoundary;
  sentence.mask[start + token.size() - 1] = kMaskBoundary;
}

int activate_for_go_phrases(DocumentMemory& doc) { return activate_highlights(doc); }

int collect_sentence(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                     std::string_view token, std::string_view normal, bool counted) {
  if (token.empty() || !doc.sentences.active() || doc.sentence_count >= kSentenceStoreSize) {
    return kOk;
  }
  const bool rule = is_rule(token);
  bool split_before = doc.phrase_break != 0 || rule;
  // A bullet opens a new sentence and is left out of it.
  if (token.size() == 1 && kBullets.contains(token[0])) {
    split_before = true;
    counted = false;
  }
  if (doc.sentence_start == 0) doc.sentence_start = doc.word_count;

  if (is_single(token, kRecordSeparator) || split_before) {
    if (!end_before(language, doc, counted)) return kOk;
  } else if (language.ends_sentence_before(language, doc, stop, token)) {
    if (!end_before(language, doc, counted)) return kOk;
  }

  append_token(language, doc, stop, token, normal, counted);

  SentenceBuffer& sentence = doc.sentence_buffer;
  if (is_single(token, kGroupSeparator) && doc.sentence_flag == 0 && !counted &&
      !sentence.empty()) {
    sentence.mask[sentence.length - 1] = kMaskBoundary;
  }
  if (rule || language.sentence_ends_after(language, token, sentence.text_view(), stop)) {
    end_after(language, doc);
  }
  return kOk;
}

}  // namespace phx
