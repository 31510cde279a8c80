#pragma once
// The Qt workbench window as start-up runs it.

#include <memory>

#include "app/startup.h"

namespace qv {

// Prepares Qt (the application object unless one exists, message boxes for
// error reports, a last-chance report for fatal Qt messages) and makes the
// main dialog.
std::unique_ptr<ModalWindow> makeQtMainWindow(int& argc, char** argv);

}  // namespace qv
