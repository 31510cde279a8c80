#pragma once
// The Qt workbench window as start-up runs it.

#include <QString>
#include <memory>

#include "window/modal_window.h"

namespace qv {

// Where the window keeps what it remembers; an empty member means the
// user's own place.
struct WindowStorage {
  // An INI file in place of the user's settings.
  QString settingsFile;
  // In place of the user's application data folder.
  QString dataFolder;
};

// Prepares Qt (the application object unless one exists, message boxes for
// error reports, a last-chance report for fatal Qt messages) and makes the
// main dialog on the user's own settings and data folder. Null when there is
// no display; a display that cannot be reached ends the process as
// noDisplay says.
std::unique_ptr<ModalWindow> makeQtMainWindow(int& argc, char** argv, const NoDisplayEnding& noDisplay);

// The same on the given storage, so that a run never touches the user's.
std::unique_ptr<ModalWindow> makeQtMainWindowWithStorage(int& argc, char** argv, const NoDisplayEnding& noDisplay,
                                                         const WindowStorage& storage);

}  // namespace qv
