#include "api/document_frame.h"

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "api/language_pipeline.h"
#include "input/input_path.h"
#include "input/language_identifier.h"
#include "text/char_codes.h"

namespace phx {
namespace {

// The closing text: RS, which the readers take as the end of the document,
// and a newline. It completes any word, line or sentence still pending.
constexpr std::string_view kClosingText = "\x1E\n";

// Passes the closing text through the read path with a temporary input code.
int read_closing_text(DocumentMemory& doc, StopMemory& stop, int code) {
  const int saved = doc.input_char_code;
  doc.input_char_code = code;
  int result = read_document_buffer(doc, stop, kClosingText);
  doc.input_char_code = saved;
  return result;
}

}  // namespace

int effective_language(const DocumentMemory& doc) {
  return doc.language != 0 ? doc.language : doc.identified_language;
}

int read_document_buffer(DocumentMemory& doc, StopMemory& stop, std::string_view buffer) {
  if (doc.document_ended != 0) return kDocumentEnded;
  DecodedText decoded{buffer, nullptr};
  if (doc.identification_state != kReplaying) {
    // Held-back text being replayed is already decoded and filtered.
    if (int result = decode_and_filter(doc, stop, buffer, decoded); result != kOk) return result;
  }
  const int language = effective_language(doc);
  if (language == kAutomatic) {
    // The text is counted for each language, then held back (also the buffer
    // in which a language is chosen) and replayed once the language is known.
    identify_in_buffer(doc, stop, decoded.text);
    return hold_back(doc, decoded.text);
  }
  if (doc.identification_state == kChosen) {
    if (int result = replay_held_back(doc, stop, read_document_buffer); result != kOk) {
      return result;
    }
  }
  if (const LanguagePipeline* pipeline = pipeline_for(language)) {
    return pipeline->read(doc, stop, decoded.text);
  }
  return kOk;
}

int signal_document_end(DocumentMemory& doc, StopMemory& stop) {
  // The closing text goes through as Shift-JIS or KSC for Japanese and
  // Korean, else as Latin-1 (which the input code must allow).
  int closing_code = kLatin1;
  if (doc.language == kJapanese) {
    closing_code = kShiftJis;
  } else if (doc.language == kKorean) {
    closing_code = kKsc;
  } else if (doc.input_char_code < kLatin1 || doc.input_char_code > kUcs2) {
    return kBadCharCode;
  }
  if (int result = read_closing_text(doc, stop, closing_code); result != kOk) return result;

  if (int result = identify_at_end(doc, stop, read_document_buffer); result != kOk) return result;
  if (doc.candidate_total == 0) {
    doc.phrase_count = 0;
    return kOk;
  }

  // A word hyphenated at the very end of the text waits for a continuation
  // that never comes: it is read without its hyphen.
  const int language = effective_language(doc);
  if (doc.hyphen_pending != 0 && language != kJapanese && language != kKorean) {
    doc.hyphen_pending = 0;
    if (doc.pending_token.back() == '-') doc.pending_token.pop_back();
    if (int result = read_closing_text(doc, stop, kLatin1); result != kOk) return result;
  }

  doc.document_ended = 1;
  const LanguagePipeline* pipeline = pipeline_for(language);
  return pipeline != nullptr ? pipeline->end(doc, stop) : kOk;
}

}  // namespace phx
