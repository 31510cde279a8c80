#include <windows.h>

#include "platform/tick_count.h"

namespace qv {

std::uint32_t tickCount() { return GetTickCount(); }

}  // namespace qv
