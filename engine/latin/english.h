// English: the reference description of the Latin-script pipeline, and the
// reader and end step the document frame calls for English documents.
#pragma once

#include <string_view>

#include "latin/latin_language.h"

namespace phx {

// The English scoring parameters (english_parameters.cpp).
extern const ParameterTable kEnglishParameters;

// The reference description; variants start from a copy of it.
const LatinLanguage& english_language();

// The English buffer reader and selection, as registered with the frame.
int read_english_buffer(DocumentMemory& doc, const StopMemory& stop, std::string_view text);
int select_english_keyphrases(DocumentMemory& doc, const StopMemory& stop);

}  // namespace phx
