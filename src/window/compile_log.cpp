#include "window/compile_log.h"

#include <cstdio>

#include "preprocess/text.h"
#include "window/recent_sources.h"

namespace qv {

namespace {

constexpr char kDashes[] = "------------------------------------------------------------";

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

const char* onOff(bool on) { return on ? "on" : "off"; }

}  // namespace

const char* MessageSeverityWord(std::string_view message) {
  if (contains(message, "ERROR") || contains(message, "error")) return "error";
  if (contains(message, "WARN") || contains(message, "warn")) return "warning";
  return "info";
}

bool IsDefineNote(std::string_view message) {
  std::size_t first = message.find_first_not_of(" \t");
  return first != std::string_view::npos && startsWithNoCase(message.substr(first), "DEFINE");
}

std::string FormatCompileLog(const CompileLogHeader& header, const CompileResult& result, std::uint32_t millis,
                             std::string_view timeOfDay) {
  std::string time(timeOfDay);
  std::string log = "Compile invoked [" + time + "]:\r\n";
  log += "  Source: " + (header.sourcePath.empty() ? std::string(kNoSourceSelectedText) : header.sourcePath) + "\r\n";
  log += "  Suffix: " + header.suffix + "\r\n";
  log += std::string("  NoWrite: ") + onOff(header.noWrite) + "\r\n";
  log += std::string("  ShowInactive: ") + onOff(header.showInactive) + "\r\n";
  log += kDashes;
  log += "\r\n";

  bool anyShown = false;
  bool anyError = false;
  bool anyWarning = false;
  unsigned number = 0;
  for (const std::string& message : result.messages) {
    ++number;
    if (IsDefineNote(message)) continue;
    std::string_view word = MessageSeverityWord(message);
    anyShown = true;
    anyError = anyError || word == "error";
    anyWarning = anyWarning || word == "warning";
    char numberText[16];
    std::snprintf(numberText, sizeof numberText, "%03u", number);
    log.append("\r\n[").append(time).append("] ").append(numberText).append(" [").append(word).append("] ");
    log += message;
  }

  log += "\r\n";
  log += kDashes;
  log += "\r\n";
  if (!anyShown) log += "No compiler diagnostics were emitted.";
  log += "\r\n";
  if (result.failed || anyError) {
    log += "Compile completed with errors.";
  } else if (anyWarning) {
    log += "Compile completed with warnings.";
  } else {
    log += "Compile completed successfully.";
  }
  if (millis != 0) {
    char duration[64];
    std::snprintf(duration, sizeof duration, " (in %lu.%03lu seconds)", static_cast<unsigned long>(millis / 1000),
                  static_cast<unsigned long>(millis % 1000));
    log += duration;
  }
  return log;
}

}  // namespace qv
