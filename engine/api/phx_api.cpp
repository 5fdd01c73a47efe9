// The exported C functions: each checks its handles and arguments in the
// documented order, then calls into the engine. No exception crosses this
// boundary: an allocation failure inside becomes error code 1.
#include "phx_api.h"

#include <cmath>
#include <new>

#include "api/document_frame.h"
#include "api/document_memory.h"
#include "api/error_codes.h"
#include "stopmem/stop_memory.h"
#include "text/char_codes.h"

using phx::ErrorCode;

namespace {

int check(const DocumentMemory* doc) {
  if (doc == nullptr) return phx::kNullDocument;
  if (doc->stamp != phx::kValidStamp) return phx::kBadDocument;
  return phx::kOk;
}

int check(const StopMemory* stop) {
  if (stop == nullptr) return phx::kNullStopMemory;
  if (stop->stamp != phx::kValidStamp) return phx::kBadStopMemory;
  return phx::kOk;
}

int check(const DocumentMemory* doc, const StopMemory* stop) {
  if (doc == nullptr) return phx::kNullDocument;
  if (stop == nullptr) return phx::kNullStopMemory;
  if (doc->stamp != phx::kValidStamp) return phx::kBadDocument;
  if (stop->stamp != phx::kValidStamp) return phx::kBadStopMemory;
  return phx::kOk;
}

// Runs `body`, turning an allocation failure that escapes it into code 1.
template <class Body>
int guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return phx::kNoMemory;
  } catch (...) {
    return phx::kNoMemory;
  }
}

void reset_html_filter(DocumentMemory& doc, const StopMemory& stop) {
  doc.HtmlFilterState = phx::HtmlFilterState();
  doc.HtmlFilterState.entities = &stop.HtmlEntityTable;
  doc.HtmlFilterState.tags = &stop.HtmlTagTable;
}

}  // namespace

extern "C" {

int PhxCreateStopMemory(StopMemory** stop) {
  if (stop == nullptr) return phx::kNullStopMemory;
  *stop = nullptr;
  return guarded([&] { return phx::create_stop_memory(stop); });
}

int PhxAddStopWord(StopMemory* stop, int language, int char_code, const char* word) {
  if (int result = check(stop); result != phx::kOk) return result;
  return guarded([&] { return phx::add_stop_word(*stop, language, char_code, word); });
}

int PhxAddStopPhrase(StopMemory* stop, int language, int char_code, const char* phrase) {
  if (int result = check(stop); result != phx::kOk) return result;
  return guarded([&] { return phx::add_stop_phrase(*stop, language, char_code, phrase); });
}

int PhxAddGoPhrase(StopMemory* stop, int language, int char_code, const char* phrase,
                   int match_type) {
  if (int result = check(stop); result != phx::kOk) return result;
  return guarded(
      [&] { return phx::add_go_phrase(*stop, language, char_code, phrase, match_type); });
}

int PhxClearStopMemory(StopMemory* stop) {
  if (int result = check(stop); result != phx::kOk) return result;
  stop->stamp = 0;
  delete stop;
  return phx::kOk;
}

int PhxCreateDocumentMemory(DocumentMemory** doc) {
  if (doc == nullptr) return phx::kNullDocument;
  *doc = new (std::nothrow) DocumentMemory();
  if (*doc == nullptr) return phx::kNoMemory;
  (*doc)->stamp = phx::kValidStamp;
  return phx::kOk;
}

int PhxActivateHTMLFilter(DocumentMemory* doc, StopMemory* stop) {
  if (int result = check(doc, stop); result != phx::kOk) return result;
  doc->HtmlFilterOn = 1;
  reset_html_filter(*doc, *stop);
  return phx::kOk;
}

int PhxActivateEmailFilter(DocumentMemory* doc, StopMemory* stop) {
  if (int result = check(doc, stop); result != phx::kOk) return result;
  doc->EmailFilterOn = 1;
  doc->EmailFilterState = phx::EmailFilterState();
  doc->EmailFilterState.header_names = &stop->HeaderNameTable;
  doc->EmailFilterState.salutations = &stop->SalutationTable;
  // HTML parts of a message go through the HTML filter, which is reset but
  // not switched on for the document as a whole.
  reset_html_filter(*doc, *stop);
  return phx::kOk;
}

int PhxDeactivateTextFilter(DocumentMemory* doc) {
  if (int result = check(doc); result != phx::kOk) return result;
  doc->TextFilterState.TextFilterOff = 1;
  return phx::kOk;
}

int PhxSetDocumentLanguage(DocumentMemory* doc, int language) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (language < 0 || language >= phx::kLanguageCount) return phx::kBadLanguage;
  doc->language = language;
  doc->identified_language = language == phx::kAutomatic ? 0 : -1;
  return phx::kOk;
}

int PhxGetDocumentLanguage(DocumentMemory* doc, int* language) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (language != nullptr) *language = phx::effective_language(*doc);
  return phx::kOk;
}

int PhxSetNumberPhrases(DocumentMemory* doc, double number) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (std::isnan(number) || number < 3.0) {
    number = 3.0;
  } else if (number > 30.0) {
    number = 30.0;
  }
  doc->phrase_target = number;
  doc->japanese_parameters = phx::load_japanese_parameters(number);
  return phx::kOk;
}

int PhxSetInputCode(DocumentMemory* doc, int char_code) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (char_code < 0 || char_code >= phx::kCharCodeCount) return phx::kBadCharCode;
  doc->input_char_code = char_code;
  return phx::kOk;
}

int PhxSetOutputCode(DocumentMemory* doc, int char_code) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (char_code < 0 || char_code >= phx::kCharCodeCount) return phx::kBadCharCode;
  doc->output_char_code = char_code;
  return phx::kOk;
}

int PhxActivateHighlights(DocumentMemory* doc) {
  if (int result = check(doc); result != phx::kOk) return result;
  return guarded([&] {
    // A second call starts the sentence store afresh instead of leaking it;
    // a failed one leaves the record as it was.
    return phx::activate_highlights(*doc);
  });
}

int PhxSetHighlightType(DocumentMemory* doc, int highlight_type) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (highlight_type < 0 || highlight_type > 31) return phx::kBadHighlightType;
  // Grey elided text implies keeping it.
  doc->highlight_bits = (highlight_type & 16) != 0 ? (highlight_type | 4) : highlight_type;
  return phx::kOk;
}

int PhxReadDocumentBuffer(DocumentMemory* doc, StopMemory* stop, const char* buffer, int length) {
  if (doc == nullptr) return phx::kNullDocument;
  if (stop == nullptr) return phx::kNullStopMemory;
  if (doc->stamp != phx::kValidStamp) return phx::kBadDocument;
  if (doc->document_ended != 0) return phx::kDocumentEnded;
  if (stop->stamp != phx::kValidStamp) return phx::kBadStopMemory;
  if (buffer == nullptr || length <= 0) return phx::kOk;
  return guarded([&] {
    return phx::read_document_buffer(*doc, *stop,
                                     std::string_view(buffer, static_cast<std::size_t>(length)));
  });
}

int PhxSignalDocumentEnd(DocumentMemory* doc, StopMemory* stop) {
  if (int result = check(doc, stop); result != phx::kOk) return result;
  return guarded([&] { return phx::signal_document_end(*doc, *stop); });
}

int PhxGetPhraseListSize(DocumentMemory* doc, int* count) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (count != nullptr) *count = doc->phrase_count;
  return phx::kOk;
}

int PhxGetPhraseByIndex(DocumentMemory* doc, int index, const char** phrase) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (index < 0 || index >= doc->phrase_count) return phx::kBadPhraseIndex;
  const phx::TermValue* item = doc->phrase_list.at(index);
  if (phrase != nullptr) {
    *phrase = item == nullptr ? nullptr
              : item->kind() == phx::TermValue::Kind::kWideText
                  ? reinterpret_cast<const char*>(item->wide_text())
                  : item->text();
  }
  return phx::kOk;
}

int PhxGetScoreByIndex(DocumentMemory* doc, int index, double* score) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (index < 0 || index >= doc->phrase_count) return phx::kBadPhraseIndex;
  const phx::TermValue* item = doc->score_list.at(index);
  if (score != nullptr && item != nullptr) *score = item->as_pair().as_double();
  return phx::kOk;
}

int PhxGetHighlightListSize(DocumentMemory* doc, int* count) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (count != nullptr) *count = doc->highlight_count;
  return phx::kOk;
}

int PhxGetHighlightByIndex(DocumentMemory* doc, int index, const char** highlight) {
  if (int result = check(doc); result != phx::kOk) return result;
  if (highlight != nullptr) *highlight = nullptr;
  if (index < 0 || index >= doc->highlight_count) return phx::kBadHighlightIndex;
  // Should the list hold fewer entries than the count, the text stays null.
  const phx::TermValue* item = doc->highlight_list.at(index);
  if (highlight != nullptr && item != nullptr) {
    *highlight = item->kind() == phx::TermValue::Kind::kWideText
                     ? reinterpret_cast<const char*>(item->wide_text())
                     : item->text();
  }
  return phx::kOk;
}

int PhxGetDocumentProperties(DocumentMemory* doc, int prop_id, int* value) {
  if (int result = check(doc); result != phx::kOk) return result;
  int property;
  switch (prop_id) {
    case 1: property = doc->word_count; break;
    case 2: property = doc->content_word_count; break;
    case 3: property = doc->content_word_count < phx::kContentWordLimit ? 1 : 0; break;
    default: return phx::kBadPropId;
  }
  if (value != nullptr) *value = property;
  return phx::kOk;
}

void PhxGetErrorMessage(int code, const char** message) {
  if (message != nullptr) *message = phx::error_message(code);
}

int PhxClearDocumentMemory(DocumentMemory* doc) {
  if (int result = check(doc); result != phx::kOk) return result;
  doc->stamp = 0;
  delete doc;
  return phx::kOk;
}

}  // extern "C"
