#include "preprocess/include_resolver.h"

#include <utility>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/project_folder.h"
#include "preprocess/text.h"

namespace qv {

namespace {

SourceRef diskSource(std::string path) { return SourceRef{std::move(path), {}}; }

// Projects written on another machine name their includes on drive X:.
std::optional<std::string> remapDriveX(const std::string& candidate) {
  std::string mapped = driveMappedCandidate(candidate);
  if (mapped.empty()) return std::nullopt;
  std::string remapped = canonicalPath(mapped);
  if (!fileExists(remapped)) return std::nullopt;
  return remapped;
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

  std::string candidate = canonicalPath(isAbsolutePath(name) ? name : joinPath(folder, name));
  if (fileExists(candidate)) return diskSource(candidate);

  if (std::optional<std::string> remapped = remapDriveX(candidate)) return diskSource(*remapped);

  if (base != name) {
    std::string besideIncluding = canonicalPath(joinPath(folder, base));
    if (fileExists(besideIncluding)) return diskSource(besideIncluding);
  }

  std::optional<std::string> carried = carriedIncludeName(base);
  if (!carried) {
    result.errors.push_back("ERROR: " + includeLine.file + ":" + std::to_string(includeLine.lineNumber) + " include " +
                            name + " resolved to " + candidate + " but was not found. ");
    return std::nullopt;
  }
  if (!haveProvider) {
    result.errors.push_back("ERROR: Include not found and no bundled fallback: " + base);
    return std::nullopt;
  }
  result.notes.push_back("Using bundled include " + *carried + " for unresolved " + base);
  return SourceRef{joinPath(projectFolder, *carried), *carried};
}

}  // namespace qv
