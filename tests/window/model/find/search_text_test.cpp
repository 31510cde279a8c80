// Search texts, matching and the words and lines around a position.
#include <gtest/gtest.h>

#include "window/model/find/search_text.h"

namespace qv {
namespace {

TEST(SearchText, CleaningTurnsBreaksAndTabsIntoSingleBlanks) {
  struct Case {
    const char* raw;
    const char* cleaned;
  };
  for (const Case& c : {Case{"one\t  two", "one   two"}, Case{"\tword", "word"}, Case{"a\r\n\tb", "a b"},
                        Case{"a \tb", "a b"}, Case{"  padded  ", "padded"}, Case{"x\x01y\x7f\xe9z", "xyz"},
                        Case{"\r\n\t", ""}, Case{"a\n", "a"}}) {
    EXPECT_EQ(CleanSearchText(c.raw), c.cleaned) << c.raw;
  }
}

std::optional<std::size_t> find(std::string_view text, std::string_view what, std::size_t start, bool forward,
                                bool matchCase = false, bool wholeWord = false) {
  return FindInText(text, what, start, SearchOptions{forward, matchCase, wholeWord});
}

TEST(SearchText, ForwardFromTheStartThenAroundFromTheTop) {
  EXPECT_EQ(find("ab ab ab", "ab", 1, true), 3u);
  EXPECT_EQ(find("ab ab ab", "ab", 3, true), 3u);
  EXPECT_EQ(find("label x", "label", 5, true), 0u);
  EXPECT_EQ(find("label x", "label", 100, true), 0u);
  EXPECT_EQ(find("label x", "none", 0, true), std::nullopt);
}

TEST(SearchText, BackwardEndsAtTheStartThenAroundFromTheBottom) {
  EXPECT_EQ(find("ab ab ab", "ab", 6, false), 3u);
  EXPECT_EQ(find("ab ab ab", "ab", 5, false), 3u);
  EXPECT_EQ(find("ab ab ab", "ab", 4, false), 0u);
  EXPECT_EQ(find("ab ab ab", "ab", 1, false), 6u);
  EXPECT_EQ(find("ab ab ab", "ab", 100, false), 6u);
}

TEST(SearchText, WholeWordSkipsMatchesNextToWordCharacters) {
  EXPECT_EQ(find("ab_c ab", "ab", 0, true, false, true), 5u);
  EXPECT_EQ(find("ab_c ab", "ab", 0, true, false, false), 0u);
  EXPECT_EQ(find("xab ab1", "ab", 0, true, false, true), std::nullopt);
  EXPECT_EQ(find("(ab)", "ab", 0, true, false, true), 1u);
}

TEST(SearchText, LetterCaseMattersOnlyWithMatchCase) {
  EXPECT_EQ(find("a LABEL", "label", 0, true), 2u);
  EXPECT_EQ(find("a LABEL", "label", 0, true, true), std::nullopt);
  EXPECT_EQ(find("a LABEL", "LABEL", 0, true, true), 2u);
}

TEST(SearchText, NothingForAnEmptyTextOrOneLongerThanTheEditorText) {
  EXPECT_EQ(find("abc", "", 0, true), std::nullopt);
  EXPECT_EQ(find("ab", "abc", 0, true), std::nullopt);
  EXPECT_EQ(find("ab", "abc", 0, false), std::nullopt);
}

TEST(SearchText, WordsAndLinesAroundAPosition) {
  std::string_view text = "PLAY HNDL_A, 3\nnext line";
  EXPECT_EQ(WordAround(text, 7), "HNDL_A");
  EXPECT_EQ(WordAround(text, 5), "HNDL_A");
  EXPECT_EQ(WordAround(text, 11), "HNDL_A");
  EXPECT_EQ(WordAround(text, 12), "");
  EXPECT_EQ(LineAround(text, 0), "PLAY HNDL_A, 3");
  EXPECT_EQ(LineAround(text, 14), "PLAY HNDL_A, 3");
  EXPECT_EQ(LineAround(text, 15), "next line");
  EXPECT_EQ(LineAround("\n\nx", 1), "");
}

TEST(SearchText, LineStartsCountFromOne) {
  std::string_view text = "a\nbb\nccc";
  EXPECT_EQ(LineStart(text, 1), 0u);
  EXPECT_EQ(LineStart(text, 2), 2u);
  EXPECT_EQ(LineStart(text, 3), 5u);
  EXPECT_EQ(LineStart(text, 4), text.size());
}

}  // namespace
}  // namespace qv
