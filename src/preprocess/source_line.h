#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/message_list.h"
#include "common/message_place.h"

namespace qv {

// One line of the flattened source.
struct SourceLine {
  std::string text;     // as read, without its line end
  std::string code;     // before the comment, trimmed
  std::string comment;  // from ";" or "//" on, trimmed; empty when none
  std::string file;
  std::int32_t lineNumber = 0;
  bool active = true;
  // An IF, ELSE or ENDIF kept only so that inactive lines can be shown in
  // their blocks: never assembled, so that showing them cannot move a byte.
  bool viewOnly = false;
};

// True for the lines the assembler passes look at.
inline bool isAssembled(const SourceLine& line) { return line.active && !line.viewOnly; }

inline MessagePlace placeOf(const SourceLine& line) { return MessagePlace{line.file, line.lineNumber}; }

struct PreprocessResult {
  std::vector<SourceLine> lines;
  // Notes and warnings, then errors: a compile lists them in that order.
  MessageList notes;
  MessageList errors;  // each begins "ERROR:"
};

// What is to be read: a file on disk, or a carried copy when carriedName is
// set (path is then the project folder joined with that name).
struct SourceRef {
  std::string path;
  std::string carriedName;
};

}  // namespace qv
