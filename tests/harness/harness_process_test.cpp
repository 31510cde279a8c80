// Runs the real program headless and checks exit codes, files and log bytes.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace qv {
namespace {

using test::exists;
using test::kTinySource;
using test::readFile;
using test::runQuaverton;
using test::TempFolder;

TEST(HarnessProcess, UsageErrorsExitWithOneAndWriteNothing) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--harness"}, {"-h"}, {"--help"}, {"--harness", source, "extra"},
                                              {"--harness", "--nope", source}}) {
    test::ProcessResult run = runQuaverton(arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.standardError.find("Usage: quaverton --harness"), std::string::npos);
  }
  EXPECT_FALSE(exists(folder.file("song_Z.HARNESS_LOG")));
  EXPECT_FALSE(exists(folder.file("song_Z.HEX")));
}

TEST(HarnessProcess, MissingSourceExitsWithTwoAndNoLog) {
  TempFolder folder;
  EXPECT_EQ(runQuaverton({"--harness", folder.file("absent.asm")}).exitCode, 2);
  EXPECT_FALSE(exists(folder.file("absent_Z.HARNESS_LOG")));
}

TEST(HarnessProcess, CompileWritesOutputsAndTheLog) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  test::ProcessResult run = runQuaverton({"--harness", source});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.standardError.empty());
  for (const char* extension : {".HEX", ".MAP", ".LST", ".SYM"}) {
    EXPECT_TRUE(exists(folder.file(std::string("song_Z") + extension))) << extension;
  }
  std::string logPath = folder.file("song_Z.HARNESS_LOG");
  EXPECT_EQ(readFile(logPath),
            "LogPath: " + logPath + "\r\nCompile complete\r\nSource: " + source + "\r\nSuffix: _Z\r\n");
}

TEST(HarnessProcess, NoWriteCompilesWithoutOutputs) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  EXPECT_EQ(runQuaverton({"--harness", source, "--no-write"}).exitCode, 0);
  EXPECT_FALSE(exists(folder.file("song_Z.HEX")));
  EXPECT_TRUE(exists(folder.file("song_Z.HARNESS_LOG")));
}

TEST(HarnessProcess, EmptySuffixNamesOutputsYButTheLogKeepsItEmpty) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  EXPECT_EQ(runQuaverton({"--harness", "--suffix", "", source}).exitCode, 0);
  EXPECT_TRUE(exists(folder.file("song_Y.HEX")));
  std::string log = readFile(folder.file("song.HARNESS_LOG"));
  EXPECT_NE(log.find("\r\nSuffix: \r\n"), std::string::npos);
}

TEST(HarnessProcess, OutDirWithBackslashesWritesThere) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  EXPECT_EQ(runQuaverton({"--harness", source, "--out-dir", "out\\win", "--suffix", "_A"}, folder.path()).exitCode,
            0);
  EXPECT_TRUE(exists(folder.file("out/win/song_A.HEX")));
  EXPECT_TRUE(exists(folder.file("song_A.HARNESS_LOG")));
}

TEST(HarnessProcess, FolderWithDotKeepsItsName) {
  TempFolder folder;
  std::string source = folder.write("w1.2/song", kTinySource);
  EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 0);
  EXPECT_TRUE(exists(folder.file("w1.2/song_Z.HEX")));
  EXPECT_TRUE(exists(folder.file("w1.2/song_Z.HARNESS_LOG")));
}

TEST(HarnessProcess, UnwritableOutputFailsWithThree) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kTinySource);
  // A folder where the map file should go cannot be opened as a file.
  folder.write("song_Z.MAP/blocker", "");
  EXPECT_EQ(runQuaverton({"--harness", source}).exitCode, 3);
  std::string log = readFile(folder.file("song_Z.HARNESS_LOG"));
  EXPECT_NE(log.find("Compile failed\r\n"), std::string::npos);
  EXPECT_NE(log.find("Unable to open map output file: " + folder.file("song_Z.MAP") + "\r\n"), std::string::npos);
  EXPECT_TRUE(exists(folder.file("song_Z.HEX")));
  EXPECT_TRUE(exists(folder.file("song_Z.LST")));
  EXPECT_TRUE(exists(folder.file("song_Z.SYM")));
}

#ifdef _WIN32
// A folder named outside the ANSI code page: the name crosses the command
// line and every file call as UTF-16 and reaches the log as UTF-8.
TEST(HarnessProcess, NonAsciiFolderName) {
  TempFolder folder;
  const std::string project = "Gr\xC3\xBC\xC3\x9F" "e \xCE\xA9\xE2\x99\xAA";  // "Grüße Ω♪"
  std::string source = folder.write(project + "\\song.asm", "        INCLUDE defs.inc\n" + std::string(kTinySource));
  folder.write(project + "\\defs.inc", "; nothing\n");
  test::ProcessResult run = runQuaverton({"--harness", source});
  EXPECT_EQ(run.exitCode, 0) << run.standardError;
  for (const char* extension : {".HEX", ".MAP", ".LST", ".SYM"}) {
    EXPECT_TRUE(exists(folder.file(project + "\\song_Z" + extension))) << extension;
  }
  std::string logPath = folder.file(project + "\\song_Z.HARNESS_LOG");
  EXPECT_EQ(readFile(logPath),
            "LogPath: " + logPath + "\r\nCompile complete\r\nSource: " + source + "\r\nSuffix: _Z\r\n");
}
#endif

}  // namespace
}  // namespace qv
