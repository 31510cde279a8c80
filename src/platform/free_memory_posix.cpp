#include "platform/free_memory.h"

// Any C library header tells which C library this is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qv {

void returnFreeMemory() {
#if defined(__GLIBC__)
  // Every arena, the compile thread's too.
  malloc_trim(0);
#endif
}

}  // namespace qv
