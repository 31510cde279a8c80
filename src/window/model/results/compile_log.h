#pragma once
// The Log tab's text after a compile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compile/compile_result.h"

namespace qv {

struct CompileLogHeader {
  std::string sourcePath;
  std::string suffix;
  bool noWrite = false;
  bool showInactive = false;
};

// "error", "warning" or "info" (for a note).
const char* MessageSeverityWord(MessageKind kind);

// True for the "Define: ..." notes, which the log leaves out.
bool IsDefineNote(std::string_view message);

// A message as the log shows it: its index in the result's messages and the
// lines of the log it takes, counted from 0.
struct LoggedMessage {
  std::size_t message = 0;
  int firstLine = 0;
  int lastLine = 0;
};

struct CompileLog {
  std::string text;
  // In the order shown; the define notes are not there.
  std::vector<LoggedMessage> messages;
};

// Header, one numbered line per message, the verdict and, when millis is not
// 0, the time taken. timeOfDay ("HH:MM:SS") stamps every line.
CompileLog FormatCompileLog(const CompileLogHeader& header, const CompileResult& result, std::uint32_t millis,
                            std::string_view timeOfDay);

// The index of the message that a line of the log shows; none for the header,
// the verdict and the other lines.
std::optional<std::size_t> MessageOnLogLine(const CompileLog& log, int line);

}  // namespace qv
