// Documents read on several threads, results handed on in input order.
#pragma once

#include <cstddef>
#include <functional>

#include "document_job.h"

namespace phraxis_cli {

// Calls process(i) for every i below `count` on `jobs` threads and emit(i,
// result) on the calling thread in the order 0, 1, 2, ... as soon as each
// result is ready. At most a few documents per thread run ahead of the
// output, so memory stays bounded however many documents there are.
void run_in_order(std::size_t count, int jobs,
                  const std::function<DocumentResult(std::size_t)>& process,
                  const std::function<void(std::size_t, DocumentResult&)>& emit);

}  // namespace phraxis_cli
