// Closing the window with unsaved Source or include edits.
#include "window/main_dialog.h"
#include "window/window_texts.h"

namespace qv {

bool CMainDialog::CanClose() {
  int tab = SelectedTab();
  if (IsEditableTab(tab)) CaptureTabText(tab);

  struct Unsaved {
    int tab;
    std::string path;
    std::string* text;
    std::string lineEnd;
  };
  std::vector<Unsaved> unsaved;
  if (IsTabDirty(kSourceTab) && !m_sourcePath.empty()) {
    unsaved.push_back({kSourceTab, m_sourcePath, &m_sourceText, kDefaultLineEnd});
  }
  for (std::size_t i = 0; i < m_includePaths.size() && i < m_includeTexts.size(); ++i) {
    int includeTab = kFixedTabCount + static_cast<int>(i);
    if (!IsTabDirty(includeTab) || m_includePaths[i].empty()) continue;
    std::string lineEnd = i < m_includeEols.size() && !m_includeEols[i].empty() ? m_includeEols[i] : kDefaultLineEnd;
    unsaved.push_back({includeTab, m_includePaths[i], &m_includeTexts[i], lineEnd});
  }
  if (unsaved.empty()) return true;

  MessageBoxAnswer answer = m_view.ShowMessageBox("Save changes to the source and include files before closing?",
                                                  MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question);
  if (answer == MessageBoxAnswer::Cancel) return false;
  if (answer != MessageBoxAnswer::Yes) return true;
  for (const Unsaved& file : unsaved) {
    if (!SaveTabText(file.path, *file.text, file.lineEnd)) {
      m_view.ShowMessageBox("Unable to save to " + file.path, MessageBoxButtons::Ok, MessageBoxIcon::None);
      m_statusText = "Save failed";
      UpdateStatusLine();
      return false;
    }
    MarkTabDirty(file.tab, false);
  }
  return true;
}

}  // namespace qv
