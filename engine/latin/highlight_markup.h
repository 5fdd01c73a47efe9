// Highlight markup: a key sentence with its marked phrases is tidied and
// rendered as plain text or HTML.
//
// Tidying decides, byte by byte, what is key phrase ("O"), ordinary text
// ("o") and elided text ("x"): boundary marks take the mark of the word they
// touch (so a comma after a marked word is marked with it); bracketed
// asides and short leading or trailing clauses that touch no key phrase are
// elided, and so is a list marker at the start; spaces follow the text
// around them. Rendering writes the runs: key phrases in bold when asked,
// elided text left out or kept (in grey when asked). With any HTML markup,
// "<" and ">" of the text are escaped.
//
// The rendered text has no length limit: markup and escapes may make it
// longer than the sentence buffer.
#pragma once

#include <string>
#include <string_view>

#include "latin/latin_language.h"

namespace phx {

inline constexpr std::string_view kBoldOpen = "<b>";
inline constexpr std::string_view kBoldClose = "</b>";
inline constexpr std::string_view kGreyOpen = "<font color=\"999999\">";
inline constexpr std::string_view kGreyClose = "</font>";

// Tidies a marked sentence in place; `mask` is as long as `text`.
void tidy_highlight(std::string_view text, std::string& mask);

// Renders a tidied sentence under the HighlightType bits.
std::string render_highlight(std::string_view text, std::string_view mask, int highlight_bits);

// Tidies, renders and converts every filled slot into the document's
// highlight list, in phrase order or in document order. 0, or 1 when memory
// ran out.
int build_highlight_list(const LatinLanguage& language, DocumentMemory& doc,
                         const StopMemory& stop, SelectionTables& tables);

}  // namespace phx
