#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// One line of the flattened source.
struct SourceLine {
  std::string text;     // as read, without its line end
  std::string code;     // before the comment, trimmed
  std::string comment;  // from ";" or "//" on, trimmed; empty when none
  std::string file;
  std::int32_t lineNumber = 0;
  bool active = true;
};

struct PreprocessResult {
  std::vector<SourceLine> lines;
  std::vector<std::string> notes;
  std::vector<std::string> errors;  // each begins "ERROR:"
};

// What is to be read: a file on disk, or a carried copy when carriedName is
// set (path is then the project folder joined with that name).
struct SourceRef {
  std::string path;
  std::string carriedName;
};

}  // namespace qv
