#include "preprocess/define_line.h"

#include <array>

#include "preprocess/expression_evaluator.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr std::size_t kDefineWords = 3;

// Only the first three words of a line matter, so a very long line is not
// split whole.
std::size_t leadingWords(std::string_view text, std::array<std::string_view, kDefineWords>& words) {
  std::size_t count = 0;
  std::size_t i = 0;
  while (count < words.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i == text.size()) break;
    std::size_t start = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    words[count++] = text.substr(start, i - start);
  }
  return count;
}

}  // namespace

bool handleDefine(std::string_view code, DefineTable& defines, PendingDefines& pending,
                  MessageList& notes) {
  std::array<std::string_view, kDefineWords> words;
  if (leadingWords(code, words) < kDefineWords) return false;
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
