#pragma once
// The files behind the Source and include tabs: reading them (with the Log's
// notes on what reading changed or could not do), saving a tab with a
// numbered backup, reading again what changed on disk, and the offer to
// save unsaved edits before they would be dropped.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/main_dialog_view.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

struct SourceFileTime {
  std::int64_t time = 0;
  bool valid = false;
};

// A file's size and last-write time, which tell whether it changed.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t time = 0;
  bool valid = false;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file's stamp now; not valid when it cannot be had.
FileStamp stampOf(const std::string& path);

class TabFiles {
 public:
  TabFiles(MainDialogView& view, TabSet& tabs, TabEditor& editor) : m_view(view), m_tabs(tabs), m_editor(editor) {}

  // Reads a file in editor form. Notes in the Log tab any characters that
  // the editor's 7-bit text cannot hold, and a file it cannot read, whose
  // "Unable to read FILE: REASON." goes to readError too (emptied on success).
  bool ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd, std::string& readError);
  // Puts the notes of the files read since the last ClearFileNotes in the
  // Log tab's text, each once.
  void AppendFileNotes();
  // A note of that kind from elsewhere, such as the recovery of edits.
  void AddFileNote(const std::string& note);
  void ClearFileNotes() { m_fileNotes.clear(); }

  bool EnsureBackupsFolderFor(const std::string& path);
  // Every save the window makes: a numbered backup of the old file first.
  bool SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd);
  // The text as a save would write it, as the next backup of the file at
  // path; its path, or nothing when it could not be written.
  std::optional<std::string> KeepTextAsBackup(const std::string& path, const std::string& text,
                                              const std::string& lineEnd);
  // The stamp of the file when it was last read or saved here; not valid
  // for a file never read.
  FileStamp ReadStampOf(const std::string& path) const;
  void SetReadStamp(const std::string& path, const FileStamp& stamp) { m_readStamps[path] = stamp; }
  std::string LineEndOfTab(int tab) const;
  void OnSaveFiles();

  // A Source or include tab without unsaved edits takes its file's text as
  // it is on disk now.
  void ReloadTabFromDisk(int tab);

  void RecordSourceFileTime();
  void ForgetSourceFileTime() { sourceFileTime = {}; }
  // Offers to read the source again when another program changed it.
  void CheckExternalChange();
  // True when the application comes back to the foreground.
  bool NoteActivation(bool active);

  // Offers to save unsaved Source and include edits before they would be
  // dropped. False keeps them (and the window, or the current source).
  bool OfferToSaveEdits(const char* question);

  // The source's last-write time when last read or saved.
  SourceFileTime sourceFileTime;

 private:
  MainDialogView& m_view;
  TabSet& m_tabs;
  TabEditor& m_editor;
  // Log lines about the files read for the current log: folded characters,
  // files that cannot be read.
  std::vector<std::string> m_fileNotes;
  bool m_appActive = true;
  std::map<std::string, FileStamp> m_readStamps;
};

}  // namespace qv
