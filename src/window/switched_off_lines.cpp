#include "window/switched_off_lines.h"

#include <cstddef>

#include "preprocess/conditional.h"
#include "preprocess/directive.h"
#include "preprocess/source_reader.h"

namespace qv {

namespace {

enum class LineState : unsigned char { Absent, Inactive, Active };

// What a compile drops whether the line is switched on or not.
bool isAlwaysDropped(std::string_view line) {
  DirectiveWord first = readDirectiveWord(splitLine(line).code);
  return isIncludeDirective(first) || matchConditional(first).kind != ConditionalKind::None;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::vector<int> SwitchedOffLines(const std::vector<SourceLine>& lines, std::string_view file, std::string_view text) {
  std::vector<std::string_view> fileLines = splitLines(text);
  std::vector<LineState> states(fileLines.size(), LineState::Absent);
  bool reached = false;
  for (const SourceLine& line : lines) {
    if (line.file != file) continue;
    reached = true;
    std::size_t index = static_cast<std::size_t>(line.lineNumber) - 1;
    if (line.lineNumber < 1 || index >= states.size()) continue;
    if (line.active) {
      states[index] = LineState::Active;
    } else if (states[index] == LineState::Absent) {
      states[index] = LineState::Inactive;
    }
  }
  std::vector<int> switchedOff;
  if (!reached) return switchedOff;
  for (std::size_t i = 0; i < states.size(); ++i) {
    bool off = states[i] == LineState::Inactive || (states[i] == LineState::Absent && !isAlwaysDropped(fileLines[i]));
    if (off) switchedOff.push_back(static_cast<int>(i));
  }
  return switchedOff;
}

}  // namespace qv
