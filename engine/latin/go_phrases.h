// Go phrases: words and phrases the caller wants as key phrases whenever
// they occur. They are looked for in the collected sentences, each with its
// own MatchType, and the ones found head the phrase list with the score 0.0,
// up to the number of phrases wanted. Each gets its key sentence like any
// key phrase, and a regular candidate equal to one (ignoring case) is not
// output a second time.
#pragma once

#include "latin/latin_language.h"

namespace phx {

int add_go_phrases(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                   SelectionTables& tables);

}  // namespace phx
