// The frame that drives a document through the engine: which steps a buffer
// goes through, in which order, and what the end of the document does. The
// handles have been checked by the exported functions.
#pragma once

#include <string_view>

struct DocumentMemory;
struct StopMemory;

namespace phx {

// The language the engine dispatches by: the caller's, else the identified one.
int effective_language(const DocumentMemory& doc);

// Reads one buffer: decodes and filters it (unless held-back text is being
// replayed), holds it back while the language is unknown, else hands it to
// the language's reader. Refuses with 25 after the end of the document.
int read_document_buffer(DocumentMemory& doc, StopMemory& stop, std::string_view buffer);

// Ends the document: pushes the closing text through the read path,
// identifies the language if it is automatic, and runs the language's end
// step when there are candidates.
int signal_document_end(DocumentMemory& doc, StopMemory& stop);

}  // namespace phx
