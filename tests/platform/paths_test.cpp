#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qv {
namespace {

TEST(Paths, DirectoryAndFileNameAcceptBothSeparators) {
  EXPECT_EQ(directoryOf("a/b\\c.asm"), "a/b");
  EXPECT_EQ(fileNameOf("a/b\\c.asm"), "c.asm");
  EXPECT_EQ(directoryOf("c.asm"), "");
  EXPECT_EQ(fileNameOf("c.asm"), "c.asm");
}

TEST(Paths, JoinUsesOneSlash) {
  EXPECT_EQ(joinPath("", "x"), "x");
  EXPECT_EQ(joinPath("d", ""), "d");
  EXPECT_EQ(joinPath("d/", "x"), "d/x");
  EXPECT_EQ(joinPath("d\\", "x"), "d\\x");
  EXPECT_EQ(joinPath("d", "x"), "d/x");
}

TEST(Paths, Absoluteness) {
  EXPECT_TRUE(isAbsolutePath("/x"));
  EXPECT_TRUE(isAbsolutePath("C:\\x"));
  EXPECT_TRUE(isAbsolutePath("\\\\server\\x"));
  EXPECT_TRUE(isAbsolutePath("//server/x"));
  EXPECT_FALSE(isAbsolutePath("\\lib\\x.inc"));
  EXPECT_FALSE(isAbsolutePath("x/y"));
  EXPECT_FALSE(isAbsolutePath(""));
}

TEST(Paths, CanonicalFoldsDotsBelowTheRoot) {
  EXPECT_EQ(canonicalPath("/a/./b/../c\\d"), "/a/c/d");
  EXPECT_EQ(canonicalPath("/a/../../x"), "/x");
  EXPECT_EQ(canonicalPath("X:\\p\\song.asm"), "X:/p/song.asm");
  EXPECT_EQ(canonicalPath("X:\\a\\..\\m.inc"), "X:/m.inc");
  EXPECT_EQ(canonicalPath("x:/a/./../../b/"), "x:/b/");
  EXPECT_EQ(canonicalPath("X:a\\..\\m.inc"), "X:m.inc");
  EXPECT_EQ(canonicalPath("\\\\server\\share\\..\\x"), "//server/x");
  EXPECT_EQ(canonicalPath("///a//b"), "/a/b");
  std::string current = std::filesystem::current_path().string();
  EXPECT_EQ(canonicalPath("rel/x.inc"), current + "/rel/x.inc");
}

TEST(Paths, Unquote) {
  EXPECT_EQ(unquote("  \"a b\"  "), "a b");
  EXPECT_EQ(unquote("'x'"), "x");
  EXPECT_EQ(unquote("\"x'"), "\"x'");
  EXPECT_EQ(unquote("\""), "\"");
}

}  // namespace
}  // namespace qv
