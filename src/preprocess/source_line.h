#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_list.h"
#include "common/message_place.h"

namespace qv {

// The texts the lines of one compile are views into: each file's bytes
// and name, read once. Shared, so that a copied result keeps them alive.
using SourceStore = std::vector<std::shared_ptr<const std::string>>;

// One line of the flattened source: views into its compile's SourceStore
// (or into texts its maker keeps), never copies of its own.
struct SourceLine {
  std::string_view text;     // as read, without its line end
  std::string_view code;     // before the comment, trimmed
  std::string_view comment;  // from ";" or "//" on, trimmed; empty when none
  std::string_view file;
  std::int32_t lineNumber = 0;
  bool active = true;
  // An IF, ELSE or ENDIF kept only so that inactive lines can be shown in
  // their blocks: never assembled, so that showing them cannot move a byte.
  bool viewOnly = false;
};

// True for the lines the assembler passes look at.
inline bool isAssembled(const SourceLine& line) { return line.active && !line.viewOnly; }

inline MessagePlace placeOf(const SourceLine& line) { return MessagePlace{std::string(line.file), line.lineNumber}; }

struct PreprocessResult {
  SourceStore store;  // what the lines view
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
