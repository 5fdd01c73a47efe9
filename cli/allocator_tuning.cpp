#include "allocator_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace phraxis_cli {

void keep_freed_memory_for_reuse() {
#if defined(__GLIBC__)
  // Tables come from the heap rather than from mappings of their own, and
  // the heap is not handed back to the system between documents.
  constexpr int kLargeAllocation = 64 << 20;
  constexpr int kKeptFreeMemory = 512 << 20;
  mallopt(M_MMAP_THRESHOLD, kLargeAllocation);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
#endif
}

}  // namespace phraxis_cli
