// Hostile paths, sources and output places through the real program: each
// run ends with its documented exit code, log and files.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.h"
#ifndef _WIN32
#include "support/file_size_limit.h"
#endif
#include "support/test_support.h"

namespace qv {
namespace {

using test::exists;
using test::kTinySource;
using test::readFile;
using test::runQuaverton;
using test::TempFolder;


bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(BadInputProcess, EmptyAndBinarySourcesCompile) {
  for (const std::string& bytes : {std::string(), std::string("\0\xFF\x01\r\n\x80\x7F PLAY\0\n", 12)}) {
    TempFolder folder;
    std::string source = folder.write("song.asm", bytes);
    EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 0);
    EXPECT_TRUE(exists(folder.file("song_Z.HEX")));
    EXPECT_TRUE(contains(readFile(folder.file("song_Z.HARNESS_LOG")), "\r\nCompile complete\r\n"));
  }
}

// Windows names are Unicode: there the bytes must be UTF-8.
#ifdef _WIN32
const std::string kNonAsciiBytes = "s\xC3\xB6ng/\xC3\xBF t\xC3\xA9.asm";
#else
const std::string kNonAsciiBytes = "s\xC3\xB6ng/\xFF t\xE9.asm";
#endif

TEST(BadInputProcess, SourcePathsWithBlanksAndNonAsciiBytesCompileBesideThemselves) {
  for (const std::string& relative : {std::string("a folder/my song.asm"), kNonAsciiBytes}) {
    TempFolder folder;
    std::string source = folder.write(relative, kTinySource);
    std::string base = source.substr(0, source.size() - 4);
    EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 0) << relative;
    for (const char* extension : {"_Z.HEX", "_Z.MAP", "_Z.LST", "_Z.SYM"}) {
      EXPECT_TRUE(exists(base + extension)) << relative << extension;
    }
    EXPECT_TRUE(contains(readFile(base + "_Z.HARNESS_LOG"), "\r\nSource: " + source + "\r\n")) << relative;
  }
}

// A bare "-song.asm" is an unrecognised option; with a folder part it is a source.
TEST(BadInputProcess, LeadingDashSourceNeedsAFolderPart) {
  TempFolder folder;
  folder.write("-song.asm", kTinySource);
  EXPECT_EQ(runQuaverton({"--harness", "-song.asm"}, folder.path()).exitCode, 1);
  EXPECT_FALSE(exists(folder.file("-song_Z.HEX")));
  EXPECT_FALSE(exists(folder.file("-song_Z.HARNESS_LOG")));

  EXPECT_EQ(runQuaverton({"--harness", "./-song.asm"}, folder.path()).exitCode, 0);
  EXPECT_TRUE(exists(folder.file("-song_Z.HEX")));
  EXPECT_TRUE(exists(folder.file("-song_Z.SYM")));
  EXPECT_TRUE(contains(readFile(folder.file("-song_Z.HARNESS_LOG")), "LogPath: ./-song_Z.HARNESS_LOG\r\n"));
}

TEST(BadInputProcess, OutputFolderUnderARegularFileFailsEveryOutput) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  std::string blocker = folder.write("blocker", "");
  EXPECT_EQ(runQuaverton({"--harness", source, "--out-dir", blocker + "/out"}).exitCode, 3);
  std::string base = blocker + "/out" + kPathSeparator + "song_Z";
  EXPECT_EQ(readFile(folder.file("song_Z.HARNESS_LOG")),
            "LogPath: " + folder.file("song_Z.HARNESS_LOG") + "\r\nCompile failed\r\nSource: " + source +
                "\r\nSuffix: _Z\r\n"
                "Unable to open output HEX file: " + base + ".HEX\r\n"
                "Unable to open map output file: " + base + ".MAP\r\n"
                "Unable to open list output file: " + base + ".LST\r\n"
                "Unable to open symbol output file: " + base + ".SYM\r\n");
  EXPECT_EQ(readFile(blocker), "");
  EXPECT_FALSE(exists(folder.file("song_Z.HEX")));
}

// Tests run as root, where a read-only mode does not stop writing: a folder
// in the output's place is what makes the open fail.
TEST(BadInputProcess, OutputPathTakenByAFolderFailsThatOutputOnly) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {".HEX", "Unable to open output HEX file: "},
      {".LST", "Unable to open list output file: "},
      {".SYM", "Unable to open symbol output file: "}};
  for (const auto& [blocked, message] : cases) {
    TempFolder folder;
    std::string source = folder.write("song.asm", kTinySource);
    folder.write("song_Z" + blocked + "/keep", "");
    EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 3) << blocked;
    std::string log = readFile(folder.file("song_Z.HARNESS_LOG"));
    EXPECT_TRUE(contains(log, "\r\nCompile failed\r\n")) << blocked;
    EXPECT_TRUE(contains(log, message + folder.file("song_Z" + blocked) + "\r\n")) << blocked;
    for (const char* extension : {".HEX", ".MAP", ".LST", ".SYM"}) {
      if (extension == blocked) continue;
      EXPECT_TRUE(exists(folder.file(std::string("song_Z") + extension))) << blocked;
    }
    EXPECT_EQ(readFile(folder.file("song_Z" + blocked + "/keep")), "");
  }
}

#ifndef _WIN32
// A full disk, made by a limit on the size of the files written: the symbol
// file does not fit and keeps its previous bytes; the small ones are written.
TEST(BadInputProcess, AnOutputThatDoesNotFitKeepsThePreviousFileAndFailsWithThree) {
  TempFolder folder;
  std::string text;
  for (int n = 1; n <= 120; ++n) text += "CONSTANT_" + std::to_string(n) + " EQU " + std::to_string(n) + "\n";
  std::string source = folder.write("song.asm", text + kTinySource);
  std::string symbols = folder.write("song_Z.SYM", "previous");
  test::ProcessResult run;
  {
    test::FileSizeLimit limit(4096);
    run = runQuaverton({"--harness", source});
  }
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(readFile(symbols), "previous");
  std::string failure = "Unable to write " + symbols + ": file too large";
  EXPECT_TRUE(contains(readFile(folder.file("song_Z.HARNESS_LOG")), "\r\nCompile failed\r\n"));
  EXPECT_TRUE(contains(readFile(folder.file("song_Z.HARNESS_LOG")), "\r\n" + failure + "\r\n"));
  EXPECT_TRUE(contains(run.standardError, failure));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"song.asm", "song_Z.HARNESS_LOG", "song_Z.HEX", "song_Z.LST",
                                             "song_Z.MAP", "song_Z.SYM"}));
}

// Folders and pipes are no sources, and never waited on: a folder is not
// compiled at all, a pipe is reported as not found.
TEST(BadInputProcess, SourceOrIncludeThatIsNoRegularFileFails) {
  TempFolder folder;
  folder.write("folder.asm/inner", "");
  test::ProcessResult run = runQuaverton({"--harness", folder.file("folder.asm")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.standardError, "quaverton: cannot read " + folder.file("folder.asm") + ": is a folder\n");
  EXPECT_FALSE(exists(folder.file("folder_Z.HARNESS_LOG")));
  EXPECT_FALSE(exists(folder.file("folder_Z.HEX")));
  ASSERT_EQ(::mkfifo(folder.file("pipe.asm").c_str(), 0600), 0);
  EXPECT_EQ(runQuaverton({"--harness", folder.file("pipe.asm")}).exitCode, 3);
  EXPECT_TRUE(contains(readFile(folder.file("pipe_Z.HARNESS_LOG")),
                       "\r\nERROR: Include not found: " + folder.file("pipe.asm") + "\r\n"));

  std::string source = folder.write("song.asm", "INCLUDE \"/dev/zero\"\nINCLUDE \"pipe.asm\"\n");
  EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 3);
  std::string log = readFile(folder.file("song_Z.HARNESS_LOG"));
  EXPECT_TRUE(contains(log, "\r\nERROR: " + source + ":1 include /dev/zero resolved to /dev/zero but was not found. \r\n"));
  EXPECT_TRUE(contains(log, "\r\nERROR: " + source + ":2 include pipe.asm resolved to " + folder.file("pipe.asm") +
                                " but was not found. \r\n"));
  EXPECT_FALSE(exists(folder.file("song_Z.HEX")));
}
#endif

}  // namespace
}  // namespace qv
