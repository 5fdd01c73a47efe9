#include "user_words.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "document_job.h"
#include "unicode_text.h"

namespace phraxis_cli {
namespace {

using phraxis::Language;

enum class WordKind { stop_word, stop_phrase, go_phrase };

// The languages an entry goes to. Japanese keeps no stop words.
std::vector<Language> target_languages(Language chosen, WordKind kind) {
  if (chosen != Language::automatic) return {chosen};
  std::vector<Language> languages{Language::english, Language::french, Language::german,
                                  Language::spanish, Language::korean};
  if (kind != WordKind::stop_word) languages.push_back(Language::japanese);
  return languages;
}

void add_one(phraxis::StopMemory& stop, WordKind kind, Language language, const std::string& ucs2,
             int match_type) {
  switch (kind) {
    case WordKind::stop_word:
      return stop.add_stop_word(language, phraxis::CharCode::ucs2, ucs2);
    case WordKind::stop_phrase:
      return stop.add_stop_phrase(language, phraxis::CharCode::ucs2, ucs2);
    case WordKind::go_phrase:
      return stop.add_go_phrase(language, phraxis::CharCode::ucs2, ucs2, match_type);
  }
}

std::string_view kind_name(WordKind kind) {
  switch (kind) {
    case WordKind::stop_word: return "stop word";
    case WordKind::stop_phrase: return "stop phrase";
    case WordKind::go_phrase: return "go phrase";
  }
  return "word";
}

// Added when at least one target language takes it; otherwise the first
// language's refusal is the message.
std::string add_entry(const Settings& settings, phraxis::StopMemory& stop, WordKind kind,
                      const std::string& entry) {
  const std::string ucs2 = phraxis::from_u16(utf8_to_ucs2(entry));
  std::optional<int> first_refusal;
  bool added = false;
  for (Language language : target_languages(settings.language, kind)) {
    try {
      add_one(stop, kind, language, ucs2, settings.go_match_type);
      added = true;
    } catch (const phraxis::Error& error) {
      if (!first_refusal) first_refusal = error.code();
    }
  }
  if (added || !first_refusal) return {};
  return std::string(kind_name(kind)) + " '" + entry + "': " + engine_message(*first_refusal);
}

}  // namespace

std::string read_word_file(const std::string& path, std::vector<std::string>& entries) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "cannot read " + path + ": " + std::strerror(errno);
  std::string line;
  bool first_line = true;
  while (std::getline(file, line)) {
    if (first_line && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    first_line = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    entries.push_back(line);
  }
  if (file.bad()) return "cannot read " + path + ": " + std::strerror(errno);
  return {};
}

std::string add_user_words(const Settings& settings, phraxis::StopMemory& stop) {
  struct Source {
    WordKind kind;
    const std::vector<std::string>& entries;
    const std::vector<std::string>& files;
  };
  const Source sources[] = {
      {WordKind::stop_word, settings.stop_words, settings.stop_word_files},
      {WordKind::stop_phrase, settings.stop_phrases, settings.stop_phrase_files},
      {WordKind::go_phrase, settings.go_phrases, settings.go_phrase_files},
  };
  for (const auto& source : sources) {
    std::vector<std::string> entries = source.entries;
    for (const auto& path : source.files) {
      if (std::string error = read_word_file(path, entries); !error.empty()) return error;
    }
    for (const auto& entry : entries) {
      if (std::string error = add_entry(settings, stop, source.kind, entry); !error.empty()) {
        return error;
      }
    }
  }
  return {};
}

}  // namespace phraxis_cli
