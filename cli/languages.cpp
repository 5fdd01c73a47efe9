#include "languages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace phraxis_cli {
namespace {

using phraxis::Language;

struct LanguageEntry {
  Language language;
  std::string_view tag;
  std::string_view name;
};

constexpr std::array kLanguages{
    LanguageEntry{Language::automatic, "auto", "automatic"},
    LanguageEntry{Language::english, "en", "English"},
    LanguageEntry{Language::french, "fr", "French"},
    LanguageEntry{Language::german, "de", "German"},
    LanguageEntry{Language::spanish, "es", "Spanish"},
    LanguageEntry{Language::japanese, "ja", "Japanese"},
    LanguageEntry{Language::korean, "ko", "Korean"},
};

std::string lower_case(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

std::optional<Language> parse_language(std::string_view name) {
  const std::string lower = lower_case(name);
  for (const auto& entry : kLanguages) {
    if (lower == entry.tag || lower == lower_case(entry.name)) return entry.language;
  }
  return std::nullopt;
}

std::string_view language_tag(Language language) {
  if (language == Language::automatic) return "unknown";
  for (const auto& entry : kLanguages) {
    if (entry.language == language) return entry.tag;
  }
  return "unknown";
}

std::string_view language_name(Language language) {
  if (language == Language::automatic) return "unknown";
  for (const auto& entry : kLanguages) {
    if (entry.language == language) return entry.name;
  }
  return "unknown";
}

bool code_suits_language(phraxis::CharCode code, Language language) {
  const int value = static_cast<int>(code);
  switch (language) {
    case Language::japanese:
      return value >= 2 && value <= 5;
    case Language::korean:
      return value == 2 || value == 6 || value == 7;
    default:
      return value >= 0 && value <= 2;
  }
}

}  // namespace phraxis_cli
