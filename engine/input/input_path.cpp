#include "input/input_path.h"

#include <new>

#include "api/document_memory.h"
#include "api/error_codes.h"
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
  return kOk;
}

}  // namespace phx
