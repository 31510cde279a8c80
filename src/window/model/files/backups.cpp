#include "window/model/files/backups.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr std::string_view kBackupMarker = "_bak";
// Keeps "largest + 1" inside int. A stray name with a larger number is no
// backup, so it cannot use up the numbers of every later one.
constexpr int kLargestBackupNumber = std::numeric_limits<int>::max() - 1;

struct StemAndExtension {
  std::string_view stem;
  std::string_view extension;
};

// A leading "." starts no extension: ".profile" is all stem.
StemAndExtension splitFileName(std::string_view name) {
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {name, {}};
  return {name.substr(0, dot), name.substr(dot)};
}

// The folder in the system's spelling with one trailing separator, ready
// for a file name.
std::string folderPrefix(std::string_view folder) {
  std::string prefix = toNativePath(folder);
  if (!prefix.empty() && prefix.back() != kPathSeparator) prefix += kPathSeparator;
  return prefix;
}

// Nothing when the digits give a number above kLargestBackupNumber.
std::optional<int> leadingNumber(std::string_view digits) {
  int number = 0;
  for (char c : digits) {
    if (!isDigit(c)) break;
    int digit = c - '0';
    if (number > (kLargestBackupNumber - digit) / 10) return std::nullopt;
    number = number * 10 + digit;
  }
  return number;
}

std::optional<int> backupNumberOf(std::string_view candidate, const StemAndExtension& original, bool ignoreCase) {
  auto same = [ignoreCase](std::string_view a, std::string_view b) { return ignoreCase ? equalsNoCase(a, b) : a == b; };
  std::size_t prefixLength = original.stem.size() + kBackupMarker.size();
  if (candidate.size() <= prefixLength + original.extension.size()) return std::nullopt;
  if (!same(candidate.substr(0, original.stem.size()), original.stem)) return std::nullopt;
  if (!same(candidate.substr(original.stem.size(), kBackupMarker.size()), kBackupMarker)) return std::nullopt;
  std::string_view ending = candidate.substr(candidate.size() - original.extension.size());
  if (!same(ending, original.extension)) return std::nullopt;
  std::string_view middle = candidate.substr(prefixLength);
  if (!isDigit(middle.front())) return std::nullopt;
  return leadingNumber(middle);
}

bool trimBackupsToLimit(std::string_view folder, std::string_view fileName, bool ignoreCase,
                        const BackupOptions& options) {
  std::optional<std::vector<BackupFile>> backups = ListBackups(folder, fileName, ignoreCase);
  if (!backups) return false;
  if (backups->size() <= kMaxBackupsPerFile) return true;
  if (!options.confirmClearBackups || !options.confirmClearBackups()) return true;
  std::size_t surplus = backups->size() - kMaxBackupsPerFile;
  for (std::size_t i = 0; i < surplus; ++i) {
    if (!deleteFile((*backups)[i].path)) return false;
  }
  return true;
}

}  // namespace

std::string BackupsFolderFor(std::string_view path, std::string_view fallbackFolder) {
  std::size_t separator = path.find_last_of("/\\");
  if (separator == std::string_view::npos || separator == 0) return std::string(fallbackFolder);
  return toNativePath(path.substr(0, separator)) + kPathSeparator + "backups" + kPathSeparator;
}

bool EnsureFolder(std::string_view folder) {
  if (folder.empty()) return false;
  if (pathExists(folder)) return folderExists(folder);
  // Someone else may create it between the test and the creation.
  return createFolder(folder) || folderExists(folder);
}

std::optional<std::vector<BackupFile>> ListBackups(std::string_view folder, std::string_view fileName,
                                                   bool ignoreCase) {
  StemAndExtension original = splitFileName(fileName);
  std::string prefix = folderPrefix(folder);
  std::string pattern(original.stem);
  pattern.append(kBackupMarker).append("*").append(original.extension);
  std::optional<std::vector<std::string>> names = listFiles(folder, pattern);
  if (!names) return std::nullopt;
  std::vector<BackupFile> backups;
  for (const std::string& name : *names) {
    std::optional<int> number = backupNumberOf(name, original, ignoreCase);
    if (number) backups.push_back({*number, prefix + name});
  }
  std::sort(backups.begin(), backups.end(), [](const BackupFile& a, const BackupFile& b) {
    return a.number != b.number ? a.number < b.number : a.path < b.path;
  });
  return backups;
}

namespace {

// Where the next backup of the file at path goes, with what trimming needs.
struct NextBackup {
  std::string folder;
  std::string fileName;
  bool ignoreCase = false;
  std::string path;
};

std::optional<NextBackup> nextBackupOf(std::string_view path, const BackupOptions& options) {
  NextBackup next;
  next.folder = BackupsFolderFor(path, options.fallbackFolder);
  if (!EnsureFolder(next.folder)) return std::nullopt;

  next.fileName = fileNameOf(path);
  StemAndExtension parts = splitFileName(next.fileName);
  std::string target = folderPrefix(next.folder);
  // Song.asm and song.asm are two files where the file system tells them apart.
  next.ignoreCase = namesIgnoreCase(target + next.fileName);
  // What copies and probes for this file left when they were cut short.
  removeLeftoverTemporaries(next.folder, [&](std::string_view name) {
    return name == next.fileName || backupNumberOf(name, parts, next.ignoreCase).has_value();
  });
  std::optional<std::vector<BackupFile>> existing = ListBackups(next.folder, next.fileName, next.ignoreCase);
  int number = (existing && !existing->empty()) ? existing->back().number + 1 : 1;
  target.append(parts.stem).append(kBackupMarker).append(std::to_string(number)).append(parts.extension);
  next.path = std::move(target);
  return next;
}

}  // namespace

bool BackupBeforeSave(std::string_view path, const BackupOptions& options) {
  if (path.empty()) return false;
  if (!pathExists(path)) return true;
  std::optional<NextBackup> next = nextBackupOf(path, options);
  if (!next || !copyFileNoOverwrite(path, next->path)) return false;
  return trimBackupsToLimit(next->folder, next->fileName, next->ignoreCase, options);
}

std::optional<std::string> KeepAsBackup(std::string_view path, std::string_view bytes, const BackupOptions& options) {
  if (path.empty()) return std::nullopt;
  std::optional<NextBackup> next = nextBackupOf(path, options);
  if (!next || !createFileAtomically(next->path, bytes).written) return std::nullopt;
  trimBackupsToLimit(next->folder, next->fileName, next->ignoreCase, options);
  return next->path;
}

}  // namespace qv
