#include "compile/output_paths.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace qv {

std::string cutExtension(std::string_view path, bool keepLeadingDot) {
  std::size_t nameStart = path.size();
  while (nameStart > 0 && !isSeparator(path[nameStart - 1])) --nameStart;
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) return std::string(path);
  if (keepLeadingDot && dot == nameStart) return std::string(path);
  return std::string(path.substr(0, dot));
}

std::string outputBaseFor(std::string_view sourcePath, std::string_view outputDir) {
  std::string base = cutExtension(sourcePath, false);
  if (outputDir.empty()) return base;
  std::string name = fileNameOf(base);
  if (name.empty()) name = base;
  // Not joinPath: an empty name (the source ".asm") still goes inside the
  // folder, as "o/_Z.HEX".
  base = std::string(outputDir);
  if (!isSeparator(base.back())) base += kPathSeparator;
  base += name;
  ensureDirectory(directoryOf(base));
  return base;
}

bool ensureDirectory(std::string_view path) {
  if (path.empty() || pathExists(path)) return true;
  std::string native = toNativePath(path);
  for (std::size_t length = 2; length <= native.size(); ++length) {
    if (native[length - 1] != kPathSeparator) continue;
    std::string prefix = native.substr(0, length);
    if (!pathExists(prefix)) createFolder(prefix);
  }
  if (pathExists(native)) return true;
  return createFolder(native);
}

std::string effectiveSuffix(std::string_view suffix) {
  return suffix.empty() ? std::string("_Y") : std::string(suffix);
}

}  // namespace qv
