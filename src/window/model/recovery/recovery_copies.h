#pragma once
// Recovery copies of unsaved edits: while a Source or include tab holds
// edits that are not saved, a copy of its text is kept in the recovery
// folder, written once the user pauses and before a compile, and removed
// when the edits are saved or dropped. At start the copies of windows that
// ended without saving are offered back.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_lock.h"
#include "window/main_dialog_view.h"
#include "window/model/display/tab_display.h"
#include "window/model/recovery/copy_writer.h"
#include "window/model/files/tab_files.h"
#include "window/model/recovery/recovery_folder.h"
#include "window/model/source/source_selection.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

// How long the user pauses before the copies are written.
inline constexpr int kRecoveryPauseMs = 2000;

class RecoveryCopies {
 public:
  RecoveryCopies(MainDialogView& view, TabSet& tabs, TabEditor& editor, TabFiles& files, TabDisplay& display,
                 SourceSelection& source);
  RecoveryCopies(const RecoveryCopies&) = delete;
  RecoveryCopies& operator=(const RecoveryCopies&) = delete;

  // Marks this window's copies as those of a running window, then offers
  // the copies of windows that ended without saving. Without a user data
  // folder no copies are kept.
  void OnStart();
  // Writes a copy of each unsaved tab whose text changed since its last
  // copy, and removes the copies of tabs saved or dropped meanwhile.
  void KeepCopies();
  // Removes the copies of tabs saved or dropped meanwhile.
  void DropCopiesOfSavedTabs();
  // A clean end: no copy of this window stays.
  void OnEnd();

  // This window's copies, by the files they belong to, once written.
  std::map<std::string, std::string> CopyPaths();

 private:
  void OnUnsavedChange(int tab, bool unsaved);
  bool IsUnsavedTabOf(const std::string& file) const;
  void OfferLeftOvers(LeftOvers& leftOvers);
  // The copies that could be put back into tabs are; the rest go to backups.
  void Restore(const std::vector<const RecoveryCopy*>& copies, std::vector<bool>& handled);
  void ToBackups(const std::vector<const RecoveryCopy*>& copies, std::vector<bool>& handled);
  void NoteIfChangedOnDisk(const RecoveryCopy& copy);

  MainDialogView& m_view;
  TabSet& m_tabs;
  TabEditor& m_editor;
  TabFiles& m_files;
  TabDisplay& m_display;
  SourceSelection& m_source;
  // Empty while no copies are kept.
  std::string m_folder;
  std::string m_session;
  std::optional<HeldFileLock> m_lock;
  int m_nextCopyNumber = 1;
  // Copy path by the file it belongs to.
  std::map<std::string, std::string> m_copies;
  // Files whose tabs changed since their last copy.
  std::set<std::string> m_changed;
  // Declared last, so its thread has ended before any other member goes.
  CopyWriter m_writer;
};

}  // namespace qv
