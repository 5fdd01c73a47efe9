// The caller's stop words, stop phrases and go phrases, from the command
// line and from files, added to the shared StopMemory before any document.
#pragma once

#include <string>
#include <vector>

#include "options.h"
#include "phraxis.hpp"

namespace phraxis_cli {

// Reads a UTF-8 word file into `entries`: one entry a line, empty lines and
// lines starting with # skipped. An empty string when it went well, else
// the reason.
std::string read_word_file(const std::string& path, std::vector<std::string>& entries);

// Adds every word and phrase of `settings` (files included) to `stop`, in
// UCS2, for the language chosen, or with --lang auto for every language
// that accepts it. An empty string when it went well, else a message that
// names the entry and the engine's reason.
std::string add_user_words(const Settings& settings, phraxis::StopMemory& stop);

}  // namespace phraxis_cli
