#include "preprocess/include_resolver.h"

#include <string>
#include <utility>
#include <vector>

#include "common/warnings.h"
#include "platform/case_blind_lookup.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/project_folder.h"
#include "common/text.h"

namespace qv {

namespace {

SourceRef diskSource(std::string path) { return SourceRef{std::move(path), {}}; }

// The file a composed path names: the path itself, else, as on the file
// systems that projects are written on, a file whose path differs only in
// letter case (the first in byte order when there are several).
std::optional<std::string> findFile(const std::string& path, const SourceLine& includeLine,
                                    PreprocessResult& result) {
  if (fileExists(path)) return path;
  std::vector<std::string> matches = caseBlindMatches(path);
  if (matches.empty()) return std::nullopt;
  if (matches.size() == 1) {
    result.notes.note("Using " + matches.front() + " for " + path + " (letter case differs)");
  } else {
    result.notes.warn(warning::letterCaseMatches(placeOf(includeLine), matches.size(), path, matches.front()));
  }
  return matches.front();
}

// Projects written on another machine name their includes on drive X:.
std::optional<std::string> remapDriveX(const std::string& candidate, const SourceLine& includeLine,
                                       PreprocessResult& result) {
  std::string mapped = driveMappedCandidate(candidate);
  if (mapped.empty()) return std::nullopt;
  return findFile(canonicalPath(mapped), includeLine, result);
}

// A name that is not absolute lies below the including file's folder, even
// with the single leading "\" that projects written on Windows use for it.
std::string belowFolder(const std::string& folder, const std::string& name) {
  bool leadingSeparator = !name.empty() && isSeparator(name.front());
  return joinPath(folder, leadingSeparator ? std::string_view(name).substr(1) : std::string_view(name));
}

}  // namespace

std::optional<std::string> carriedIncludeName(std::string_view fileName) {
  std::string upper = toUpperAscii(fileName);
  if (upper.size() < 10 || upper.compare(0, 3, "QVX") != 0) return std::nullopt;
  if (upper.find("_SND_CMD.INC") != std::string::npos) return std::string("QVX5_SND_CMD.INC");
  if (upper.find("_SND_MACS.INC") != std::string::npos) return std::string("QVX5_SND_MACS.INC");
  return std::nullopt;
}

std::optional<SourceRef> resolveInclude(const SourceRef& including, std::string_view argument,
                                        const SourceLine& includeLine, const std::string& projectFolder,
                                        bool haveProvider, PreprocessResult& result) {
  std::string name = unquote(argument);
  std::string base = fileNameOf(name);
  std::string folder = directoryOf(including.path);

  std::string candidate = canonicalPath(isAbsolutePath(name) ? name : belowFolder(folder, name));
  if (std::optional<std::string> found = findFile(candidate, includeLine, result)) return diskSource(*found);

  if (std::optional<std::string> remapped = remapDriveX(candidate, includeLine, result)) {
    return diskSource(*remapped);
  }

  if (base != name) {
    std::string besideIncluding = canonicalPath(joinPath(folder, base));
    if (std::optional<std::string> found = findFile(besideIncluding, includeLine, result)) {
      return diskSource(*found);
    }
  }

  std::optional<std::string> carried = carriedIncludeName(base);
  if (!carried) {
    result.errors.error("ERROR: " + std::string(includeLine.file) + ":" + std::to_string(includeLine.lineNumber) + " include " +
                            name + " resolved to " + candidate + " but was not found. ");
    return std::nullopt;
  }
  if (!haveProvider) {
    result.errors.error("ERROR: Include not found and no bundled fallback: " + base);
    return std::nullopt;
  }
  result.notes.note("Using bundled include " + *carried + " for unresolved " + base);
  return SourceRef{joinPath(projectFolder, *carried), *carried};
}

}  // namespace qv
