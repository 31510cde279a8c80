#pragma once

#include <string>
#include <vector>

namespace qv {

struct HarnessOutcome {
  bool requested = false;
  int exitCode = 0;
  // When not requested: the source the command line names, for the window
  // to open; empty when it names none.
  std::string windowSource;
};

// Exit codes of a headless run.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitUnreadableSource = 2;
inline constexpr int kExitCompileFailed = 3;

// Compiles headless when the arguments ask for it; otherwise does nothing
// and reports not requested. arguments[0] is the program's own name.
HarnessOutcome runHarness(const std::vector<std::string>& arguments);

// Where the log goes when it cannot be written beside the source.
std::string fallbackHarnessLogPath();

}  // namespace qv
