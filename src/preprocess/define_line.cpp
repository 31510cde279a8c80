#include "preprocess/define_line.h"

#include <array>

#include "preprocess/expression_evaluator.h"
#include "common/text.h"
#include "common/words.h"

namespace qv {

bool handleDefine(std::string_view code, DefineTable& defines, PendingDefines& pending,
                  MessageList& notes) {
  // Only the first three words matter, so a very long line is not split whole.
  WordCursor cursor(code);
  const std::array<std::string_view, 3> words{cursor.next(), cursor.next(), cursor.next()};
  if (words[2].empty()) return false;
  std::string_view name;
  if (startsWithNoCase(words[0], "#DEFINE") || startsWithNoCase(words[0], "DEFINE")) {
    name = words[1];
  } else if (startsWithNoCase(words[1], "SET") || startsWithNoCase(words[1], "EQU")) {
    name = words[0];
  } else {
    return false;
  }
  std::string_view valueText = words[2];

  std::int32_t value = 0;
  std::vector<std::string> lookedUp;
  if (evaluateRecordingLookups(valueText, defines, value, lookedUp) || parseIntegerLiteral(valueText, value)) {
    pending.remove(name);
  } else {
    value = 0;
    pending.add(name, std::string(valueText), lookedUp);
  }
  if (defines.set(name, value)) pending.noteChanged(name);
  notes.note("Define: " + std::string(name) + " = " + std::to_string(value));
  return true;
}

}  // namespace qv
