// Reading the source and include files into tabs, and saving a tab's text
// with a numbered backup of the file it replaces.
#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "window/backups.h"
#include "window/main_dialog.h"
#include "window/text_file.h"
#include "window/window_texts.h"

namespace qv {

namespace {

// A file named without a folder has no folder of its own to keep backups
// in; the program's folder is no place for them either, as users cannot
// write there. They go to the user's own data folder instead.
std::string fallbackBackupsFolder(const MainDialogView& view) {
  std::string folder = view.UserDataFolder();
  if (folder.empty()) return folder;
  if (!isSeparator(folder.back())) folder += kPathSeparator;
  return folder + "backups" + kPathSeparator;
}

BackupOptions backupOptionsFor(MainDialogView& view) {
  BackupOptions options;
  options.fallbackFolder = fallbackBackupsFolder(view);
  options.confirmClearBackups = [&view] {
    return view.ShowMessageBox(std::string(kClearBackupsQuestion), MessageBoxButtons::YesNo,
                               MessageBoxIcon::Question) == MessageBoxAnswer::Yes;
  };
  return options;
}

}  // namespace

bool CMainDialog::ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd) {
  return ReadTextFile(path, text, lineEnd);
}

bool CMainDialog::EnsureBackupsFolderFor(const std::string& path) {
  std::string folder = BackupsFolderFor(path, fallbackBackupsFolder(m_view));
  // Unlike a folder beside a file, the user's data folder may lack its
  // parents on a first start.
  return folder.empty() || (ensureDirectory(folder) && folderExists(folder));
}

bool CMainDialog::SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd) {
  return SaveTextFile(path, text, lineEnd, backupOptionsFor(m_view));
}

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
  // Only include files keep the line ends they were read with.
  std::string lineEnd = kDefaultLineEnd;
  std::size_t include = static_cast<std::size_t>(tab - kFixedTabCount);
  if (tab >= kFixedTabCount && include < m_includeEols.size()) lineEnd = m_includeEols[include];
  if (SaveTabText(target, *buffer, lineEnd)) {
    MarkTabDirty(tab, false);
    // The window's own save is no change by another editor.
    if (tab == kSourceTab) m_sourceFileTime.valid = lastWriteTime(target, m_sourceFileTime.time);
    m_statusText = "Saved";
  } else {
    m_view.ShowMessageBox("Unable to save to " + target, MessageBoxButtons::Ok, MessageBoxIcon::None);
    m_statusText = "Save failed";
  }
  UpdateStatusLine();
}

}  // namespace qv
