#pragma once
// Numbered copies of a file, made just before the file is overwritten and
// kept in a "backups" folder beside it: stem + "_bak" + number + extension.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr std::size_t kMaxBackupsPerFile = 25;
inline constexpr std::string_view kClearBackupsQuestion = "Clear earlier backup file entries to 25 max?";

struct BackupOptions {
  // Backups folder of a bare file name, ending with a separator; empty means
  // such files get no backups. The window passes its per-user data folder +
  // "backups" and a separator.
  std::string fallbackFolder;
  // Asked with kClearBackupsQuestion when a file has more than
  // kMaxBackupsPerFile backups; true deletes the oldest. Unset counts as No.
  std::function<bool()> confirmClearBackups;
};

struct BackupFile {
  int number = 0;
  std::string path;
};

// The path's folder + "/backups/" ("\backups\" on Windows) when the path
// has a separator after its first character, else the fallback folder as
// given.
std::string BackupsFolderFor(std::string_view path, std::string_view fallbackFolder);

// Creates one folder level when nothing of that name exists. True when the
// folder is there afterwards; a file of that name or an empty name fails.
bool EnsureFolder(std::string_view folder);

// The backups of fileName in folder, by number ascending; names are
// compared ignoring case only where the file system does. Nothing when the
// folder exists but cannot be read.
std::optional<std::vector<BackupFile>> ListBackups(std::string_view folder, std::string_view fileName,
                                                   bool ignoreCase);

// Copies the existing file at path to its next backup number (with its
// permission bits; under its name only once complete), then offers to trim
// its backups to kMaxBackupsPerFile. Backup names are compared ignoring case
// where the backups folder's file system does. A file that does not exist
// needs no backup and succeeds; every failure is for the caller to ignore.
bool BackupBeforeSave(std::string_view path, const BackupOptions& options);

// Writes bytes as the next backup of the file at path, which need not
// exist, as if they had been its content before a save. The backup's path;
// nothing when it could not be written.
std::optional<std::string> KeepAsBackup(std::string_view path, std::string_view bytes, const BackupOptions& options);

}  // namespace qv
