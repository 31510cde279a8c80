#include "preprocess/source_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "preprocess_fixture.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::Contains;
using namespace std::string_literals;

std::vector<std::string> linesOf(const SourceText& text) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < text.lineCount(); ++i) lines.emplace_back(text.line(i));
  return lines;
}

TEST(CommentSplit, CodeAndCommentAreTrimmedAndTheFirstMarkerWins) {
  struct Case {
    const char* text;
    const char* code;
    const char* comment;
  };
  const Case cases[] = {
      {"  IF X ; note  ", "IF X", "; note"},
      {"PLAY 1 // a ; b", "PLAY 1", "// a ; b"},
      {"PLAY 1 ; a // b", "PLAY 1", "; a // b"},
      {"DB \"a;b\"", "DB \"a", ";b\""},
      {"\tEND_SOUND\t", "END_SOUND", ""},
      {"; only a comment", "", "; only a comment"},
      {"A / B", "A / B", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    std::string code;
    std::string comment;
    splitComment(c.text, code, comment);
    EXPECT_EQ(code, c.code) << c.text;
    EXPECT_EQ(comment, c.comment) << c.text;
  }
}

TEST(SourceText, DiskLinesDropOneCrAndNoEmptyLastLine) {
  EXPECT_THAT(linesOf(SourceText::fromDiskBytes("a\r\nb\nc")), ElementsAre("a", "b", "c"));
  EXPECT_THAT(linesOf(SourceText::fromDiskBytes("a\r\r\n\n")), ElementsAre("a\r", ""));
  EXPECT_THAT(linesOf(SourceText::fromDiskBytes("a\n")), ElementsAre("a"));
  EXPECT_THAT(linesOf(SourceText::fromDiskBytes("a\r")), ElementsAre("a"));
  EXPECT_TRUE(linesOf(SourceText::fromDiskBytes("")).empty());
}

TEST(SourceText, CarriedLinesSplitAtEveryLfAndKeepCr) {
  EXPECT_THAT(linesOf(SourceText::fromCarriedText("a\r\nb\n")), ElementsAre("a\r", "b", ""));
  EXPECT_THAT(linesOf(SourceText::fromCarriedText("a")), ElementsAre("a"));
  EXPECT_THAT(linesOf(SourceText::fromCarriedText("")), ElementsAre(""));
}

TEST(SourceText, AnyByteIsKept) {
  std::string bytes = "A\0B\xFF\x80;\xE9\n"s;
  SourceText text = SourceText::fromDiskBytes(bytes);
  ASSERT_EQ(text.lineCount(), 1u);
  EXPECT_EQ(text.line(0), bytes.substr(0, 7));
  SourceLine line = makeSourceLine(text.line(0), "f", 1, true);
  EXPECT_EQ(line.code, std::string("A\0B\xFF\x80", 5));
  EXPECT_EQ(line.comment, ";\xE9");
}

TEST(Preprocess, RecordsCarryTextCodeCommentFileAndLineNumber) {
  test::PreprocessProject project;
  std::string root = project.write("song.asm", "\tPLAY 1 ; loud\r\n\r\nEND_SOUND");
  PreprocessResult result = project.run("song.asm");
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(result.lines[0].text, "\tPLAY 1 ; loud");
  EXPECT_EQ(result.lines[0].code, "PLAY 1");
  EXPECT_EQ(result.lines[0].comment, "; loud");
  EXPECT_EQ(result.lines[1].text, "");
  EXPECT_EQ(result.lines[2].lineNumber, 3);
  for (const SourceLine& line : result.lines) {
    EXPECT_EQ(line.file, root);
    EXPECT_TRUE(line.active);
  }
  EXPECT_TRUE(result.notes.texts().empty());
  EXPECT_TRUE(result.errors.texts().empty());
}

TEST(Preprocess, RootFileIsNamedExactlyAsPassed) {
  test::PreprocessProject project;
  project.write("sub/song.asm", "PLAY 1\n");
  std::string spelled = project.path("sub/../sub\\song.asm");
  PreprocessResult result = project.preprocessor.preprocess(spelled, false);
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0].file, spelled);
}

TEST(Preprocess, MissingOrUnreadableRootGivesOneErrorAndNoLines) {
  test::PreprocessProject project;
  project.write("folder/x.inc", "");
  for (const std::string& root : {project.path("absent.asm"), project.path("folder"), std::string("/dev/zero")}) {
    PreprocessResult result = project.preprocessor.preprocess(root, false);
    EXPECT_TRUE(result.lines.empty());
    EXPECT_THAT(result.errors.texts(), ElementsAre("ERROR: Include not found: " + root));
    EXPECT_TRUE(result.notes.texts().empty());
  }
}

TEST(Preprocess, HugeLinesAndOddBytesPassThrough) {
  test::PreprocessProject project;
  std::string huge(10 * 1000 * 1000, 'A');
  std::string odd = "X\0Y EQU 1\n\xFF\xFE IF\n\0\n"s;
  project.write("song.asm", odd + huge + "\n" + huge.substr(0, 100) + " EQU " + huge + "\nIF " + huge + " == 1\n" +
                                "ENDIF\n" + std::string(1000000, ' ') + "\n");
  PreprocessResult result = project.run("song.asm", true);
  EXPECT_TRUE(result.errors.texts().empty());
  ASSERT_EQ(result.lines.size(), 8u);
  EXPECT_EQ(result.lines[3].code.size(), huge.size());
  EXPECT_EQ(result.lines.back().code, "");
  EXPECT_THAT(result.notes.texts(), Contains("Define: X\0Y = 1"s));
}

}  // namespace
}  // namespace qv
