#include "window/model/recovery/recovery_copies.h"

#include <chrono>
#include <filesystem>

#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/filesystem_path.h"
#include "platform/paths.h"
#include "platform/trace_log.h"
#include "window/model/files/backups.h"

namespace qv {

namespace {

std::int64_t nanosecondsNow() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

std::string restoreQuestion(const std::vector<const RecoveryCopy*>& copies) {
  std::string names;
  for (const RecoveryCopy* copy : copies) {
    if (!names.empty()) names += ", ";
    names += fileNameOf(copy->file);
  }
  return "Quaverton ended without saving edits to " + std::to_string(copies.size()) + " file(s) (" + names +
         "). Restore them?";
}

// The source whose tabs the copies are put back into: the selected source
// when any copy belongs to it, else the newest copy's source that is
// still there; empty when there is none.
std::string sourceToRestore(const std::vector<const RecoveryCopy*>& copies, const std::string& selected) {
  for (const RecoveryCopy* copy : copies) {
    if (!selected.empty() && sameFile(copy->source, selected)) return selected;
  }
  for (auto newest = copies.rbegin(); newest != copies.rend(); ++newest) {
    if (fileExists((*newest)->source)) return (*newest)->source;
  }
  return {};
}

// A damaged copy is set aside, never deleted, and not offered again.
void setAside(const std::string& path) {
  std::error_code error;
  std::filesystem::rename(filesystemPath(path), filesystemPath(path + ".damaged"), error);
}

}  // namespace

RecoveryCopies::RecoveryCopies(MainDialogView& view, TabSet& tabs, TabEditor& editor, TabFiles& files,
                               TabDisplay& display, SourceSelection& source)
    : m_view(view), m_tabs(tabs), m_editor(editor), m_files(files), m_display(display), m_source(source) {
  m_editor.onUnsavedChange = [this](int tab, bool unsaved) { OnUnsavedChange(tab, unsaved); };
}

void RecoveryCopies::OnStart() {
  std::string folder = RecoveryFolderOf(m_view.UserDataFolder());
  // The user's data folder may lack its parents on a first start.
  if (folder.empty() || !ensureDirectory(folder) || !folderExists(folder)) return;
  // The copies hold the user's text, which is no one else's to read.
  std::error_code error;
  std::filesystem::permissions(filesystemPath(folder), std::filesystem::perms::owner_all, error);
  m_session = NewSessionName();
  m_lock = HeldFileLock::tryLock(SessionLockPath(folder, m_session));
  // Copies without a held lock would be taken for left-overs by the next window.
  if (!m_lock) {
    traceLog("Recovery copies off: cannot lock a session in %s", folder.c_str());
    return;
  }
  m_folder = folder;
  LeftOvers leftOvers = FindLeftOverCopies(m_folder, m_session);
  OfferLeftOvers(leftOvers);
  RemoveEndedSessions(m_folder, m_session, leftOvers);
}

void RecoveryCopies::OfferLeftOvers(LeftOvers& leftOvers) {
  std::vector<const RecoveryCopy*> whole;
  std::vector<const LeftOverCopy*> wholeFiles;
  for (const LeftOverCopy& left : leftOvers.copies) {
    if (left.copy) {
      whole.push_back(&*left.copy);
      wholeFiles.push_back(&left);
      continue;
    }
    m_files.AddFileNote("NOTE: skipped a damaged recovery copy (" + left.damage + "); it stays as " + left.path +
                        ".damaged");
    setAside(left.path);
  }
  if (whole.empty()) return;

  std::vector<bool> handled(whole.size(), false);
  MessageBoxAnswer answer =
      m_view.ShowMessageBox(restoreQuestion(whole), MessageBoxButtons::YesNo, MessageBoxIcon::Question);
  if (answer == MessageBoxAnswer::Yes) {
    Restore(whole, handled);
    // Before the old copies go, the restored edits have copies of this window.
    KeepCopies();
    m_writer.Wait();
  }
  ToBackups(whole, handled);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (handled[i]) deleteFile(wholeFiles[i]->path);
  }
}

void RecoveryCopies::Restore(const std::vector<const RecoveryCopy*>& copies, std::vector<bool>& handled) {
  std::string source = sourceToRestore(copies, m_tabs.SourcePath());
  if (source.empty()) return;
  if (source != m_tabs.SourcePath()) m_source.SelectSource(source, true);
  if (m_tabs.SourcePath() != source) return;

  // The newest copy of each file, the source's own first.
  std::vector<std::size_t> chosen;
  auto take = [&](bool include) {
    for (std::size_t i = copies.size(); i-- > 0;) {
      const RecoveryCopy& copy = *copies[i];
      if (copy.include != include || !sameFile(copy.source, source)) continue;
      if (!include && !sameFile(copy.file, source)) continue;
      bool newer = false;
      for (std::size_t taken : chosen) newer = newer || sameFile(copies[taken]->file, copy.file);
      if (!newer) chosen.push_back(i);
    }
  };
  take(false);
  take(true);

  std::vector<int> restoredTabs;
  std::size_t includes = 0;
  for (std::size_t i : chosen) includes += copies[i]->include ? 1 : 0;
  m_tabs.ResetIncludes(includes);
  std::size_t nextInclude = 0;
  for (std::size_t i : chosen) {
    const RecoveryCopy& copy = *copies[i];
    int tab = copy.include ? TabSet::IncludeTab(nextInclude++) : kSourceTab;
    TabRecord& record = m_tabs.at(tab);
    if (copy.include) record.path = copy.file;
    record.text = copy.text;
    record.lineEnd = copy.lineEnd;
    // The edits are the user's, whatever became of the file since.
    record.readError.clear();
    NoteIfChangedOnDisk(copy);
    // Later copies still tell of the version the edits were made to.
    m_files.SetReadStamp(record.path, copy.read);
    restoredTabs.push_back(tab);
    handled[i] = true;
  }
  // The note above tells of a change on disk; no question about it follows.
  m_files.RecordSourceFileTime();
  m_editor.UpdateTabTitles();
  for (int tab : restoredTabs) m_editor.MarkTabDirty(tab, true);
  m_view.SetCurrentTab(kSourceTab);
  m_display.RefreshOutput();
  m_editor.Status().Show("Unsaved changes");
}

void RecoveryCopies::NoteIfChangedOnDisk(const RecoveryCopy& copy) {
  FileStamp now = stampOf(copy.file);
  if (!copy.read.valid || !now.valid || now == copy.read) return;
  m_files.AddFileNote("NOTE: " + fileNameOf(copy.file) +
                      " changed on disk after these edits were kept; saving replaces that version, which goes to "
                      "backups");
}

void RecoveryCopies::ToBackups(const std::vector<const RecoveryCopy*>& copies, std::vector<bool>& handled) {
  for (std::size_t i = 0; i < copies.size(); ++i) {
    if (handled[i]) continue;
    const RecoveryCopy& copy = *copies[i];
    std::optional<std::string> backup = m_files.KeepTextAsBackup(copy.file, copy.text, copy.lineEnd);
    handled[i] = backup.has_value();
    m_files.AddFileNote(backup ? "NOTE: unsaved edits to " + fileNameOf(copy.file) + " were kept as " + *backup
                               : "NOTE: unsaved edits to " + fileNameOf(copy.file) +
                                     " could not go to backups; they stay in " + m_folder);
  }
}

void RecoveryCopies::OnUnsavedChange(int tab, bool unsaved) {
  if (!unsaved) {
    DropCopiesOfSavedTabs();
    return;
  }
  const std::string& file = m_tabs.at(tab).path;
  if (file.empty()) return;
  m_changed.insert(file);
  m_view.SetSingleShotTimer(kRecoveryPauseMs);
}

bool RecoveryCopies::IsUnsavedTabOf(const std::string& file) const {
  for (int tab = kSourceTab; tab < m_tabs.Count(); ++tab) {
    if (m_tabs.IsEditable(tab) && m_tabs.IsDirty(tab) && m_tabs.at(tab).path == file) return true;
  }
  return false;
}

void RecoveryCopies::KeepCopies() {
  if (m_folder.empty()) return;
  for (int tab = kSourceTab; tab < m_tabs.Count(); ++tab) {
    if (!m_tabs.IsEditable(tab) || !m_tabs.IsDirty(tab) || m_tabs.IsReadOnly(tab)) continue;
    const TabRecord& record = m_tabs.at(tab);
    // Only what changed is written again, so a big text costs once per change.
    if (record.path.empty() || (m_copies.count(record.path) != 0 && m_changed.count(record.path) == 0)) continue;
    RecoveryCopy copy;
    copy.file = record.path;
    copy.include = tab != kSourceTab;
    copy.source = m_tabs.SourcePath();
    copy.taken = nanosecondsNow();
    copy.read = m_files.ReadStampOf(record.path);
    copy.lineEnd = record.lineEnd;
    copy.text = record.text;
    auto known = m_copies.find(record.path);
    std::string path =
        known != m_copies.end() ? known->second : SessionCopyPath(m_folder, m_session, m_nextCopyNumber++);
    m_writer.Write(path, RecoveryCopyText(copy));
    m_copies[record.path] = path;
    m_changed.erase(record.path);
  }
  DropCopiesOfSavedTabs();
}

void RecoveryCopies::DropCopiesOfSavedTabs() {
  for (auto copy = m_copies.begin(); copy != m_copies.end();) {
    if (IsUnsavedTabOf(copy->first)) {
      ++copy;
      continue;
    }
    m_writer.Remove(copy->second);
    m_changed.erase(copy->first);
    copy = m_copies.erase(copy);
  }
}

void RecoveryCopies::OnEnd() {
  for (const auto& [file, path] : m_copies) m_writer.Remove(path);
  m_copies.clear();
  // The lock goes last: until then no other window takes the copies.
  m_writer.Wait();
  if (m_lock) m_lock->unlockAndRemove();
  m_lock.reset();
  m_folder.clear();
}

std::map<std::string, std::string> RecoveryCopies::CopyPaths() {
  m_writer.Wait();
  return m_copies;
}

}  // namespace qv
