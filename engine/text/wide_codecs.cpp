#include "text/wide_codecs.h"

namespace phx {

// The Japanese and Korean converters are not part of the engine yet: codes 3
// to 7 are refused until they are.
bool decode_to_wide(int /*code*/, std::string_view /*bytes*/, std::u16string& /*out*/) {
  return false;
}

bool encode_from_wide(int /*code*/, WideView /*text*/, std::string& /*out*/) { return false; }

}  // namespace phx
