// Reading the source and include files into tabs and saving a tab's text.
// Saving writes no backups.
#include "platform/files.h"
#include "window/editor_text.h"
#include "window/main_dialog.h"
#include "window/text_file.h"
#include "window/window_texts.h"

namespace qv {

bool CMainDialog::ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd) {
  return ReadTextFile(path, text, lineEnd);
}

bool CMainDialog::EnsureBackupsFolderFor(const std::string&) { return true; }

void CMainDialog::OnSaveFiles() {
  int tab = m_view.GetCurrentTab();
  std::string* buffer = TabBuffer(tab);
  if (buffer == nullptr) return;
  CaptureTabText(tab);
  std::string target = TabFilePath(tab);
  if (target.empty()) {
    m_view.ShowMessageBox("No file target for this tab.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    return;
  }
  std::string lineEnd = kDefaultLineEnd;
  std::size_t include = static_cast<std::size_t>(tab - kFixedTabCount);
  if (tab >= kFixedTabCount && include < m_includeEols.size()) lineEnd = m_includeEols[include];
  if (writeWholeFile(target, WithLineEnds(*buffer, lineEnd))) {
    MarkTabDirty(tab, false);
    if (tab == kSourceTab) m_sourceFileTime.valid = lastWriteTime(target, m_sourceFileTime.time);
    m_statusText = "Saved";
  } else {
    m_view.ShowMessageBox("Unable to save to " + target, MessageBoxButtons::Ok, MessageBoxIcon::None);
    m_statusText = "Save failed";
  }
  UpdateStatusLine();
}

}  // namespace qv
