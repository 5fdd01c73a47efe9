#include "input/language_identifier.h"

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "text/char_codes.h"

namespace phx {

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
  const int e = doc.english_hits, f = doc.french_hits, g = doc.german_hits, s = doc.spanish_hits;
  auto leads = [](int x, int a, int b, int c) { return x > a + 1 && x > b + 1 && x > c + 1; };
  int chosen = 0;
  if (leads(f, e, g, s)) {
    chosen = kFrench;
  } else if (leads(e, f, g, s)) {
    chosen = kEnglish;
  } else if (leads(g, e, f, s)) {
    chosen = kGerman;
  } else if (leads(s, e, f, g)) {
    chosen = kSpanish;
  }
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
