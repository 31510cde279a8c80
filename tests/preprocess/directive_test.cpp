#include "preprocess/directive.h"

#include <gtest/gtest.h>

#include "preprocess/include_resolver.h"

namespace qv {
namespace {

TEST(MatchDirective, FirstWordPrefixWithOneOptionalHash) {
  struct Case {
    const char* code;
    const char* keyword;
    bool matched;
    const char* argument;
  };
  const Case cases[] = {
      {"INCLUDE \"a.inc\"", "INCLUDE", true, "\"a.inc\""},
      {"  include\t  a.inc  ", "INCLUDE", true, "a.inc"},
      {"#include a.inc", "INCLUDE", true, "a.inc"},
      {"INCLUDES a.inc", "INCLUDE", true, "a.inc"},
      {"##INCLUDE a", "INCLUDE", false, ""},
      {"##INCLUDE a", "#INCLUDE", true, "a"},
      {"# INCLUDE a", "INCLUDE", false, ""},
      {"IFDEF X", "IF", true, "X"},
      {"IF", "IF", true, ""},
      {"ELSEIF X == 1", "ELSE", true, "X == 1"},
      {"ENDIF", "IF", false, ""},
      {"", "IF", false, ""},
      {"   ", "IF", false, ""},
      {"I", "IF", false, ""},
      {"IF\vX", "IF", true, ""},
  };
  for (const Case& c : cases) {
    DirectiveMatch match = matchDirective(c.code, c.keyword);
    EXPECT_EQ(match.matched, c.matched) << c.code << " / " << c.keyword;
    EXPECT_EQ(match.argument, c.argument) << c.code << " / " << c.keyword;
  }
}

TEST(CarriedIncludeName, FamilyNamesInAnyCaseMapToTheCarriedCopies) {
  struct Case {
    const char* fileName;
    const char* carried;  // empty: none
  };
  const Case cases[] = {
      {"QVX5_SND_CMD.INC", "QVX5_SND_CMD.INC"},
      {"qvx7_snd_cmd.inc", "QVX5_SND_CMD.INC"},
      {"QVX5_SND_MACS.INC", "QVX5_SND_MACS.INC"},
      {"QvX9x_SND_MACS.INC.bak", "QVX5_SND_MACS.INC"},
      {"QVX_SND_CMD.INC", "QVX5_SND_CMD.INC"},
      {"XQVX5_SND_CMD.INC", ""},
      {"QVX5_SND_CM.INC", ""},
      {"QVX_SND_A", ""},
      {"QVX5_SND_CMD.INC_SND_MACS.INC", "QVX5_SND_CMD.INC"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::optional<std::string> carried = carriedIncludeName(c.fileName);
    EXPECT_EQ(carried.value_or(""), c.carried) << c.fileName;
  }
}

}  // namespace
}  // namespace qv
