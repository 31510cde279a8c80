#pragma once
// The Win32 workbench window as start-up runs it.

#include <memory>
#include <string>

#include "window/modal_window.h"

namespace qv {

// Where the window keeps what it remembers; an empty member means the
// user's own place.
struct Win32WindowStorage {
  // A registry key of the current user in place of the program's own.
  std::wstring settingsKey;
  // In place of the user's application data folder.
  std::string dataFolder;
};

// Loads the rich edit libraries (with the trace lines of start-up) and
// registers the common controls that the dialog uses.
void prepareWindowLibraries();

// Prepares the window's libraries (the rich edit controls, the common
// controls, message boxes for error reports) and makes the main dialog.
std::unique_ptr<ModalWindow> makeWin32MainWindow(const Win32WindowStorage& storage = {});

}  // namespace qv
