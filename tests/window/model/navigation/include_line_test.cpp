#include "window/model/navigation/include_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

TEST(IncludedNameAt, IsTheNameUnderTheColumnOfAnIncludeLine) {
  struct Case {
    std::string line;
    std::size_t column;
    std::optional<std::string> name;
  };
  const std::string quoted = "        INCLUDE \"demo_waves.inc\"   ; the waves";
  for (const Case& c : std::vector<Case>{
           {quoted, 16, "demo_waves.inc"},
           {quoted, 22, "demo_waves.inc"},
           {quoted, 32, "demo_waves.inc"},
           // The directive word and the comment are no name.
           {quoted, 9, std::nullopt},
           {quoted, 40, std::nullopt},
           {"#include horns.inc", 12, "horns.inc"},
           {"        PLAY 1, 2, 3", 14, std::nullopt},
           {"        INCLUDE", 10, std::nullopt},
       }) {
    EXPECT_EQ(IncludedNameAt(c.line, c.column), c.name) << c.line << " @" << c.column;
  }
}

}  // namespace
}  // namespace qv
