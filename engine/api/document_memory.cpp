#include "api/document_memory.h"

// Tables are made with their bucket count here; their bucket arrays are
// allocated on first use, so that a document costs little until it is read.
DocumentMemory::DocumentMemory()
    : candidate_count(phx::kDocumentTableBuckets),
      first_position(phx::kDocumentTableBuckets),
      second_position(phx::kDocumentTableBuckets),
      plain_spelling(phx::kDocumentTableBuckets),
      capital_spelling(phx::kDocumentTableBuckets),
      japanese_parameters(phx::load_japanese_parameters(7.0)),
      verb_use_count(phx::kDocumentTableBuckets),
      particle_marked(phx::kDocumentTableBuckets),
      latin_spelling(phx::kDocumentTableBuckets),
      wide_candidate_count(phx::kDocumentTableBuckets),
      wide_first_position(phx::kDocumentTableBuckets),
      japanese_highlight_table(phx::kDocumentTableBuckets) {}
