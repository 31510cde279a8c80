#include "platform/free_memory.h"

#include <windows.h>

namespace qv {

void returnFreeMemory() { HeapCompact(GetProcessHeap(), 0); }

}  // namespace qv
