#pragma once
// Finding the file an INCLUDE line names.

#include <optional>
#include <string>
#include <string_view>

#include "preprocess/source_line.h"

namespace qv {

// "QVX5_SND_CMD.INC" or "QVX5_SND_MACS.INC" for any family member's name of
// the two standard includes (QVX..._SND_CMD.INC, QVX..._SND_MACS.INC, any
// letter case); nothing for other names.
std::optional<std::string> carriedIncludeName(std::string_view fileName);

// The source an INCLUDE argument names: a file beside the including one (or
// an absolute path), then the same path under the default project folder
// for "X:\" paths, then the bare file name beside the including file, and
// last the carried copy (read from the project folder's name for it). At each
// step a file whose path differs only in letter case also serves, with a note
// (or a warning when several do). Reports to the result's notes or errors;
// includeLine gives the location.
std::optional<SourceRef> resolveInclude(const SourceRef& including, std::string_view argument,
                                        const SourceLine& includeLine, const std::string& projectFolder,
                                        bool haveProvider, PreprocessResult& result);

}  // namespace qv
