#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qv {

// Runs the workbench window until it closes; returns the dialog's end code.
using WindowRunner = std::function<int(int argc, char** argv)>;

// Application start-up: trace log, last-chance error report, the headless
// harness first, then the window (when there is one). Returns the process
// exit code.
int runApplication(int argc, char** argv, const WindowRunner& runWindow);

}  // namespace qv
