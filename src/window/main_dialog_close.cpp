// Unsaved Source and include edits when the window closes or another
// source replaces them: the user decides whether they are saved.
#include "window/main_dialog.h"

namespace qv {

bool CMainDialog::CanClose() {
  return OfferToSaveEdits("Save changes to the source and include files before closing?");
}

bool CMainDialog::OfferToSaveEdits(const char* question) {
  int tab = SelectedTab();
  if (IsEditableTab(tab)) CaptureTabText(tab);

  struct Unsaved {
    int tab;
    std::string path;
    std::string* text;
  };
  std::vector<Unsaved> unsaved;
  if (IsTabDirty(kSourceTab) && !m_sourcePath.empty()) unsaved.push_back({kSourceTab, m_sourcePath, &m_sourceText});
  for (std::size_t i = 0; i < m_includePaths.size() && i < m_includeTexts.size(); ++i) {
    int includeTab = kFixedTabCount + static_cast<int>(i);
    if (!IsTabDirty(includeTab) || m_includePaths[i].empty()) continue;
    unsaved.push_back({includeTab, m_includePaths[i], &m_includeTexts[i]});
  }
  if (unsaved.empty()) return true;

  MessageBoxAnswer answer = m_view.ShowMessageBox(question, MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question);
  if (answer == MessageBoxAnswer::Cancel) return false;
  if (answer != MessageBoxAnswer::Yes) return true;
  for (const Unsaved& file : unsaved) {
    if (!SaveTabText(file.path, *file.text, LineEndOfTab(file.tab))) {
      m_view.ShowMessageBox("Unable to save to " + file.path, MessageBoxButtons::Ok, MessageBoxIcon::None);
      m_statusText = "Save failed";
      UpdateStatusLine();
      return false;
    }
    MarkTabSaved(file.tab);
  }
  return true;
}

}  // namespace qv
