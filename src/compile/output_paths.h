#pragma once

#include <string>
#include <string_view>

namespace qv {

// The path cut before the last "." of its file-name part; unchanged when
// the file name has no ".". With keepLeadingDot, a "." that starts the file
// name is not cut either.
std::string cutExtension(std::string_view path, bool keepLeadingDot);

// The base to which the suffix and extension are appended; with an output
// folder, that folder joined with the base's file name (the folder is
// created on the way).
std::string outputBaseFor(std::string_view sourcePath, std::string_view outputDir);

// Makes sure the folder exists, creating missing levels one by one.
bool ensureDirectory(std::string_view path);

// The suffix used for output names: "_Y" when the requested one is empty.
std::string effectiveSuffix(std::string_view suffix);

}  // namespace qv
