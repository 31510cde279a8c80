#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/failure_reason.h"
#include "platform/filesystem_path.h"
#include "platform/paths.h"
#include "platform/temporary_files.h"

namespace qv {

namespace {

constexpr std::string_view kTemporaryMark = ".saving-";

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool isAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string temporaryNameFor(std::string_view fileName, int attempt) {
  std::string name = ".";
  name.append(fileName).append(kTemporaryMark).append(std::to_string(attempt));
  return name;
}

std::optional<std::string_view> temporaryTarget(std::string_view name) {
  std::size_t mark = name.rfind(kTemporaryMark);
  if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) return std::nullopt;
  std::string_view number = name.substr(mark + kTemporaryMark.size());
  if (number.empty() || !std::all_of(number.begin(), number.end(), isAsciiDigit)) return std::nullopt;
  return name.substr(1, mark - 1);
}

std::string failureReason(std::string_view systemText) {
  std::string reason(systemText);
  while (!reason.empty() && (std::isspace(static_cast<unsigned char>(reason.back())) || reason.back() == '.')) {
    reason.pop_back();
  }
  // "Access is denied" becomes "access is denied"; "NTFS ..." stays.
  if (reason.size() > 1 && isAsciiUpper(reason[0]) && !isAsciiUpper(reason[1])) {
    reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
  }
  return reason;
}

SaveMethod ChooseSaveMethod(const SaveTargetFacts& target) {
  if (target.exists ? !target.writable : !target.folderWritable) return SaveMethod::Refuse;
  if (target.exists && (target.linkCount > 1 || !target.folderWritable)) return SaveMethod::WriteInPlace;
  return SaveMethod::ReplaceAtomically;
}

std::string linkTarget(std::string_view path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_symlink(filesystemPath(path), error)) return toNativePath(path);
  fs::path resolved = fs::canonical(filesystemPath(path), error);
  return error ? toNativePath(path) : pathText(resolved);
}

FileWrite writeWholeFile(std::string_view path, std::string_view bytes) {
  std::string target = linkTarget(path);
  switch (ChooseSaveMethod(saveTargetFacts(target))) {
    case SaveMethod::Refuse: return FileWrite{false, false, "may not be written"};
    case SaveMethod::WriteInPlace: return overwriteFileInPlace(target, bytes);
    case SaveMethod::ReplaceAtomically: break;
  }
  return replaceFileAtomically(target, bytes);
}

void removeLeftoverTemporaries(std::string_view folder, const std::function<bool(std::string_view)>& isTarget) {
  std::string pattern = ".*";
  pattern.append(kTemporaryMark).append("*");
  std::optional<std::vector<std::string>> names = listFiles(folder, pattern);
  if (!names) return;
  for (const std::string& name : *names) {
    std::optional<std::string_view> target = temporaryTarget(name);
    if (target && isTarget(*target)) removeIfAbandoned(joinPath(folder, name));
  }
}

bool sameFile(std::string_view a, std::string_view b) {
  if (a == b) return true;
  std::optional<FileIdentity> first = fileIdentity(a);
  return first && first == fileIdentity(b);
}

}  // namespace qv
