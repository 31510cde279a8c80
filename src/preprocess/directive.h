#pragma once

#include <string>
#include <string_view>

namespace qv {

struct DirectiveMatch {
  bool matched = false;
  std::string argument;
};

// Whether the code's first word (up to the first blank or tab, one leading
// "#" dropped) begins with keyword, letter case ignored. A prefix test on
// purpose: IFDEF counts as IF and INCLUDES as INCLUDE. The argument is the
// trimmed rest after that first blank or tab.
DirectiveMatch matchDirective(std::string_view code, std::string_view keyword);

}  // namespace qv
