#include "window/model/files/tab_files.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/filesystem_path.h"
#include "platform/paths.h"
#include "window/model/files/backups.h"
#include "window/model/files/text_file.h"

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

FileStamp stampOf(const std::string& path) {
  FileStamp stamp;
  std::error_code error;
  stamp.size = std::filesystem::file_size(filesystemPath(path), error);
  stamp.valid = !error && lastWriteTime(path, stamp.time);
  return stamp;
}

bool TabFiles::ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd,
                           std::string& readError) {
  std::size_t folded = 0;
  std::string failure;
  if (!ReadTextFile(path, text, lineEnd, &folded, &failure)) {
    readError = "Unable to read " + path + ": " + failure + ".";
    AddFileNote(readError);
    return false;
  }
  readError.clear();
  m_readStamps[path] = stampOf(path);
  if (folded > 0) AddFileNote(foldingNote(path, folded));
  return true;
}

void TabFiles::AddFileNote(const std::string& note) {
  if (std::find(m_fileNotes.begin(), m_fileNotes.end(), note) == m_fileNotes.end()) m_fileNotes.push_back(note);
  AppendFileNotes();
}

void TabFiles::AppendFileNotes() {
  std::string& log = m_tabs.at(kLogTab).text;
  for (const std::string& note : m_fileNotes) {
    if (log.find(note) != std::string::npos) continue;
    if (!log.empty()) log += "\r\n";
    log += note;
  }
}

bool TabFiles::EnsureBackupsFolderFor(const std::string& path) {
  std::string folder = BackupsFolderFor(path, fallbackBackupsFolder(m_view));
  // Unlike a folder beside a file, the user's data folder may lack its
  // parents on a first start.
  return folder.empty() || (ensureDirectory(folder) && folderExists(folder));
}

bool TabFiles::SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd) {
  if (!SaveTextFile(path, text, lineEnd, backupOptionsFor(m_view))) return false;
  // Edits from now on are made to the saved version.
  m_readStamps[path] = stampOf(path);
  return true;
}

std::optional<std::string> TabFiles::KeepTextAsBackup(const std::string& path, const std::string& text,
                                                      const std::string& lineEnd) {
  return qv::KeepTextAsBackup(path, text, lineEnd, backupOptionsFor(m_view));
}

FileStamp TabFiles::ReadStampOf(const std::string& path) const {
  auto found = m_readStamps.find(path);
  return found == m_readStamps.end() ? FileStamp{} : found->second;
}

std::string TabFiles::LineEndOfTab(int tab) const {
  return m_tabs.IsEditable(tab) ? m_tabs.at(tab).lineEnd : std::string(kOutputLineEnd);
}

void TabFiles::OnSaveFiles() {
  int tab = m_view.GetCurrentTab();
  TabRecord* record = m_tabs.Find(tab);
  if (record == nullptr) return;
  m_editor.CaptureTabText(tab);
  // A placeholder is no text of the tab's file and must never replace it.
  std::string target = m_editor.ShowsPlaceholder(tab) ? std::string() : m_editor.TabFilePath(tab);
  if (target.empty()) {
    m_view.ShowMessageBox("No file target for this tab.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    return;
  }
  StatusLine& status = m_editor.Status();
  if (SaveTabText(target, record->text, LineEndOfTab(tab))) {
    m_editor.MarkTabSaved(tab);
    // The window's own save is no change by another editor.
    if (tab == kSourceTab) sourceFileTime.valid = lastWriteTime(target, sourceFileTime.time);
    status.Show("Saved");
  } else {
    m_view.ShowMessageBox("Unable to save to " + target, MessageBoxButtons::Ok, MessageBoxIcon::None);
    status.Show("Save failed");
  }
}

void TabFiles::ReloadTabFromDisk(int tab) {
  if (!m_tabs.IsEditable(tab) || m_tabs.IsDirty(tab)) return;
  TabRecord& record = m_tabs.at(tab);
  if (record.path.empty()) return;
  std::string text;
  std::string lineEnd;
  if (!ReadTabFile(record.path, text, lineEnd, record.readError)) {
    // A file that cannot be read now keeps none of its earlier text either.
    record.text.clear();
    record.history.Clear();
    return;
  }
  m_editor.TakeFileText(tab, std::move(text));
  record.lineEnd = std::move(lineEnd);
  if (tab == kSourceTab) RecordSourceFileTime();
}

void TabFiles::RecordSourceFileTime() {
  sourceFileTime.valid = lastWriteTime(m_tabs.SourcePath(), sourceFileTime.time);
}

void TabFiles::CheckExternalChange() {
  const std::string& sourcePath = m_tabs.SourcePath();
  if (sourcePath.empty() || !sourceFileTime.valid) return;
  std::int64_t current = 0;
  if (!lastWriteTime(sourcePath, current) || current <= sourceFileTime.time) return;

  // Taken before asking, so that coming back to the window while the
  // question is open does not ask about the same change again.
  SourceFileTime askedAbout = sourceFileTime;
  sourceFileTime = {current, true};
  std::string question = m_tabs.IsDirty(kSourceTab)
                             ? "The source file was changed by another editor.\r\nReload and discard unsaved "
                               "changes in Source tab?"
                             : "The source file was changed by another editor.\r\nReload now?";
  MessageBoxAnswer answer = m_view.ShowMessageBox(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question);
  if (answer != MessageBoxAnswer::Yes) {
    // The tab keeps its text, which the file no longer has: it is unsaved
    // now, so the next showing does not read the file over it and the next
    // save writes it (the changed file going to backups).
    m_editor.MarkTabDirty(kSourceTab, true);
    m_tabs.at(kSourceTab).history.ForgetSavedPoint();
    return;
  }
  std::string text;
  std::string lineEnd;
  std::string readError;
  if (!ReadTabFile(sourcePath, text, lineEnd, readError)) {
    sourceFileTime = askedAbout;
    m_view.ShowMessageBox("Unable to reload source file.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    return;
  }
  TabRecord& source = m_tabs.at(kSourceTab);
  m_editor.TakeFileText(kSourceTab, std::move(text));
  source.lineEnd = std::move(lineEnd);
  RecordSourceFileTime();
  m_editor.MarkTabDirty(kSourceTab, false);
  // During a switch to Source the editor still holds the previous tab,
  // which the switch saves first; the switch then shows the new text.
  if (m_editor.SelectedTab() == kSourceTab && m_tabs.current == kSourceTab) {
    m_editor.SetOutputText(source.text, kSourceTab, true);
  }
}

bool TabFiles::NoteActivation(bool active) {
  bool returning = active && !m_appActive;
  m_appActive = active;
  return returning;
}

bool TabFiles::OfferToSaveEdits(const char* question) {
  int tab = m_editor.SelectedTab();
  if (m_tabs.IsEditable(tab)) m_editor.CaptureTabText(tab);

  std::vector<int> unsaved;
  auto note = [&](int each) {
    if (m_tabs.IsDirty(each) && !m_tabs.at(each).path.empty()) unsaved.push_back(each);
  };
  note(kSourceTab);
  for (std::size_t include = 0; include < m_tabs.IncludeCount(); ++include) note(TabSet::IncludeTab(include));
  if (unsaved.empty()) return true;

  MessageBoxAnswer answer = m_view.ShowMessageBox(question, MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question);
  if (answer == MessageBoxAnswer::Cancel) return false;
  if (answer != MessageBoxAnswer::Yes) return true;
  for (int each : unsaved) {
    const TabRecord& record = m_tabs.at(each);
    if (!SaveTabText(record.path, record.text, LineEndOfTab(each))) {
      m_view.ShowMessageBox("Unable to save to " + record.path, MessageBoxButtons::Ok, MessageBoxIcon::None);
      m_editor.Status().Show("Save failed");
      return false;
    }
    m_editor.MarkTabSaved(each);
  }
  return true;
}

}  // namespace qv
