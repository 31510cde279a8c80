// Searching the current tab, the window's own keys, navigation from a name
// to its definition and the check for a source changed outside the window.
#include "window/main_dialog.h"

namespace qv {

void CMainDialog::OnFindNext() {}

void CMainDialog::OnFindPrev() {}

void CMainDialog::OnFindShortcut() {}

bool CMainDialog::PreTranslateKeyDown(const KeyDown& key) {
  switch (key.key) {
    case WindowKey::F:
      if (!key.ctrl) return false;
      OnFindShortcut();
      return true;
    case WindowKey::F3:
      OnFindNext();
      return true;
    case WindowKey::F5:
      OnCompile();
      return true;
    default:
      return false;
  }
}

bool CMainDialog::PreTranslateChar(char, bool, bool) { return false; }

void CMainDialog::OnEditorDoubleClick(int) {}

void CMainDialog::CheckExternalChange() {}

}  // namespace qv
