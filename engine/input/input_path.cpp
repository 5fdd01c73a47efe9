#include "input/input_path.h"

#include <new>
#include <span>
#include <utility>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "filters/email_filter.h"
#include "filters/filter_output.h"
#include "filters/html_filter.h"
#include "filters/text_filter.h"
#include "input/html_text_form.h"
#include "text/char_codes.h"
#include "text/code_page_437.h"
#include "text/ucs2.h"

namespace phx {
namespace {

int effective_language(const DocumentMemory& doc) {
  return doc.language != 0 ? doc.language : doc.identified_language;
}

// Code page 437 becomes Latin-1; the length stays.
int decode_cp437(std::string_view buffer, DecodedText& out) {
  out.owned = duplicate_text_n(buffer.data(), buffer.size());
  if (out.owned == nullptr) return kNoMemory;
  cp437_to_latin1(out.owned.get());
  out.text = std::string_view(out.owned.get(), buffer.size());
  return kOk;
}

// UCS2 becomes Latin-1, one byte per unit; the caller's buffer need not be
// aligned for 16-bit units.
int decode_ucs2(std::string_view buffer, DecodedText& out) {
  if (buffer.size() % 2 != 0) return kOddUcs2Length;
  std::size_t units = buffer.size() / 2;
  out.owned.reset(new (std::nothrow) char[units + 1]());
  if (out.owned == nullptr) return kNoMemory;
  for (std::size_t i = 0; i < units; ++i) {
    WideChar unit = wide_unit_at(buffer.data(), i);
    if (unit == 0) break;
    out.owned[i] = static_cast<char>(ucs2_unit_to_latin1(unit));
  }
  out.text = std::string_view(out.owned.get(), units);
  return kOk;
}

// Runs one filter into a new output area sized for the current text; the
// text then becomes the filter's output, and the previous intermediate text
// is released.
template <class Filter>
int run_filter(DecodedText& text, Filter&& filter) {
  const std::size_t size = filter_area_bytes(text.text.size());
  OwnedText area(new (std::nothrow) char[size]);
  if (area == nullptr) return kNoMemory;
  FilterOutput output(std::span<char>(area.get(), size));
  filter(text.text, output);
  text.text = output.view();
  text.owned = std::move(area);
  return kOk;
}

// The e-mail filter runs first, then the HTML filter; the plain-text filter
// runs only when neither is on, and never on Japanese or Korean text.
int run_filters(DocumentMemory& doc, int language, DecodedText& text) {
  const bool wide_language = language == kJapanese || language == kKorean;
  int text_form = kSingleByteText;
  if (doc.HtmlFilterOn != 0 && wide_language) {
    if (int result = prepare_for_html_filter(doc, language, text, text_form); result != kOk) {
      return result;
    }
  }
  if (doc.EmailFilterOn != 0) {
    int result = run_filter(text, [&](std::string_view input, FilterOutput& output) {
      filter_email(input, doc.EmailFilterState, doc.HtmlFilterState, output);
    });
    if (result != kOk) return result;
  }
  if (doc.HtmlFilterOn != 0) {
    return run_filter(text, [&](std::string_view input, FilterOutput& output) {
      filter_html(input, doc.HtmlFilterState, output, text_form);
    });
  }
  if (doc.EmailFilterOn != 0 || wide_language) return kOk;
  if (doc.TextFilterState.TextFilterOff != 0) {
    // Switched off, the filter hands the text on unchanged up to a zero byte;
    // no copy is needed for that.
    text.text = text.text.substr(0, text.text.find('\0'));
    return kOk;
  }
  return run_filter(text, [&](std::string_view input, FilterOutput& output) {
    filter_text(input, doc.TextFilterState, output);
  });
}

}  // namespace

int decode_and_filter(DocumentMemory& doc, const StopMemory& /*stop*/, std::string_view buffer,
                      DecodedText& out) {
  out = DecodedText{buffer, nullptr};
  if (code_suits_language(doc.language, doc.input_char_code) != 0) return kBadCharCode;

  const int language = effective_language(doc);
  const bool wide_language = language == kJapanese || language == kKorean;
  if (doc.input_char_code == kCodePage437) {
    if (int result = decode_cp437(buffer, out); result != kOk) return result;
  } else if (doc.input_char_code == kUcs2 && !wide_language) {
    if (int result = decode_ucs2(buffer, out); result != kOk) return result;
  }
  return run_filters(doc, language, out);
}

}  // namespace phx
