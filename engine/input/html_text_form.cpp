#include "input/html_text_form.h"

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "text/char_codes.h"

namespace phx {

// The rewriting itself needs the Japanese and Korean converters (with the
// document's codec states, which carry a partial character from one buffer
// to the next); until they are part of the engine the text reaches the
// filter in its input code and only the text form is set.
int prepare_for_html_filter(DocumentMemory& doc, int language, DecodedText& /*text*/,
                            int& text_form) {
  text_form = 0;
  if (language == kJapanese) {
    const bool rewritten_as_shift_jis =
        doc.input_char_code == kUcs2 || doc.input_char_code == kJis;
    text_form = rewritten_as_shift_jis ? kShiftJis : kEucJp;
  } else if (language == kKorean) {
    text_form = kKsc;
  }
  return kOk;
}

}  // namespace phx
