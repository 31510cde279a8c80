#include "window/model/tabs/editor_text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(EditorText, LineEndsBecomeCrLfAndLoneCarriageReturnsGo) {
  EXPECT_EQ(ToEditorLineEnds("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(ToEditorLineEnds("a\r\nb"), "a\r\nb");
  EXPECT_EQ(ToEditorLineEnds("a\rb\r"), "ab");
  EXPECT_EQ(ToEditorLineEnds(""), "");
}

TEST(EditorText, LineEndsOfASavedFile) {
  EXPECT_EQ(WithLineEnds("a\r\nb\nc", "\n"), "a\nb\nc");
  EXPECT_EQ(WithLineEnds("a\nb\n", "\r\n"), "a\r\nb\r\n");
}

TEST(EditorText, TabsExpandToTheNextMultipleOfEight) {
  struct Case {
    const char* text;
    const char* expanded;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"\tx", "        x"},
           {"abc\td", "abc     d"},
           {"abcdefgh\ti", "abcdefgh        i"},
           {"ab\n\tc", "ab\n        c"},
           {"abcdefghij\ncd\te", "abcdefghij\ncd      e"},
           {"abc\r\td", "abc\r        d"},
           {"a\t\tb", "a               b"},
       }) {
    EXPECT_EQ(ExpandTabs(c.text), c.expanded) << c.text;
  }
}

}  // namespace
}  // namespace qv
