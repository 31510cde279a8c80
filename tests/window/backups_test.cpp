#include "window/backups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"
#include "window/text_file.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// The folder is written in the system's own spelling.
TEST(BackupsFolderFor, UsesTheFileFolderOrTheFallbackForBareNames) {
  EXPECT_EQ(BackupsFolderFor("/p/song.asm", "/data/backups/"), toNativePath("/p/backups/"));
  EXPECT_EQ(BackupsFolderFor("p\\sub\\song.asm", "/data/backups/"), toNativePath("p/sub/backups/"));
  EXPECT_EQ(BackupsFolderFor("C:\\p\\song.asm", ""), toNativePath("C:/p/backups/"));
  EXPECT_EQ(BackupsFolderFor("song.asm", "/data/backups/"), "/data/backups/");
  EXPECT_EQ(BackupsFolderFor("/song.asm", "/data/backups/"), "/data/backups/");
  EXPECT_EQ(BackupsFolderFor("song.asm", ""), "");
}

TEST(EnsureFolder, CreatesOneLevelAndAcceptsAnExistingFolderOnly) {
  TempFolder folder;
  EXPECT_TRUE(EnsureFolder(folder.file("backups/")));
  EXPECT_TRUE(fs::is_directory(folder.file("backups")));
  EXPECT_TRUE(EnsureFolder(folder.file("backups")));
  EXPECT_FALSE(EnsureFolder(folder.file("a/b")));
  EXPECT_FALSE(EnsureFolder(folder.write("plain", "x")));
  EXPECT_FALSE(EnsureFolder(""));
}

class BackupTest : public testing::Test {
 protected:
  TempFolder folder;
  int questions = 0;
  bool answer = false;
  BackupOptions options{"", [this] {
                          ++questions;
                          return answer;
                        }};

  std::string backup(const std::string& name) { return folder.file("backups/" + name); }

  std::vector<int> backupNumbers(const std::string& fileName, bool ignoreCase = false) {
    std::vector<int> numbers;
    std::optional<std::vector<BackupFile>> files = ListBackups(folder.file("backups"), fileName, ignoreCase);
    for (const BackupFile& file : files.value()) numbers.push_back(file.number);
    return numbers;
  }
};

TEST_F(BackupTest, EachSaveKeepsThePreviousVersionUnderTheNextNumber) {
  std::string path = folder.write("song.asm", "first");
  ASSERT_TRUE(SaveTextFile(path, "second", "\r\n", options));
  EXPECT_EQ(test::readFile(backup("song_bak1.asm")), "first");
  ASSERT_TRUE(SaveTextFile(path, "third", "\r\n", options));
  EXPECT_EQ(test::readFile(backup("song_bak2.asm")), "second");
  EXPECT_EQ(test::readFile(path), "third");
  EXPECT_EQ(questions, 0);
}

TEST_F(BackupTest, NameWithoutExtensionGetsBackupsWithout) {
  std::string path = folder.write("README", "v1");
  ASSERT_TRUE(BackupBeforeSave(path, options));
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_TRUE(test::exists(backup("README_bak1")));
  EXPECT_TRUE(test::exists(backup("README_bak2")));
}

TEST_F(BackupTest, NumberComesFromLeadingDigitsOfMatchingNamesOnly) {
  std::string path = folder.write("song.asm", "v");
  folder.write("backups/song_bak12x.asm", "");
  folder.write("backups/SONG_BAK5.ASM", "");
  folder.write("backups/song_bak.asm", "");
  folder.write("backups/song_bakx3.asm", "");
  folder.write("backups/song_bak90.txt", "");
  folder.write("backups/songs_bak91.asm", "");
  folder.write("backups/song_bak92.asm/inside", "");
  EXPECT_EQ(backupNumbers("song.asm", true), (std::vector<int>{5, 12}));
  // Where the file system tells the cases apart, SONG.ASM is another file.
  EXPECT_EQ(backupNumbers("song.asm", false), (std::vector<int>{12}));
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_TRUE(test::exists(backup("song_bak13.asm")));
}

#ifndef _WIN32
// Case-sensitive file systems only.
TEST_F(BackupTest, NamesDifferingInCaseKeepTheirOwnBackupsHere) {
  folder.write("SONG.ASM", "upper");
  std::string lower = folder.write("song.asm", "lower");
  for (int n = 1; n <= 26; ++n) folder.write("backups/SONG_bak" + std::to_string(n) + ".ASM", "");
  answer = true;
  ASSERT_TRUE(BackupBeforeSave(lower, options));
  EXPECT_EQ(questions, 0);
  EXPECT_EQ(test::readFile(backup("song_bak1.asm")), "lower");
  EXPECT_EQ(backupNumbers("SONG.ASM").size(), 26u);
}
#endif

TEST_F(BackupTest, WhatInterruptedCopiesOfTheFileLeftGoesAtItsNextBackup) {
  std::string path = folder.write("song.asm", "v");
  for (const char* name : {".song_bak1.asm.saving-0", ".song.asm.saving-3", ".other_bak1.asm.saving-0"}) {
    folder.write(std::string("backups/") + name, "part");
  }
  ASSERT_TRUE(BackupBeforeSave(path, options));
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.file("backups"))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".other_bak1.asm.saving-0", "song_bak1.asm"}));
}

TEST_F(BackupTest, NumbersTooLargeToCountAreNoBackups) {
  std::string path = folder.write("song.asm", "v");
  folder.write("backups/song_bak99999999999.asm", "");
  folder.write("backups/song_bak" + std::to_string(std::numeric_limits<int>::max()) + ".asm", "");
  EXPECT_TRUE(BackupBeforeSave(path, options));
  EXPECT_TRUE(BackupBeforeSave(path, options));
  EXPECT_EQ(backupNumbers("song.asm"), (std::vector<int>{1, 2}));
}

#ifndef _WIN32
// POSIX permission bits; Windows copies carry the attributes with them.
TEST_F(BackupTest, ABackupKeepsThePermissionBitsOfTheOriginal) {
  std::string path = folder.write("song.asm", "private");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_EQ(fs::status(backup("song_bak1.asm")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST_F(BackupTest, ListingAMissingFolderIsEmpty) {
  EXPECT_EQ(ListBackups(folder.file("nowhere"), "song.asm", false).value().size(), 0u);
}

TEST_F(BackupTest, MoreThanTwentyFiveAsksAndYesDeletesTheOldest) {
  std::string path = folder.write("song.asm", "v");
  for (int n = 1; n <= 26; ++n) folder.write("backups/song_bak" + std::to_string(n) + ".asm", "");
  answer = true;
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_EQ(questions, 1);
  std::vector<int> expected;
  for (int n = 3; n <= 27; ++n) expected.push_back(n);
  EXPECT_EQ(backupNumbers("song.asm"), expected);
  EXPECT_EQ(kClearBackupsQuestion, "Clear earlier backup file entries to 25 max?");
}

TEST_F(BackupTest, NoKeepsEveryBackupAndAsksAgainNextTime) {
  std::string path = folder.write("song.asm", "v");
  for (int n = 1; n <= 26; ++n) folder.write("backups/song_bak" + std::to_string(n) + ".asm", "");
  ASSERT_TRUE(BackupBeforeSave(path, options));
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(backupNumbers("song.asm").size(), 28u);
}

TEST_F(BackupTest, TwentyFiveIsNotAskedAbout) {
  std::string path = folder.write("song.asm", "v");
  for (int n = 1; n <= 24; ++n) folder.write("backups/song_bak" + std::to_string(n) + ".asm", "");
  ASSERT_TRUE(BackupBeforeSave(path, options));
  EXPECT_EQ(questions, 0);
}

TEST_F(BackupTest, BlockedBackupsFolderDoesNotStopTheSave) {
  std::string path = folder.write("song.asm", "old");
  folder.write("backups", "a file in the way");
  EXPECT_FALSE(BackupBeforeSave(path, options));
  EXPECT_TRUE(SaveTextFile(path, "new", "\n", options));
  EXPECT_EQ(test::readFile(path), "new");
}

// Bare file names are relative to the current folder.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& path) : saved_(fs::current_path()) { fs::current_path(path); }
  ~CurrentFolder() { fs::current_path(saved_); }

 private:
  fs::path saved_;
};

TEST_F(BackupTest, BareNameUsesTheFallbackFolder) {
  folder.write("song.asm", "old");
  CurrentFolder here(folder.path());
  options.fallbackFolder = folder.file("data/");
  ASSERT_TRUE(BackupBeforeSave("song.asm", options));
  EXPECT_EQ(test::readFile(folder.file("data/song_bak1.asm")), "old");
  options.fallbackFolder.clear();
  EXPECT_FALSE(BackupBeforeSave("song.asm", options));
}

TEST_F(BackupTest, MissingFileNeedsNoBackup) {
  EXPECT_TRUE(BackupBeforeSave(folder.file("absent.asm"), options));
  EXPECT_FALSE(test::exists(folder.file("backups")));
  EXPECT_FALSE(BackupBeforeSave("", options));
}

}  // namespace
}  // namespace qv
