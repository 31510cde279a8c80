#include "common/warnings.h"

#include <array>

#include "common/text.h"

namespace qv::warning {

namespace {

std::string prefix(const MessagePlace& place) {
  return "WARNING: " + place.file + ":" + std::to_string(place.line) + ": ";
}

// A warning whose text follows the "WARNING: FILE:LINE: " that every warning begins with.
Warning at(const MessagePlace& place, WarningId id, std::string text) {
  return Warning{id, prefix(place) + text, place};
}

// Why a text that is no name did not evaluate, when the reason is one a
// user coming from other assemblers is likely to meet.
std::string hintFor(std::string_view text) {
  static constexpr std::array<std::string_view, 5> missingOperators{"<<", ">>", "|", "^", "%"};
  for (std::string_view op : missingOperators) {
    if (text.find(op) != std::string_view::npos) return ": there is no " + std::string(op) + " operator";
  }
  if (text.size() > 1 && text[0] == '$') return ": hexadecimal numbers begin with 0x, not $";
  if (text.find_first_of("'\"") != std::string_view::npos) return ": there are no character literals";
  return {};
}

}  // namespace

Warning fieldOverflow(const MessagePlace& place, std::string_view what, std::int64_t value, int bits) {
  std::uint64_t stored = static_cast<std::uint64_t>(value) & ((std::uint64_t{1} << bits) - 1);
  return at(place, WarningId::FieldOverflow,
            std::string(what) + " " + std::to_string(value) + " does not fit in " + std::to_string(bits) +
                " bits (stored as " + std::to_string(stored) + ")");
}

Warning unevaluable(const MessagePlace& place, std::string_view what, std::string_view text, bool isName) {
  std::string message = std::string(what) + " \"" + std::string(text) + "\"";
  message += isName ? " is not defined" : " cannot be evaluated" + hintFor(text);
  return at(place, WarningId::Unevaluable, message + " (0 stored)");
}

Warning missingOperands(const MessagePlace& place, std::string_view command,
                        const std::vector<std::string_view>& operands) {
  return at(place, WarningId::MissingOperands,
            std::string(command) + " is missing its " + joinedList(operands) +
                (operands.size() == 1 ? " operand" : " operands") + " (0 stored)");
}

Warning outOfRange(const MessagePlace& place, std::string_view what, std::int64_t value, std::int64_t lowest,
                   std::int64_t highest, std::int64_t stored) {
  return outOfRange(place, what, value, "is outside " + std::to_string(lowest) + ".." + std::to_string(highest),
                    stored);
}

Warning outOfRange(const MessagePlace& place, std::string_view what, std::int64_t value, std::string_view range,
                   std::int64_t stored) {
  return at(place, WarningId::OutOfRange,
            std::string(what) + " " + std::to_string(value) + " " + std::string(range) + " (stored as " +
                std::to_string(stored) + ")");
}

Warning reachesNeighbour(const MessagePlace& place, std::string_view what, std::int64_t value,
                         std::string_view range, std::string_view effect, std::string_view byte) {
  return at(place, WarningId::ReachesNeighbour,
            std::string(what) + " " + std::to_string(value) + " " + std::string(range) + ": " + std::string(effect) +
                " (" + std::string(byte) + ")");
}

Warning openIf(const MessagePlace& place, bool restSwitchedOff) {
  std::string message = "IF is not closed by an ENDIF before the end of the file";
  if (restSwitchedOff) message += ": the rest of the file is switched off";
  return at(place, WarningId::OpenIf, message);
}

Warning strayConditional(const MessagePlace& place, std::string_view directive) {
  return at(place, WarningId::StrayConditional, std::string(directive) + " without IF (ignored)");
}

Warning duplicateSymbol(const MessagePlace& place, std::string_view name, const MessagePlace& first) {
  return at(place, WarningId::DuplicateSymbol,
            std::string(name) + " is defined again (first defined at " + first.file + ":" +
                std::to_string(first.line) + ")");
}

Warning letterCaseMatches(const MessagePlace& place, std::size_t count, std::string_view path,
                          std::string_view used) {
  return at(place, WarningId::LetterCaseMatches,
            std::to_string(count) + " files match " + std::string(path) + " apart from letter case; using " +
                std::string(used));
}

Warning labelBeforeUnknownCommand(const MessagePlace& place, std::string_view label) {
  return at(place, WarningId::LabelBeforeUnknownCommand,
            std::string(label) + " is taken as a label because the word after it is no command (a misspelt command?)");
}

}  // namespace qv::warning
