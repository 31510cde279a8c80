#pragma once
// What the window keeps of its last compile, for every feature that shows
// or follows it. CompileRun fills it.

#include <cstdint>

#include "compile/compile_result.h"
#include "window/model/results/line_origins.h"
#include "window/model/results/window_clock.h"

namespace qv {

struct LastCompile {
  // A result is present: the compile ran to its end.
  bool compiled = false;
  // Its lines and image entries are let go of, for the window needs only
  // where each line came from: origins.
  CompileResult result;
  LineOrigins origins;
  // Its duration by the tick count; 0 until a compile finishes.
  std::uint32_t millis = 0;
  // The clock that compiles are timed and logged by.
  WindowClock clock = SystemClock();
};

}  // namespace qv
