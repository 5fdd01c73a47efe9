#include "input/html_text_form.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>
#include <string>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "japanese/jpio.h"
#include "korean/korean_codes.h"
#include "text/char_codes.h"

namespace phx {
namespace {

// A copy of the text that the caller's buffer is not: the conversions in
// place need a buffer of their own.
int own_copy(DecodedText& text) {
  OwnedText copy(new (std::nothrow) char[text.text.size() + 1]());
  if (copy == nullptr) return kNoMemory;
  std::memcpy(copy.get(), text.text.data(), text.text.size());
  text.owned = std::move(copy);
  text.text = std::string_view(text.owned.get(), text.text.size());
  return kOk;
}

// UCS2 bytes rewritten in place by `rewrite`, which returns the new length.
template <class Rewrite>
int rewrite_in_place(DecodedText& text, Rewrite&& rewrite) {
  if (int result = own_copy(text); result != kOk) return result;
  const std::size_t length = rewrite(std::span<char>(text.owned.get(), text.text.size()));
  text.owned[length] = '\0';
  text.text = std::string_view(text.owned.get(), length);
  return kOk;
}

// Converted into a new zeroed buffer.
int take_converted(DecodedText& text, const std::string& converted) {
  OwnedText copy(new (std::nothrow) char[converted.size() + 1]());
  if (copy == nullptr) return kNoMemory;
  std::memcpy(copy.get(), converted.data(), converted.size());
  text.owned = std::move(copy);
  text.text = std::string_view(text.owned.get(), std::strlen(text.owned.get()));
  return kOk;
}

}  // namespace

int prepare_for_html_filter(DocumentMemory& doc, int language, DecodedText& text,
                            int& text_form) {
  text_form = 0;
  const int code = doc.input_char_code;
  if (language == kJapanese) {
    if (code == kUcs2) {
      text_form = kShiftJis;
      return rewrite_in_place(text, [](std::span<char> bytes) { return wide_bytes_to_sjis(bytes); });
    }
    if (code == kJis) {
      text_form = kShiftJis;
      std::string converted;
      if (!jis_to_sjis(doc.japanese_codec_state, text.text, converted)) return kNoMemory;
      return take_converted(text, converted);
    }
    text_form = kEucJp;  // Shift-JIS and EUC-JP go to the filter as they are
    return kOk;
  }
  if (language == kKorean) {
    text_form = kKsc;
    if (code == kUcs2) {
      return rewrite_in_place(text, [&](std::span<char> bytes) {
        return wide_bytes_to_ksc(doc.korean_codec_state, bytes);
      });
    }
    if (code == kJohab) {
      std::string converted;
      if (!johab_to_ksc(doc.korean_codec_state, text.text, converted)) return kNoMemory;
      return take_converted(text, converted);
    }
  }
  return kOk;
}

}  // namespace phx
