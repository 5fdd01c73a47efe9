#include "text/wide_codecs.h"

#include "japanese/jpio.h"
#include "korean/korean_codes.h"
#include "text/char_codes.h"

namespace phx {

// A single text is not part of a document's byte stream: each conversion
// starts from a fresh state, and a lead byte left over at its end is dropped.
bool decode_to_wide(int code, std::string_view bytes, std::u16string& out) {
  switch (code) {
    case kShiftJis: {
      JapaneseCodecState state;
      return sjis_to_wide(state, bytes, out);
    }
    case kJis: {
      JapaneseCodecState state;
      return jis_to_wide(state, bytes, out);
    }
    case kEucJp: {
      JapaneseCodecState state;
      return euc_to_wide(state, bytes, out);
    }
    case kKsc: {
      KoreanCodecState state;
      return ksc_to_wide(state, bytes, out);
    }
    case kJohab: {
      KoreanCodecState state;
      return johab_to_wide(state, bytes, out);
    }
    default:
      return false;
  }
}

bool encode_from_wide(int code, WideView text, std::string& out) {
  switch (code) {
    case kShiftJis: return wide_to_sjis(text, out);
    case kJis: return wide_to_jis(text, out);
    case kEucJp: return wide_to_euc(text, out);
    case kKsc: return wide_to_ksc(text, out);
    case kJohab: return wide_to_johab(text, out);
    default: return false;
  }
}

}  // namespace phx
