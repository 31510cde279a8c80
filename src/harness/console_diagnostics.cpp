#include "harness/console_diagnostics.h"

#include "common/text.h"

namespace qv {

namespace {

// A message ends at a NUL byte, as the log writes it.
std::string_view shownText(const std::string& message) { return message.c_str(); }

void dropPrefix(std::string_view& text, std::string_view prefix) {
  if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
}

}  // namespace

std::string consoleLine(const std::string& message, const MessagePlace& place, MessageKind kind) {
  std::string_view text = shownText(message);
  dropPrefix(text, kind == MessageKind::Error ? "ERROR: " : "WARNING: ");
  std::string line;
  if (place.line > 0) {
    line = place.file + ":" + std::to_string(place.line);
    if (text.starts_with(line) && text.size() > line.size() && (text[line.size()] == ':' || text[line.size()] == ' ')) {
      text = trimView(text.substr(line.size() + 1));
    }
    line += ": ";
  }
  line += kind == MessageKind::Error ? "error: " : "warning: ";
  line += trimView(text);
  return line;
}

// Standard error writes each call at once: tens of thousands of warnings
// would take as many system calls. They go out in pieces of this size.
constexpr std::size_t kDiagnosticsPiece = 64 * 1024;

void printDiagnostics(std::FILE* out, const CompileResult& result) {
  const MessagePlace nowhere;
  std::string pending;
  for (std::size_t i = 0; i < result.messages.size(); ++i) {
    const MessageKind kind = messageKind(result, i);
    if (kind == MessageKind::Note) continue;
    const MessagePlace& place = i < result.messagePlaces.size() ? result.messagePlaces[i] : nowhere;
    pending += consoleLine(result.messages[i], place, kind);
    pending += '\n';
    if (pending.size() >= kDiagnosticsPiece) {
      std::fwrite(pending.data(), 1, pending.size(), out);
      pending.clear();
    }
  }
  std::fwrite(pending.data(), 1, pending.size(), out);
}

bool hasWarnings(const CompileResult& result) {
  for (std::size_t i = 0; i < result.messages.size(); ++i) {
    if (messageKind(result, i) == MessageKind::Warning) return true;
  }
  return false;
}

}  // namespace qv
