#include "text/convert_word.h"

#include <new>

#include "text/char_codes.h"
#include "text/code_page_437.h"
#include "text/ucs2.h"
#include "text/wide_codecs.h"

namespace phx {
namespace {

bool widen(std::string_view text, int from_code, std::u16string& wide) {
  switch (from_code) {
    case kLatin1:
    case kCodePage437:
      wide.resize(text.size());
      for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (from_code == kCodePage437) byte = kCp437ToLatin1[byte];
        wide[i] = static_cast<WideChar>(byte);
      }
      return true;
    default:
      return decode_to_wide(from_code, text, wide);
  }
}

bool narrow(WideView wide, int to_code, EncodedText& out) {
  switch (to_code) {
    case kLatin1:
    case kCodePage437:
      out.bytes.resize(wide.size());
      for (std::size_t i = 0; i < wide.size(); ++i) {
        unsigned char byte = ucs2_unit_to_latin1(wide[i]);
        if (to_code == kCodePage437) byte = kLatin1ToCp437[byte];
        out.bytes[i] = static_cast<char>(byte);
      }
      return true;
    case kUcs2:
      out.wide.assign(wide);
      out.is_wide = true;
      return true;
    default:
      return encode_from_wide(to_code, wide, out.bytes);
  }
}

// A zero unit ends a wide text as it ends a caller's; keep only what precedes.
WideView up_to_zero(WideView text) {
  std::size_t end = text.find(u'\0');
  return end == WideView::npos ? text : text.substr(0, end);
}
std::string_view up_to_zero(std::string_view text) {
  std::size_t end = text.find('\0');
  return end == std::string_view::npos ? text : text.substr(0, end);
}

}  // namespace

int convert_word(std::string_view text, int from_code, int to_code, EncodedText& out) {
  out = EncodedText();
  if (from_code == kUcs2 || from_code < 0 || from_code >= kCharCodeCount ||
      to_code < 0 || to_code >= kCharCodeCount) {
    return 1;
  }
  try {
    text = up_to_zero(text);
    if (from_code == to_code) {
      out.bytes.assign(text);
      return 0;
    }
    std::u16string wide;
    if (!widen(text, from_code, wide)) return 1;
    return narrow(wide, to_code, out) ? 0 : 1;
  } catch (const std::bad_alloc&) {
    out = EncodedText();
    return 1;
  }
}

int convert_word(WideView text, int to_code, EncodedText& out) {
  out = EncodedText();
  if (to_code < 0 || to_code >= kCharCodeCount) return 1;
  try {
    return narrow(up_to_zero(text), to_code, out) ? 0 : 1;
  } catch (const std::bad_alloc&) {
    out = EncodedText();
    return 1;
  }
}

int convert_word(const char* text, int from_code, int to_code, EncodedText& out) {
  out = EncodedText();
  if (text == nullptr) return 1;
  if (from_code != kUcs2) return convert_word(std::string_view(text), from_code, to_code, out);
  try {
    std::u16string wide(wide_length_at(text), u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) wide[i] = wide_unit_at(text, i);
    return convert_word(WideView(wide), to_code, out);
  } catch (const std::bad_alloc&) {
    return 1;
  }
}

int append_converted(TermList& list, std::string_view text, int to_code) {
  EncodedText converted;
  if (convert_word(text, kLatin1, to_code, converted) != 0) return 1;
  int result = converted.is_wide ? list.append_text(WideView(converted.wide))
                                 : list.append_text(std::string_view(converted.bytes));
  return result == kListOk ? 0 : 1;
}

int append_converted(TermList& list, WideView text, int to_code) {
  EncodedText converted;
  if (convert_word(text, to_code, converted) != 0) return 1;
  int result = converted.is_wide ? list.append_text(WideView(converted.wide))
                                 : list.append_text(std::string_view(converted.bytes));
  return result == kListOk ? 0 : 1;
}

}  // namespace phx
