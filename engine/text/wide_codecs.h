// The Japanese and Korean character codes (Shift-JIS, JIS, EUC-JP, KSC,
// Johap) as whole-text conversions to and from UCS2, each starting from a
// fresh converter state. Used for caller words and for results handed out in
// those codes.
#pragma once

#include <string>
#include <string_view>

#include "containers/term_value.h"

namespace phx {

// False when `code` is not one of 3 to 7 or memory runs out. Characters
// without a counterpart cause no failure (see jpio.h and korean_codes.h).
bool decode_to_wide(int code, std::string_view bytes, std::u16string& out);
bool encode_from_wide(int code, WideView text, std::string& out);

}  // namespace phx
