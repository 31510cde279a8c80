#include "window/model/results/compile_log.h"

#include <algorithm>
#include <cstdio>

#include "common/text.h"
#include "window/window_texts.h"
#include "window/model/results/status_words.h"

namespace qv {

namespace {

constexpr char kDashes[] = "------------------------------------------------------------";

const char* onOff(bool on) { return on ? "on" : "off"; }

int lineBreaksIn(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

const char* verdictText(CompileVerdict verdict) {
  switch (verdict) {
    case CompileVerdict::Errors: return "Compile completed with errors.";
    case CompileVerdict::Warnings: return "Compile completed with warnings.";
    case CompileVerdict::Success: break;
  }
  return "Compile completed successfully.";
}

}  // namespace

const char* MessageSeverityWord(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Note: break;
  }
  return "info";
}

bool IsDefineNote(std::string_view message) {
  std::size_t first = message.find_first_not_of(" \t");
  return first != std::string_view::npos && startsWithNoCase(message.substr(first), "DEFINE");
}

CompileLog FormatCompileLog(const CompileLogHeader& header, const CompileResult& result, std::uint32_t millis,
                            std::string_view timeOfDay) {
  std::string time(timeOfDay);
  CompileLog compileLog;
  std::string& log = compileLog.text;
  log = "Compile invoked [" + time + "]:\r\n";
  log += "  Source: " + (header.sourcePath.empty() ? std::string(kNoSourceSelectedText) : header.sourcePath) + "\r\n";
  log += "  Suffix: " + header.suffix + "\r\n";
  log += std::string("  NoWrite: ") + onOff(header.noWrite) + "\r\n";
  log += std::string("  ShowInactive: ") + onOff(header.showInactive) + "\r\n";
  log += kDashes;
  log += "\r\n";

  int line = lineBreaksIn(log);
  for (std::size_t index = 0; index < result.messages.size(); ++index) {
    const std::string& message = result.messages[index];
    if (IsDefineNote(message)) continue;
    char numberText[24];
    std::snprintf(numberText, sizeof numberText, "%03zu", index + 1);
    log.append("\r\n[").append(time).append("] ").append(numberText).append(" [");
    log.append(MessageSeverityWord(messageKind(result, index))).append("] ");
    log += message;
    ++line;
    // A message may hold line breaks of its own.
    int lastLine = line + lineBreaksIn(message);
    compileLog.messages.push_back({index, line, lastLine});
    line = lastLine;
  }

  log += "\r\n";
  log += kDashes;
  log += "\r\n";
  if (compileLog.messages.empty()) log += "No compiler diagnostics were emitted.";
  log += "\r\n";
  log += verdictText(VerdictOf(result));
  if (millis != 0) {
    char duration[64];
    std::snprintf(duration, sizeof duration, " (in %lu.%03lu seconds)", static_cast<unsigned long>(millis / 1000),
                  static_cast<unsigned long>(millis % 1000));
    log += duration;
  }
  return compileLog;
}

std::optional<std::size_t> MessageOnLogLine(const CompileLog& log, int line) {
  for (const LoggedMessage& shown : log.messages) {
    if (line >= shown.firstLine && line <= shown.lastLine) return shown.message;
  }
  return std::nullopt;
}

}  // namespace qv
