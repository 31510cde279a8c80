#include "window/model/tabs/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

TEST(DifferenceOf, IsTheOneReplacementBetweenTheCommonStartAndEnd) {
  struct Case {
    std::string before;
    std::string after;
    TextEdit edit;
    std::size_t preferred = std::string::npos;
  };
  std::string longEnd(10000, 'x');
  for (const Case& c : std::vector<Case>{
           {"abc", "abc", {3, "", ""}},
           {"abc", "abXc", {2, "", "X"}},
           {"abc", "ac", {1, "b", ""}},
           {"abc", "aYc", {1, "b", "Y"}},
           // Within a run of the same letter the change is found at its end.
           {"hello", "helllo", {4, "", "l"}},
           {"hello", "helllo", {2, "", "l"}, 2},
           {"hello", "helllo", {2, "", "l"}, 0},
           {"hello", "helo", {3, "l", ""}},
           {"hello", "helo", {2, "l", ""}, 2},
           {"abc", "aYc", {1, "b", "Y"}, 0},
           {"", "new", {0, "", "new"}},
           {"old", "", {0, "old", ""}},
           {"a" + longEnd, "ab" + longEnd, {1, "", "b"}},
           {longEnd + "a", longEnd + "ba", {10000, "", "b"}},
       }) {
    TextEdit edit = DifferenceOf(c.before, c.after, c.preferred);
    EXPECT_EQ(edit, c.edit) << c.before.substr(0, 10) << " / " << c.after.substr(0, 10);
    std::string text = c.before;
    ApplyEdit(text, edit);
    EXPECT_EQ(text, c.after);
    ApplyEdit(text, Reversed(edit));
    EXPECT_EQ(text, c.before);
  }
}

// Each case types its texts one after the other into "one two", then
// undoes: the texts undo brings back, in order, and whether the last is the
// saved one.
TEST(EditHistory, JoinsARunOfKeysIntoOneStep) {
  struct Case {
    const char* what;
    std::vector<std::string> typed;
    std::vector<std::string> undone;
  };
  for (const Case& c : std::vector<Case>{
           {"typing on", {"one Xtwo", "one XYtwo", "one XYZtwo"}, {"one two"}},
           {"backspace over typing", {"one Xtwo", "one XYtwo", "one Xtwo"}, {"one two"}},
           {"typing taken back whole", {"one Xtwo", "one two"}, {}},
           {"backspace runs on", {"one wo", "onewo", "onwo"}, {"one two"}},
           {"delete runs on", {"one wo", "one o"}, {"one two"}},
           {"a line break ends the step", {"one Xtwo", "one X\ntwo", "one X\nYtwo"},
            {"one X\ntwo", "one Xtwo", "one two"}},
           {"a paste is a step of its own", {"one PASTEtwo", "one PASTEXtwo"}, {"one PASTEtwo", "one two"}},
           {"elsewhere is a new step", {"Xone two", "Xone twoY"}, {"Xone two", "one two"}},
       }) {
    EditHistory history;
    std::string text = "one two";
    for (const std::string& next : c.typed) {
      history.RecordTyping(DifferenceOf(text, next));
      text = next;
    }
    std::vector<std::string> undone;
    while (std::optional<TextEdit> back = history.Undo()) {
      ApplyEdit(text, *back);
      undone.push_back(text);
    }
    EXPECT_EQ(undone, c.undone) << c.what;
    EXPECT_TRUE(history.AtSavedPoint()) << c.what;
  }
}

TEST(EditHistory, KnowsWhenTheTextIsBackAtTheSavedPoint) {
  EditHistory history;
  std::string text = "a";
  auto type = [&](const std::string& next) {
    history.RecordTyping(DifferenceOf(text, next));
    text = next;
  };
  auto step = [&](std::optional<TextEdit> edit) {
    ASSERT_TRUE(edit);
    ApplyEdit(text, *edit);
  };
  type("ab");
  EXPECT_FALSE(history.AtSavedPoint());
  history.MarkSaved();
  // Typing after a save joins no step before it.
  type("abc");
  step(history.Undo());
  EXPECT_EQ(text, "ab");
  EXPECT_TRUE(history.AtSavedPoint());
  step(history.Undo());
  EXPECT_EQ(text, "a");
  EXPECT_FALSE(history.AtSavedPoint());
  step(history.Redo());
  step(history.Redo());
  EXPECT_EQ(text, "abc");
  EXPECT_FALSE(history.Redo());
  step(history.Undo());
  step(history.Undo());
  // A new edit drops the steps undone, and the saved text with them.
  type("aZ");
  EXPECT_FALSE(history.Redo());
  step(history.Undo());
  EXPECT_EQ(text, "a");
  EXPECT_FALSE(history.AtSavedPoint());
}

}  // namespace
}  // namespace qv
