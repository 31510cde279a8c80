#include "window/model/tabs/source_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

TEST(ColourSourceLine, ConditionalAndIncludeLinesStartWithADirective) {
  struct Case {
    std::string line;
    SourceWordKind first;
    std::size_t length;
  };
  for (const Case& c : std::vector<Case>{
           {"IF SOUNDSET == 2", SourceWordKind::Directive, 2},
           {"#IF SOUNDSET == 2", SourceWordKind::Directive, 3},
           {"#IFDEF FULL", SourceWordKind::Directive, 6},
           {"  ifdef FULL", SourceWordKind::Directive, 5},
           {"#ELSE", SourceWordKind::Directive, 5},
           {"#ENDIF", SourceWordKind::Directive, 6},
           {"  #INCLUDE \"waves.inc\"", SourceWordKind::Directive, 8},
           {"LOOP_TOP:", SourceWordKind::Label, 8},
       }) {
    std::vector<SourceSpan> spans = ColourSourceLine(c.line);
    ASSERT_FALSE(spans.empty()) << c.line;
    EXPECT_EQ(spans.front().kind, c.first) << c.line;
    EXPECT_EQ(spans.front().length, c.length) << c.line;
  }
}

}  // namespace
}  // namespace qv
