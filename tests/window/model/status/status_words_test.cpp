#include "window/model/status/status_words.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

CompileResult resultWith(std::vector<MessageKind> kinds, bool failed = false) {
  CompileResult result;
  result.messages.assign(kinds.size(), "ERROR: a warning");
  result.messagePlaces.resize(kinds.size());
  result.messageKinds = std::move(kinds);
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
           // The kinds decide, whatever the texts say.
           {resultWith({MessageKind::Note}), "Compile complete"},
           {resultWith({MessageKind::Note, MessageKind::Warning}), "Compile completed with warnings"},
           {resultWith({MessageKind::Warning, MessageKind::Error}), "Compile completed with errors"},
           {resultWith({}, true), "Compile completed with errors"},
       }) {
    EXPECT_EQ(StatusWordsFor(true, c.result, true), c.words);
  }
}

TEST(StatusWords, WithoutACompile) {
  EXPECT_EQ(StatusWordsFor(false, resultWith({MessageKind::Error}), true), "Not evaluated - run Compile (F5)");
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
