#pragma once
// The Win32 workbench window as start-up runs it.

#include <memory>

#include "window/modal_window.h"

namespace qv {

// Loads the rich edit libraries (with the trace lines of start-up) and
// registers the common controls that the dialog uses.
void prepareWindowLibraries();

// Prepares the window's libraries (the rich edit controls, the common
// controls, message boxes for error reports) and makes the main dialog on
// the user's own registry key and application data folder.
std::unique_ptr<ModalWindow> makeWin32MainWindow();

}  // namespace qv
