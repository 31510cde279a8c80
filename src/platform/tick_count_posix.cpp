#include "platform/tick_count.h"

#include <chrono>

namespace qv {

std::uint32_t tickCount() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace qv
