// One document through the engine: read the file, decode it, choose the
// language and filters, extract, and bring the results back as UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "language_support.h"
#include "options.h"
#include "phraxis.hpp"

namespace phraxis_cli {

struct DocumentResult {
  std::string file;   // as named on the command line; "-" for standard input
  std::string error;  // empty when the document was read
  phraxis::Language language = phraxis::Language::automatic;
  int words = 0;
  int content_words = 0;
  bool whole_document = true;
  struct Phrase {
    std::string text;  // UTF-8
    double score = 0.0;
  };
  std::vector<Phrase> phrases;
  std::vector<std::string> highlights;  // UTF-8

  bool failed() const { return !error.empty(); }
};

// What every document of a run shares. The StopMemory is only read here.
struct RunContext {
  const Settings& settings;
  phraxis::StopMemory& stop;
  LanguageSupport& support;
};

// Reads `file` ("-" for standard input) and extracts its key phrases.
DocumentResult process_file(const RunContext& context, const std::string& file);

// The same for a document already in memory; `file` names it in messages
// and decides the markup filter by its extension.
DocumentResult process_bytes(const RunContext& context, const std::string& file,
                             std::string_view bytes);

// The engine's message text of a code, on one line and without its
// "ERROR: " prefix.
std::string engine_message(int code);

// "... is not supported yet" for a language the engine cannot read.
std::string unsupported_message(phraxis::Language language);

}  // namespace phraxis_cli
