#pragma once
// The workbench window as start-up sees it, whichever view draws it.

#include <string>

namespace qv {

class ModalWindow {
 public:
  virtual ~ModalWindow() = default;
  // The dialog's end code; -1 when the dialog could not be created.
  virtual int DoModal() = 0;
  // Before DoModal: the window opens with this source selected in place of
  // the stored one.
  virtual void SetStartupSource(const std::string& path) = 0;
};

// How the process ends when the window finds no display it can reach.
struct NoDisplayEnding {
  const char* text = "";
  int exitCode = 1;
};

}  // namespace qv
