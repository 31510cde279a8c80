#include "harness/console_diagnostics.h"

#include <algorithm>

#include "common/text.h"

namespace qv {

namespace {

bool isNote(std::string_view message) {
  return message.starts_with("Define: ") || message.starts_with("Using bundled include ") ||
         (message.starts_with("Using ") && message.ends_with(" (letter case differs)"));
}

// A message ends at a NUL byte, as the log writes it.
std::string_view shownText(const std::string& message) { return message.c_str(); }

void dropPrefix(std::string_view& text, std::string_view prefix) {
  if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
}

}  // namespace

MessageClass classifyMessage(std::string_view message) {
  if (isNote(message)) return MessageClass::Note;
  if (startsWithNoCase(message, "ERROR:") || message.find("ERROR:") != std::string_view::npos ||
      message.starts_with("Unable to open ")) {
    return MessageClass::Error;
  }
  return MessageClass::Warning;
}

std::string consoleLine(const std::string& message, const MessagePlace& place) {
  std::string_view text = shownText(message);
  const MessageClass kind = classifyMessage(text);
  dropPrefix(text, kind == MessageClass::Error ? "ERROR: " : "WARNING: ");
  std::string line;
  if (place.line > 0) {
    line = place.file + ":" + std::to_string(place.line);
    if (text.starts_with(line) && text.size() > line.size() && (text[line.size()] == ':' || text[line.size()] == ' ')) {
      text = trimView(text.substr(line.size() + 1));
    }
    line += ": ";
  }
  line += kind == MessageClass::Error ? "error: " : "warning: ";
  line += trimView(text);
  return line;
}

void printDiagnostics(std::FILE* out, const CompileResult& result) {
  for (std::size_t i = 0; i < result.messages.size(); ++i) {
    if (classifyMessage(shownText(result.messages[i])) == MessageClass::Note) continue;
    const MessagePlace place = i < result.messagePlaces.size() ? result.messagePlaces[i] : MessagePlace{};
    std::string line = consoleLine(result.messages[i], place);
    line += '\n';
    std::fputs(line.c_str(), out);
  }
}

bool hasWarnings(const CompileResult& result) {
  return std::any_of(result.messages.begin(), result.messages.end(), [](const std::string& message) {
    return classifyMessage(shownText(message)) == MessageClass::Warning;
  });
}

}  // namespace qv
