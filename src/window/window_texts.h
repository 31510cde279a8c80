#pragma once
// Texts of the main window that more than one of its operations shows.

namespace qv {

inline constexpr char kNoSourceLogText[] = "No source selected. Use Browse or MRU to choose a source.";
inline constexpr char kNoCompileYetText[] = "No compile yet. Press Compile (F5).";
inline constexpr char kReadyStatus[] = "Ready";
// The line-end style of a file not read yet, as of one without line ends.
inline constexpr char kDefaultLineEnd[] = "\n";
inline constexpr char kBackupsFolderWarning[] =
    "Warning: cannot create backups folder. Source saves may proceed without backups.";

}  // namespace qv
