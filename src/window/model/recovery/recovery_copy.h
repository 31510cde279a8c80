#pragma once
// One recovery copy: the unsaved text of a Source or include tab, with the
// file it belongs to, when it was taken, and how that file was when it was
// read. Kept as a small header of "name=value" lines, then the text, whose
// length the header gives, so that a cut-off copy is told from a whole one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "window/model/files/tab_files.h"

namespace qv {

struct RecoveryCopy {
  std::string file;
  // Of an include tab; else of the Source tab.
  bool include = false;
  // The source the tab belonged to (for the Source tab, its own file).
  std::string source;
  // Nanoseconds since the epoch.
  std::int64_t taken = 0;
  FileStamp read;
  std::string lineEnd = "\r\n";
  // In editor form, as TabRecord::text.
  std::string text;
};

std::string RecoveryCopyText(const RecoveryCopy& copy);

// Nothing when the bytes are no whole copy; why then says what is wrong
// ("empty", "truncated", "no recovery copy").
std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes, std::string& why);

}  // namespace qv
