// The buffer reader of the Latin-script pipeline: reads tokens, passes each
// through the language's word filter and counts every content word and every
// run of two and three adjacent content words as a candidate.
#pragma once

#include <string_view>

#include "latin/latin_language.h"

namespace phx {

// Reads one decoded buffer of a document in `language`. 0, 1 when memory ran
// out, or the error of the sentence store.
int read_latin_buffer(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                      std::string_view text);

}  // namespace phx
