#include "latin/latin_reader.h"

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/candidates.h"
#include "latin/latin_characters.h"
#include "latin/token_reader.h"
#include "stopmem/stop_memory.h"

namespace phx {
namespace {

// Every token but an empty one and a lone GS or RS is a word of the document.
bool counts_as_word(std::string_view token) {
  return !token.empty() &&
         !(token.size() == 1 && (token[0] == kGroupSeparator || token[0] == kRecordSeparator));
}

bool is_linking(const LatinLanguage& language, std::string_view word, const StopMemory& stop) {
  return language.is_linking_word != nullptr && language.is_linking_word(language, word, stop);
}

// Counts a content word, its spelling, and the two- and three-word phrases
// it ends. A phrase never spans punctuation, and (for languages that have
// them) a linking word stands only inside a phrase.
int count_word_and_phrases(const LatinLanguage& language, DocumentMemory& doc,
                           const StopMemory& stop, std::string_view token,
                           std::string_view normal) {
  const bool word_links = is_linking(language, normal, stop);
  if (!word_links && count_candidate(doc, normal) != 0) return kNoMemory;
  if (record_spelling(language, doc, token, normal) != 0) return kNoMemory;

  const std::string_view previous = doc.previous_word.view();
  if (previous.empty() ||
      punctuation_between(doc.previous_token.view(), token, language.punctuation)) {
    return kOk;
  }
  const bool previous_links = is_linking(language, previous, stop);
  PhraseBuffer phrase;
  if (previous.size() + 1 + normal.size() <= kMaxPhraseBytes && !word_links && !previous_links) {
    phrase.assign(previous);
    phrase.push_back(' ');
    phrase.append(normal);
    if (count_candidate(doc, phrase) != 0) return kNoMemory;
  }

  const std::string_view before = doc.word_before_previous.view();
  if (before.empty() ||
      punctuation_between(doc.token_before_previous.view(), doc.previous_token.view(),
                          language.punctuation)) {
    return kOk;
  }
  if (before.size() + previous.size() + normal.size() + 2 <= kMaxPhraseBytes && !word_links &&
      !is_linking(language, before, stop)) {
    phrase.assign(before);
    phrase.push_back(' ');
    phrase.append(previous);
    phrase.push_back(' ');
    phrase.append(normal);
    if (count_candidate(doc, phrase) != 0) return kNoMemory;
  }
  return kOk;
}

void forget_history(DocumentMemory& doc) {
  doc.previous_token.clear();
  doc.token_before_previous.clear();
  doc.previous_word.clear();
  doc.word_before_previous.clear();
}

void shift_history(DocumentMemory& doc, std::string_view token, std::string_view normal) {
  doc.token_before_previous = doc.previous_token;
  doc.previous_token.assign(token);
  doc.word_before_previous = doc.previous_word;
  doc.previous_word.assign(normal);
}

}  // namespace

int read_latin_buffer(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                      std::string_view text) {
  // Go phrases are found in the collected sentences, so they switch the
  // sentence store on.
  if (language.activate_for_go_phrases != nullptr && doc.highlights_active == 0 &&
      go_count(stop, language.language_id) > 0) {
    if (int result = language.activate_for_go_phrases(doc); result != kOk) return result;
  }

  std::size_t position = 0;
  TokenBuffer token;
  PhraseBuffer normal;
  for (;;) {
    const TokenRead read =
        read_token(token, kMaxTokenBytes, text, position, doc, language.token_characters);
    if (read == kTokenBufferEnded) return kOk;
    // The rest of a very long document is not taken into account.
    if (doc.content_word_count >= kContentWordLimit) return kOk;

    const bool counted = counts_as_word(token);
    if (counted) ++doc.word_count;

    normal.clear();
    if (!token.empty()) {
      language.normalise_word(language, token, normal, stop);
      if (!normal.empty()) ++doc.content_word_count;
    }

    if (doc.highlights_active != 0 && language.collect_sentence != nullptr) {
      int result = language.collect_sentence(language, doc, stop, token, normal, counted);
      if (result != kOk) return result;
    }

    // No phrase runs across a paragraph-like break.
    if (doc.phrase_break != 0) {
      forget_history(doc);
      doc.phrase_break = 0;
    }

    if (!normal.empty()) {
      if (int result = count_word_and_phrases(language, doc, stop, token, normal); result != kOk) {
        return result;
      }
    }
    // A rejected token leaves an empty word behind, which breaks every
    // phrase that would span it: stop words are never inside a candidate.
    shift_history(doc, token, normal);
  }
}

}  // namespace phx
