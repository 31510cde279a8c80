#include "window/model/results/status_words.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

CompileResult resultOfKinds(std::vector<MessageKind> kinds, bool failed = false) {
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
           {resultOfKinds({}), "Compile complete"},
           // The kinds decide, whatever the texts say.
           {resultOfKinds({MessageKind::Note}), "Compile complete"},
           {resultOfKinds({MessageKind::Note, MessageKind::Warning}), "Compile completed with warnings"},
           {resultOfKinds({MessageKind::Warning, MessageKind::Error}), "Compile completed with errors"},
           {resultOfKinds({}, true), "Compile completed with errors"},
       }) {
    EXPECT_EQ(StatusWordsFor(true, c.result, true), c.words);
  }
}

TEST(StatusWords, WithoutACompile) {
  EXPECT_EQ(StatusWordsFor(false, resultOfKinds({MessageKind::Error}), true), "Not evaluated - run Compile (F5)");
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
