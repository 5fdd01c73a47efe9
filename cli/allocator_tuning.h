// Every document gets a fresh engine record whose hash tables take a few
// megabytes of zeroed buckets. With the C library's default settings the
// heap shrinks after each document and grows again for the next, and the
// page faults of regrowing cost more than reading the document. The tool
// keeps freed memory for reuse instead.
#pragma once

namespace phraxis_cli {

// Call once at start-up, before any thread starts. Does nothing where the
// C library offers no such settings.
void keep_freed_memory_for_reuse();

}  // namespace phraxis_cli
