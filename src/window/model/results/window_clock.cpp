#include "window/model/results/window_clock.h"

#include <ctime>

#include "platform/local_time.h"
#include "platform/tick_count.h"

namespace qv {

namespace {

std::string localTimeOfDay() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localTime(now, local)) return "00:00:00";
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

}  // namespace

WindowClock SystemClock() { return {tickCount, localTimeOfDay}; }

}  // namespace qv
