#include "compile/output_paths.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace qv {
namespace {

TEST(OutputPaths, ExtensionIsCutOnlyInTheFileName) {
  EXPECT_EQ(cutExtension("song.asm", false), "song");
  EXPECT_EQ(cutExtension("dir.v2/song.asm", false), "dir.v2/song");
  EXPECT_EQ(cutExtension("dir.v2/song", false), "dir.v2/song");
  EXPECT_EQ(cutExtension("C:\\w1.2\\song", false), "C:\\w1.2\\song");
  EXPECT_EQ(cutExtension("song.mk2.asm", false), "song.mk2");
  EXPECT_EQ(cutExtension("p/.hidden", false), "p/");
  EXPECT_EQ(cutExtension("p/.hidden", true), "p/.hidden");
  EXPECT_EQ(cutExtension("song", false), "song");
}

TEST(OutputPaths, OutputFolderTakesTheFileName) {
  test::TempFolder folder;
  std::string withSlash = outputBaseFor("/p/song.asm", folder.path() + "/");
  std::string without = outputBaseFor("/p/song.asm", folder.path());
  EXPECT_EQ(withSlash, folder.path() + "/song");
  EXPECT_EQ(without, folder.file("song"));
  EXPECT_EQ(outputBaseFor("/p/song.asm", ""), "/p/song");
  EXPECT_EQ(outputBaseFor("C:\\p\\song.asm", ""), "C:\\p\\song");
  EXPECT_EQ(outputBaseFor("C:\\p\\song.asm", folder.path()), folder.file("song"));
  EXPECT_EQ(outputBaseFor(".asm", folder.path()), folder.path() + kPathSeparator) << "a name that is only an extension";
}

TEST(OutputPaths, MissingOutputFolderIsCreatedLevelByLevel) {
  test::TempFolder folder;
  std::string deep = folder.path() + "/a\\b/c";
  EXPECT_EQ(outputBaseFor("song.asm", deep), deep + kPathSeparator + "song");
  EXPECT_TRUE(folderExists(folder.path() + "/a/b/c"));
}

TEST(OutputPaths, EnsureDirectory) {
  test::TempFolder folder;
  EXPECT_TRUE(ensureDirectory(""));
  EXPECT_TRUE(ensureDirectory(folder.path()));
  EXPECT_TRUE(ensureDirectory(folder.path() + "/x/y/"));
  EXPECT_TRUE(folderExists(folder.path() + "/x/y"));
  folder.write("file", "x");
  EXPECT_FALSE(ensureDirectory(folder.path() + "/file/sub"));
}

TEST(OutputPaths, EmptySuffixBecomesY) {
  EXPECT_EQ(effectiveSuffix(""), "_Y");
  EXPECT_EQ(effectiveSuffix("_A"), "_A");
}

}  // namespace
}  // namespace qv
