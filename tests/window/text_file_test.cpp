#include "window/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#ifndef _WIN32
#include "support/file_size_limit.h"
#endif
#include "support/test_support.h"
#include "window/saved_bytes.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::savedLf;
using test::TempFolder;

struct ReadCase {
  const char* name;
  std::string bytes;
  std::string text;
  std::string lineEnd;
};

class ReadTextFileCases : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextFileCases, DecodesFoldsAndUnifiesLineEnds) {
  TempFolder folder;
  std::string path = folder.write("song.asm", GetParam().bytes);
  std::string text;
  std::string lineEnd;
  ASSERT_TRUE(ReadTextFile(path, text, lineEnd));
  EXPECT_EQ(text, GetParam().text);
  EXPECT_EQ(lineEnd, GetParam().lineEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ReadTextFileCases,
    testing::Values(
        ReadCase{"Utf16Little", std::string("\xFF\xFE" "a\0\r\0\n\0\xE9\0", 10), "a\n?", "\r\n"},
        ReadCase{"Utf16Big", std::string("\xFE\xFF\0a\0\n\x20\x14", 8), "a\n-", "\n"},
        ReadCase{"Utf8WithMark", "\xEF\xBB\xBF" "caf\xC3\xA9\r\n", "caf?\n", "\r\n"},
        ReadCase{"Utf8WithoutMark", "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\xA6", "\"q\" ...", "\n"},
        ReadCase{"MarkOnly", "\xEF\xBB\xBF", "", "\n"},
        ReadCase{"Empty", "", "", "\n"},
        ReadCase{"InvalidUtf8FallsBackTo1252", "\x93hi\x94 \x96 \xA9", "\"hi\" - (c)", "\n"},
        ReadCase{"FallbackKeepsTheMarkBytes", "\xEF\xBB\xBF" "a\xFF", "???a?", "\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ReadTextFileCases,
    testing::Values(ReadCase{"CrLf", "a\r\nb\r\n", "a\nb\n", "\r\n"},
                    ReadCase{"LfOnly", "a\nb\n", "a\nb\n", "\n"},
                    ReadCase{"Mixed", "a\r\nb\nc", "a\nb\nc", "\r\n"},
                    ReadCase{"LoneCr", "a\rb\r", "a\nb\n", "\n"},
                    ReadCase{"CrBeforeCrLf", "a\r\r\nb", "a\n\nb", "\r\n"},
                    ReadCase{"NoLineEnd", "abc", "abc", "\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Tabs, ReadTextFileCases,
    testing::Values(ReadCase{"ToNextMultipleOfEight", "a\tb\n1234567\tc\n12345678\td", "a       b\n1234567 c\n12345678        d", "\n"},
                    ReadCase{"AfterLoneCr", "abc\r\tx", "abc\n        x", "\n"},
                    ReadCase{"AfterFolding", "\xC2\xBD\tx", "1/2     x", "\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ReadTextFile, CountsTheFoldedCharacters) {
  TempFolder folder;
  struct Case {
    std::string bytes;
    std::size_t folded;
  };
  for (const Case& c : {Case{"plain ASCII\n", 0}, Case{"caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D", 3},
                        Case{"\x93hi\x94 \xA9", 3}, Case{std::string("\xFF\xFE" "a\0\xE9\0", 6), 1}}) {
    std::string path = folder.write("song.asm", c.bytes);
    std::string text;
    std::string lineEnd;
    std::size_t folded = 99;
    ASSERT_TRUE(ReadTextFile(path, text, lineEnd, &folded));
    EXPECT_EQ(folded, c.folded) << c.bytes;
  }
}

TEST(ReadTextFile, MissingFileFailsAndLeavesTheOutputs) {
  TempFolder folder;
  std::string text = "old";
  std::string lineEnd = "\n";
  EXPECT_FALSE(ReadTextFile(folder.file("absent.asm"), text, lineEnd));
  EXPECT_FALSE(ReadTextFile(folder.path(), text, lineEnd));
  EXPECT_EQ(text, "old");
  EXPECT_EQ(lineEnd, "\n");
}

TEST(FoldTo7Bit, ReplacesEachCharacterOfTheTable) {
  struct Row {
    char32_t character;
    const char* replacement;
  };
  const Row rows[] = {
      {160, " "},   {8194, " "},  {8195, " "},   {8201, " "},   {169, "(c)"},  {174, "(r)"}, {183, "-"},
      {8211, "-"},  {8212, "-"},  {8226, "-"},   {8227, "-"},   {8259, "-"},   {8722, "-"},  {188, "1/4"},
      {189, "1/2"}, {190, "3/4"}, {8216, "'"},   {8217, "'"},   {8220, "\""},  {8221, "\""}, {8230, "..."},
      {8260, "/"},  {8725, "/"},  {128, "?"},    {233, "?"},    {8364, "?"},   {0x1F600, "?"},
      {'\t', "\t"}, {'\r', "\r"}, {'\n', "\n"},  {'~', "~"},    {127, "\x7F"},
  };
  for (const Row& row : rows) EXPECT_EQ(foldTo7Bit(std::u32string(1, row.character)), row.replacement) << static_cast<std::uint32_t>(row.character);
  EXPECT_EQ(foldTo7Bit(std::u32string(U"\0a", 2)), std::string("\0a", 2));
}

class SaveTextFileTest : public testing::Test {
 protected:
  TempFolder folder;
  BackupOptions noQuestions;

  std::string read(const std::string& path) { return test::readFile(path); }

  // Anything left beside the saved file apart from the names given.
  std::vector<std::string> strayFiles(const std::string& dir, std::initializer_list<std::string> expected) {
    std::vector<std::string> stray;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
      std::string name = entry.path().filename().string();
      if (std::find(expected.begin(), expected.end(), name) == expected.end()) stray.push_back(name);
    }
    return stray;
  }
};

TEST_F(SaveTextFileTest, WritesEachLineEndInTheGivenStyle) {
  std::string path = folder.file("song.asm");
  ASSERT_TRUE(SaveTextFile(path, "a\nb\r\nc", "\r\n", noQuestions));
  EXPECT_EQ(read(path), "a\r\nb\r\nc");
  ASSERT_TRUE(SaveTextFile(path, "a\r\nb\nc\n", "\n", noQuestions));
  EXPECT_EQ(read(path), savedLf("a\nb\nc\n"));
  ASSERT_TRUE(SaveTextFile(path, "", "\n", noQuestions));
  EXPECT_EQ(read(path), "");
}

TEST_F(SaveTextFileTest, FoldsEightBitTextToSevenBit) {
  std::string path = folder.file("song.asm");
  ASSERT_TRUE(SaveTextFile(path, "caf\xE9 \x93q\x94 \x85 \x96 \xA0|\x81", "\n", noQuestions));
  EXPECT_EQ(read(path), "caf? \"q\" ... -  |?");
}

TEST_F(SaveTextFileTest, ReadThenSavedKeepsStyleAndExpandedTabs) {
  std::string utf8 = folder.write("utf8.asm", "\xEF\xBB\xBF" "caf\xC3\xA9\r\n");
  std::string lf = folder.write("lf.asm", "x\ty\nz\n");
  for (const std::string& path : {utf8, lf}) {
    std::string text;
    std::string lineEnd;
    ASSERT_TRUE(ReadTextFile(path, text, lineEnd));
    ASSERT_TRUE(SaveTextFile(path, text, lineEnd, noQuestions));
  }
  EXPECT_EQ(read(utf8), "caf?\r\n");
  EXPECT_EQ(read(lf), savedLf("x       y\nz\n"));
}

TEST_F(SaveTextFileTest, NewFileGetsNoBackupAndNothingStrayIsLeft) {
  std::string path = folder.file("song.asm");
  ASSERT_TRUE(SaveTextFile(path, "a\n", "\r\n", noQuestions));
  EXPECT_EQ(strayFiles(folder.path(), {"song.asm"}), std::vector<std::string>{});
}

TEST_F(SaveTextFileTest, EmptyPathFails) { EXPECT_FALSE(SaveTextFile("", "a", "\n", noQuestions)); }

TEST_F(SaveTextFileTest, TargetInAMissingFolderFails) {
  EXPECT_FALSE(SaveTextFile(folder.file("absent/song.asm"), "a", "\n", noQuestions));
  EXPECT_FALSE(test::exists(folder.file("absent")));
}

TEST_F(SaveTextFileTest, TargetThatIsAFolderFailsAndStaysAsItWas) {
  std::string inside = folder.write("song.asm/keep.txt", "kept");
  EXPECT_FALSE(SaveTextFile(folder.file("song.asm"), "a", "\n", noQuestions));
  EXPECT_EQ(read(inside), "kept");
  EXPECT_EQ(strayFiles(folder.path(), {"song.asm", "backups"}), std::vector<std::string>{});
}

TEST(ChooseSaveMethod, ReplacesOrdinaryFilesAndWritesSharedOrLockedInFolderFilesInPlace) {
  struct Case {
    SaveTargetFacts target;
    SaveMethod method;
  };
  for (const Case& c : {
           Case{{true, true, true, 1}, SaveMethod::ReplaceAtomically},
           Case{{false, false, true, 0}, SaveMethod::ReplaceAtomically},
           Case{{true, true, true, 2}, SaveMethod::WriteInPlace},
           Case{{true, true, false, 1}, SaveMethod::WriteInPlace},
           Case{{true, false, true, 1}, SaveMethod::Refuse},
           Case{{true, false, false, 2}, SaveMethod::Refuse},
           Case{{false, false, false, 0}, SaveMethod::Refuse},
       }) {
    EXPECT_EQ(ChooseSaveMethod(c.target), c.method)
        << c.target.exists << c.target.writable << c.target.folderWritable << c.target.linkCount;
  }
}

TEST_F(SaveTextFileTest, ReadOnlyFolderWritesTheFileInPlace) {
  std::string path = folder.write("locked/song.asm", "old\r\n");
  std::string locked = folder.file("locked");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  bool binds = ::access(locked.c_str(), W_OK) != 0;
  bool saved = SaveTextFile(path, "new\n", "\n", noQuestions);
  fs::permissions(locked, fs::perms::owner_all);
  if (!binds) GTEST_SKIP() << "permissions do not bind this user";
  EXPECT_TRUE(saved);
  EXPECT_EQ(read(path), savedLf("new\n"));
  EXPECT_EQ(strayFiles(locked, {"song.asm"}), std::vector<std::string>{});
}

TEST_F(SaveTextFileTest, ReadOnlyFileIsRefusedWithoutABackup) {
#ifndef _WIN32
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind this user";
#endif
  std::string path = folder.write("song.asm", "old\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(SaveTextFile(path, "new\n", "\n", noQuestions));
  EXPECT_EQ(read(path), "old\n");
  EXPECT_FALSE(test::exists(folder.file("backups/song_bak1.asm")));
}

TEST_F(SaveTextFileTest, HardLinkedFileIsWrittenInPlaceSoTheLinksKeepSharingIt) {
  std::string path = folder.write("song.asm", "old\n");
  std::string twin = folder.file("twin.asm");
  fs::create_hard_link(path, twin);
  ASSERT_TRUE(SaveTextFile(path, "new\n", "\n", noQuestions));
  EXPECT_EQ(read(twin), savedLf("new\n"));
#ifndef _WIN32
  // The Windows C library counts no links.
  EXPECT_EQ(fs::hard_link_count(path), 2u);
#endif
}

#ifndef _WIN32
// File size limits and links that any user may make are POSIX's.

TEST_F(SaveTextFileTest, FailedWriteLeavesTheOldFileNoTemporaryAndNoPartialBackup) {
  std::string old(8 * 1024, 'o');
  std::string path = folder.write("song.asm", old);
  bool saved = true;
  {
    test::FileSizeLimit limit(4096);
    saved = SaveTextFile(path, std::string(64 * 1024, 'x'), "\n", noQuestions);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(read(path), old);
  EXPECT_EQ(strayFiles(folder.path(), {"song.asm", "backups"}), std::vector<std::string>{});
  EXPECT_EQ(strayFiles(folder.file("backups"), {}), std::vector<std::string>{});
}

TEST_F(SaveTextFileTest, KeepsPermissionsAndWritesThroughALink) {
  std::string real = folder.write("shared/song.asm", "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::string link = folder.file("song.asm");
  fs::create_symlink(real, link);
  ASSERT_TRUE(SaveTextFile(link, "new\n", "\n", noQuestions));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(read(real), "new\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

}  // namespace
}  // namespace qv
