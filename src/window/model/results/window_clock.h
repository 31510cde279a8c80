#pragma once
// The two clocks the window reads: the tick count that times a compile and
// paces its progress repaints, and the local time of day printed in the
// compile log. Tests put their own in.

#include <cstdint>
#include <functional>
#include <string>

namespace qv {

struct WindowClock {
  std::function<std::uint32_t()> ticks;
  // "HH:MM:SS"
  std::function<std::string()> timeOfDay;
};

// The platform tick count and the local time now.
WindowClock SystemClock();

}  // namespace qv
