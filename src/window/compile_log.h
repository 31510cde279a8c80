#pragma once
// The Log tab's text after a compile.

#include <cstdint>
#include <string>
#include <string_view>

#include "compile/compile_result.h"

namespace qv {

struct CompileLogHeader {
  std::string sourcePath;
  std::string suffix;
  bool noWrite = false;
  bool showInactive = false;
};

// "error", "warning" or "info", read from the message's own words.
const char* MessageSeverityWord(std::string_view message);

// True for the "Define: ..." notes, which the log leaves out.
bool IsDefineNote(std::string_view message);

// Header, one numbered line per message, the verdict and, when millis is not
// 0, the time taken. timeOfDay ("HH:MM:SS") stamps every line.
std::string FormatCompileLog(const CompileLogHeader& header, const CompileResult& result, std::uint32_t millis,
                             std::string_view timeOfDay);

}  // namespace qv
