#include "window/status_words.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

CompileResult resultWith(std::vector<std::string> messages, bool failed = false) {
  CompileResult result;
  result.messages = std::move(messages);
  result.failed = failed;
  return result;
}

TEST(StatusWords, FromACompileResult) {
  struct Case {
    CompileResult result;
    const char* words;
  };
  for (const Case& c : std::initializer_list<Case>{
           {resultWith({}), "Compile complete"},
           {resultWith({"NOTE: harmless"}), "Compile completed with warnings"},
           {resultWith({"ERROR: bad operand"}), "Compile completed with errors"},
           {resultWith({"line 4 ERROR : bad"}), "Compile completed with errors"},
           // Only the upper-case word counts here.
           {resultWith({"error: lower case"}), "Compile completed with warnings"},
           {resultWith({}, true), "Compile completed with errors"},
       }) {
    EXPECT_EQ(StatusWordsFor(true, c.result, true), c.words);
  }
}

TEST(StatusWords, WithoutACompile) {
  EXPECT_EQ(StatusWordsFor(false, resultWith({"ERROR: old"}), true), "Not evaluated - run Compile (F5)");
  EXPECT_EQ(StatusWordsFor(false, CompileResult(), false), "No source selected");
}

TEST(StatusWords, StatusLineShowsTheTypingModeOutsideTheHighlight) {
  EXPECT_EQ(StatusLineText("No source selected", false, false), "No source selected   INS");
  EXPECT_EQ(StatusLineText("Saved", false, true), "Saved   OVR");
  EXPECT_EQ(StatusLineText("", false, false), "Ready   INS");
  EXPECT_EQ(StatusLineText("Compiling:", true, true), "Compiling:");
}

}  // namespace
}  // namespace qv
