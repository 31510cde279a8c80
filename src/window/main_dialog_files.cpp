// Reading the source and include files into tabs, and saving a tab's text
// with a numbered backup of the file it replaces.
#include <algorithm>

#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "window/backups.h"
#include "window/main_dialog.h"
#include "window/text_file.h"
#include "window/window_texts.h"

namespace qv {

namespace {

// The compiler writes its outputs with CR LF, so their tabs are saved so too.
constexpr char kOutputLineEnd[] = "\r\n";

std::string foldingNote(const std::string& path, std::size_t count) {
  std::string folded = count == 1 ? "1 character outside 7-bit ASCII is shown as a look-alike or \"?\"; "
                                    "saving writes it that way"
                                  : std::to_string(count) +
                                        " characters outside 7-bit ASCII are shown as look-alikes or \"?\"; "
                                        "saving writes them that way";
  return "NOTE: " + fileNameOf(path) + ": " + folded + " (the previous version goes to backups).";
}

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

bool CMainDialog::ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd,
                              std::string& readError) {
  std::size_t folded = 0;
  std::string failure;
  if (!ReadTextFile(path, text, lineEnd, &folded, &failure)) {
    readError = "Unable to read " + path + ": " + failure + ".";
    AddFileNote(readError);
    return false;
  }
  readError.clear();
  if (folded > 0) AddFileNote(foldingNote(path, folded));
  return true;
}

void CMainDialog::AddFileNote(const std::string& note) {
  if (std::find(m_fileNotes.begin(), m_fileNotes.end(), note) == m_fileNotes.end()) m_fileNotes.push_back(note);
  AppendFileNotes();
}

void CMainDialog::AppendFileNotes() {
  for (const std::string& note : m_fileNotes) {
    if (m_logText.find(note) != std::string::npos) continue;
    if (!m_logText.empty()) m_logText += "\r\n";
    m_logText += note;
  }
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

void CMainDialog::MarkTabSaved(int tab) {
  SetTabDirtyFlag(tab, false);
  // Else the editor's own mark would make the tab unsaved again when it is left.
  if (tab == m_currentTab) m_view.SetEditorModified(false);
}

std::string CMainDialog::LineEndOfTab(int tab) const {
  if (tab == kSourceTab) return m_sourceEol;
  std::size_t include = static_cast<std::size_t>(tab - kFixedTabCount);
  if (tab >= kFixedTabCount && include < m_includeEols.size()) return m_includeEols[include];
  return kOutputLineEnd;
}

void CMainDialog::OnSaveFiles() {
  int tab = m_view.GetCurrentTab();
  std::string* buffer = TabBuffer(tab);
  if (buffer == nullptr) return;
  CaptureTabText(tab);
  // A placeholder is no text of the tab's file and must never replace it.
  std::string target = ShowsPlaceholder(tab) ? std::string() : TabFilePath(tab);
  if (target.empty()) {
    m_view.ShowMessageBox("No file target for this tab.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    return;
  }
  if (SaveTabText(target, *buffer, LineEndOfTab(tab))) {
    MarkTabSaved(tab);
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
