#include "input/language_identifier.h"

#include <initializer_list>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/french_tokens.h"
#include "text/byte_set.h"
#include "text/char_codes.h"
#include "text/latin1.h"

namespace phx {
namespace {

// A language leads when it has more than this many hits over each other one;
// at the end of the document a lead of more than one hit will do.
constexpr int kReadingMargin = 15;
constexpr int kEndMargin = 1;

// Removed from a token before it is looked up.
constexpr ByteSet kIgnoredCharacters("().,;:[]{}!?<>~\"`*&^%#$@|+=_\xAB\xBB");

bool found_in_any(std::string_view token, std::initializer_list<const TextTable*> tables) {
  for (const TextTable* table : tables) {
    if (table->has(token)) return true;
  }
  return false;
}

bool leads(int candidate, int a, int b, int c, int margin) {
  return candidate > a + margin && candidate > b + margin && candidate > c + margin;
}

// The language that leads the others by more than `margin` hits, tested in
// `order`; 0 when none does.
int leading_language(const DocumentMemory& doc, std::initializer_list<int> order, int margin) {
  const int e = doc.english_hits, f = doc.french_hits, g = doc.german_hits, s = doc.spanish_hits;
  for (int language : order) {
    switch (language) {
      case kEnglish: if (leads(e, f, g, s, margin)) return kEnglish; break;
      case kFrench: if (leads(f, e, g, s, margin)) return kFrench; break;
      case kGerman: if (leads(g, e, f, s, margin)) return kGerman; break;
      case kSpanish: if (leads(s, e, f, g, margin)) return kSpanish; break;
      default: break;
    }
  }
  return 0;
}

void count_hits(DocumentMemory& doc, const StopMemory& stop, std::string_view token) {
  if (found_in_any(token, {&stop.EnglishStopWords, &stop.EnglishStopPhrases, &stop.EnglishStopVerbs})) {
    ++doc.english_hits;
  }
  if (found_in_any(token, {&stop.FrenchStopWords, &stop.FrenchLinkWords, &stop.FrenchStopPhrases,
                           &stop.FrenchVerbs})) {
    ++doc.french_hits;
  }
  if (found_in_any(token, {&stop.GermanStopWords, &stop.GermanStopPhrases, &stop.GermanVerbs})) {
    ++doc.german_hits;
  }
  if (found_in_any(token, {&stop.SpanishStopWords, &stop.SpanishStopPhrases, &stop.SpanishVerbs,
                           &stop.SpanishLinkWords, &stop.SpanishAdjectives})) {
    ++doc.spanish_hits;
  }
}

}  // namespace

int identify_in_buffer(DocumentMemory& doc, const StopMemory& stop, std::string_view text) {
  std::size_t position = 0;
  TokenBuffer token;
  for (;;) {
    // An unfinished token at the end waits for the next buffer.
    if (read_french_token(token, kMaxTokenBytes, text, position, doc) == kTokenBufferEnded) {
      return kOk;
    }
    lower_text(token.data());
    remove_chars(token.data(), kIgnoredCharacters);
    token.sync_length();
    if (token.empty()) continue;
    count_hits(doc, stop, token);
    // The rest of the buffer is not counted: it is replayed anyway.
    if (int chosen = leading_language(doc, {kEnglish, kFrench, kGerman, kSpanish}, kReadingMargin)) {
      doc.identified_language = chosen;
      doc.identification_state = kChosen;
      return kOk;
    }
  }
}

int hold_back(DocumentMemory& doc, std::string_view text) {
  doc.held_back_text.last();
  return doc.held_back_text.append_text(text) == kListOk ? kOk : kNoMemory;
}

int replay_held_back(DocumentMemory& doc, StopMemory& stop, ReadBuffer read) {
  doc.identification_state = kReplaying;
  if (!doc.held_back_text.empty()) {
    // The identifier's pass left partial tokens behind; the reader starts
    // afresh on the same text.
    doc.token_before_previous.clear();
    doc.previous_token.clear();
    doc.word_before_previous.clear();
    doc.previous_word.clear();
    doc.pending_token.clear();
    doc.hyphen_lookahead.clear();
    doc.hyphen_continued = 0;
    for (const TermList::Node* node = doc.held_back_text.head(); node != nullptr;
         node = node->next) {
      if (int result = read(doc, stop, node->item.text_view()); result != kOk) return result;
    }
    doc.held_back_text.free();
  }
  doc.identification_state = kReplayDone;
  return kOk;
}

int identify_at_end(DocumentMemory& doc, StopMemory& stop, ReadBuffer read) {
  if (doc.language != 0 || doc.identified_language != 0) return kOk;
  const int chosen = leading_language(doc, {kFrench, kEnglish, kGerman, kSpanish}, kEndMargin);
  if (chosen == 0) {
    doc.identified_language = 0;
    doc.candidate_total = 0;
    doc.phrase_count = 0;
    return kOk;
  }
  doc.identified_language = chosen;
  doc.identification_state = kChosen;
  const int saved_code = doc.input_char_code;
  doc.input_char_code = kLatin1;
  doc.pending_token.clear();
  // Reading a newline replays everything held back, the closing text included.
  int result = read(doc, stop, "\n");
  doc.input_char_code = saved_code;
  return result;
}

}  // namespace phx
