// How the document frame reaches a language: each language's pipeline has a
// reader, which takes one buffer of text in the language's internal form, and
// an end step, which fills the phrase, score and highlight lists.
#pragma once

#include <string_view>

struct DocumentMemory;
struct StopMemory;

namespace phx {

struct LanguagePipeline {
  // Reads one buffer (Latin-1 for the Latin-script languages; the caller's
  // bytes for Japanese and Korean). 0 or an engine error code.
  int (*read)(DocumentMemory& doc, const StopMemory& stop, std::string_view text);
  // Runs once at the end of a document that has candidates.
  int (*end)(DocumentMemory& doc, const StopMemory& stop);
};

// The pipeline of a language (1 to 6), or null while that language has none.
const LanguagePipeline* pipeline_for(int language);

}  // namespace phx
