// How a document's bytes are turned into what the engine reads.
//
// UTF-8 (the default) and UTF-16 are decoded here and reach the engine as
// UCS2 (code 2); a byte-order mark at the start of the file decides between
// them and is dropped. The engine's legacy codes (Latin-1, code page 437,
// Shift-JIS, JIS, EUC-JP, KSC, Johap) pass through untouched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "phraxis.hpp"

namespace phraxis_cli {

struct InputEncoding {
  enum class Kind { utf8, utf16, engine_code };
  Kind kind = Kind::utf8;
  phraxis::CharCode code = phraxis::CharCode::ucs2;  // for engine_code
};

// "utf-8", "utf-16", "latin1", "cp437", "ucs2", "sjis", "jis", "euc-jp",
// "ksc", "johap", their usual aliases, or a CharCodeID 0 to 7. Case does not
// matter. Nothing when the name is unknown.
std::optional<InputEncoding> parse_encoding(std::string_view name);

// The names accepted, for the help text and error messages.
std::string_view encoding_names();

// A document ready for the engine: its bytes in `code`, and for UCS2 also
// the units (which the script guesser looks at).
struct EngineInput {
  phraxis::CharCode code = phraxis::CharCode::ucs2;
  std::string bytes;
  std::u16string units;  // filled for UCS2 only
};

EngineInput prepare_input(std::string_view file_bytes, const InputEncoding& encoding);

}  // namespace phraxis_cli
