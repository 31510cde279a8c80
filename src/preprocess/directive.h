#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace qv {

struct DirectiveMatch {
  bool matched = false;
  std::string argument;
};

// The first word of a line's code (up to the first blank or tab, one leading
// "#" dropped) and the trimmed rest after that blank or tab. Read once per
// line, then tested against each directive keyword.
struct DirectiveWord {
  bool present = false;  // false for empty code and for a lone "#"
  std::string_view word;
  std::string_view argument;

  // A prefix test on purpose: IFDEF counts as IF and INCLUDES as INCLUDE.
  bool beginsWith(std::string_view keyword) const { return present && startsWithNoCase(word, keyword); }
};

DirectiveWord readDirectiveWord(std::string_view code);

// INCLUDE or #INCLUDE: the line whose place the included file's lines take.
inline bool isIncludeDirective(const DirectiveWord& first) {
  return first.beginsWith("INCLUDE") || first.beginsWith("#INCLUDE");
}

// Whether the code's first word begins with keyword, letter case ignored,
// with the argument that follows it.
DirectiveMatch matchDirective(std::string_view code, std::string_view keyword);

}  // namespace qv
