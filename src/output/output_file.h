#pragma once
// Writing one output text beside the source, as the compile reports it.

#include <string>
#include <string_view>

namespace qv {

// The text as the file's whole new content, all or nothing, so that a
// failed or interrupted write leaves the previous file. False with the
// message for the compile: openFailure + path when the file cannot be made
// or opened, else "Unable to write PATH: REASON".
bool writeOutputFile(const std::string& path, std::string_view text, std::string_view openFailure,
                     std::string& message);

}  // namespace qv
