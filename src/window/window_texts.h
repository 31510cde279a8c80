#pragma once
// Texts of the main window that more than one of its operations shows.

#include <string_view>

namespace qv {

// Stands for "no source" in the source box, the drop-down and stored settings.
inline constexpr std::string_view kNoSourceSelectedText = "<no source selected>";

inline constexpr char kNoSourceLogText[] = "No source selected. Use Browse or the recent list to choose a source.";
inline constexpr char kNoCompileYetText[] = "No compile yet. Press Compile (F5).";
inline constexpr char kReadyStatus[] = "Ready";
// The line-end style of a file not read yet, as of one without line ends.
inline constexpr char kDefaultLineEnd[] = "\n";
inline constexpr char kBackupsFolderWarning[] =
    "Warning: cannot create backups folder. Source saves may proceed without backups.";

}  // namespace qv
