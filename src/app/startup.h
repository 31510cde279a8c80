#pragma once

#include <functional>
#include <memory>

#include "window/modal_window.h"

namespace qv {

// Makes the window; argc must outlive it. Null when there is no display to
// show it on.
using WindowFactory = std::function<std::unique_ptr<ModalWindow>(int& argc, char** argv)>;

// Written to standard error when the window has no display to open on.
inline constexpr char kNoDisplayText[] =
    "quaverton: cannot open the window (no display); use --harness to compile without one";
inline constexpr int kExitNoDisplay = 1;
// Written instead when the program was built without the window (a build
// without Qt, such as the Windows cross build); the exit code is the same.
inline constexpr char kNoWindowText[] = "quaverton: this build has no window; use --harness to compile";

// Application start-up: trace log, last-chance error report, the headless
// harness first, then the window (no factory: the build has none). Returns
// the process exit code.
int runApplication(int argc, char** argv, const WindowFactory& makeWindow);

}  // namespace qv
