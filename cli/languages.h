// Language names on the command line and in the output, and which
// character codes each language accepts.
#pragma once

#include <optional>
#include <string_view>

#include "phraxis.hpp"

namespace phraxis_cli {

// "auto", "en", "fr", "de", "es", "ja", "ko" or the English names
// ("english", ...); case does not matter.
std::optional<phraxis::Language> parse_language(std::string_view name);

// "en" ... "ko"; "unknown" for automatic (a language never identified).
std::string_view language_tag(phraxis::Language language);
// "English" ... "Korean"; "unknown" for automatic.
std::string_view language_name(phraxis::Language language);

// Whether the engine reads `language` in `code` (automatic: as the Latin
// languages).
bool code_suits_language(phraxis::CharCode code, phraxis::Language language);

}  // namespace phraxis_cli
