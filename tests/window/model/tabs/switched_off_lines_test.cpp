#include "window/model/tabs/switched_off_lines.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace qv {
namespace {

SourceLine kept(const std::string& file, int number, bool active = true) {
  SourceLine line;
  line.file = test::kept(file);
  line.lineNumber = number;
  line.active = active;
  return line;
}

TEST(SwitchedOffLines, WhatTheCompileLeftOutOrKeptInactive) {
  const std::string text =
      "        INCLUDE \"a.inc\"\r\n"  // 0: never kept, taken by the include
      "        IF 0\n"                 // 1: never kept without inactive lines
      "        PLAY 1, 2, 3\n"         // 2: left out
      "        ELSE\n"                 // 3
      "        PLAY 4, 5, 6\n"         // 4: kept
      "        ENDIF\n"                // 5
      "        PLAY 7, 8, 9\n"         // 6: kept inactive
      "        END_SOUND";             // 7: kept active by a second inclusion
  struct Case {
    const char* what;
    std::vector<SourceLine> lines;
    std::vector<int> switchedOff;
  };
  const Case cases[] = {
      {"inactive lines left out", {kept("s", 5), kept("s", 7), kept("s", 8)}, {2}},
      {"inactive lines kept", {kept("s", 5), kept("s", 7, false), kept("s", 8, false), kept("s", 8)}, {2, 6}},
      {"another file", {kept("t", 1)}, {}},
      {"numbers beyond the text", {kept("s", 0), kept("s", 9, false), kept("s", 3), kept("s", 5), kept("s", 7),
                                   kept("s", 8)},
       {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SwitchedOffLines(LineOriginsOf(c.lines), "s", text), c.switchedOff) << c.what;
  }
}

}  // namespace
}  // namespace qv
