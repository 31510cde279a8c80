#include "window/model/tabs/switched_off_lines.h"

#include <algorithm>
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

}  // namespace

std::vector<int> SwitchedOffLines(const LineOrigins& lines, std::string_view file, std::string_view text) {
  // Numbered as the compile numbered the file's lines.
  const SourceText fileLines = SourceText::fromDiskBytes(std::string(text));
  std::vector<LineState> states(fileLines.lineCount(), LineState::Absent);
  std::vector<std::string>::const_iterator named = std::find(lines.files.begin(), lines.files.end(), file);
  bool reached = false;
  for (const LineOrigin& line : lines.lines) {
    if (named == lines.files.end() || line.file != static_cast<std::uint32_t>(named - lines.files.begin())) continue;
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
    bool off = states[i] == LineState::Inactive || (states[i] == LineState::Absent && !isAlwaysDropped(fileLines.line(i)));
    if (off) switchedOff.push_back(static_cast<int>(i));
  }
  return switchedOff;
}

}  // namespace qv
