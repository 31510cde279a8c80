// What the headless program prints: diagnostics as FILE:LINE: lines on
// standard error, the version, and the reasons it did not compile.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <gtest/gtest.h>

#include <cstdio>

#include "support/test_support.h"

namespace qv {
namespace {

using test::exists;
using test::readFile;
using test::runQuaverton;
using test::TempFolder;

const char kMistakes[] = "X EQU 1\n  SKEME_START 40\nLBL: FROB 1\n";

TEST(ConsoleProcess, WarningsAndErrorsAreLinesAtTheirPlacesButNotesAreNot) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kMistakes);
  test::ProcessResult run = runQuaverton({"--harness", source});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.standardError, source + ":2: warning: SKEME_START number 40 is outside 0..31 (stored as 8)\n" +
                                   source + ":3: warning: Unrecognized command: FROB\n");

  std::string broken = folder.write("broken.asm", "  INCLUDE nothing.inc\n");
  run = runQuaverton({"--harness", broken});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.standardError, broken + ":1: error: include nothing.inc resolved to " + folder.file("nothing.inc") +
                                   " but was not found.\n");
}

TEST(ConsoleProcess, QuietPrintsNothingAndWerrorFailsAfterWriting) {
  TempFolder folder;
  std::string source = folder.write("song.asm", kMistakes);
  test::ProcessResult quiet = runQuaverton({"--harness", "--quiet", source});
  EXPECT_EQ(quiet.exitCode, 0);
  EXPECT_EQ(quiet.standardError, "");
  EXPECT_NE(readFile(folder.file("song_Z.HARNESS_LOG")).find("Unrecognized command: FROB\r\n"), std::string::npos);

  EXPECT_EQ(runQuaverton({"--harness", "--werror", source, "--suffix", "_W"}).exitCode, 3);
  EXPECT_NE(readFile(folder.file("song_W.HARNESS_LOG")).find("\r\nCompile failed\r\n"), std::string::npos);
  EXPECT_TRUE(exists(folder.file("song_W.HEX")));

  std::string clean = folder.write("clean.asm", "  SKEME_START 1\n  END_SOUND\n");
  EXPECT_EQ(runQuaverton({"--harness", "--werror", clean}).exitCode, 0);
}

TEST(ConsoleProcess, VersionUnknownOptionAndUnreadableSource) {
#ifndef _WIN32
  // Read through a POSIX pipe: the Windows build leaves the version out.
  std::FILE* pipe = ::popen((std::string(QUAVERTON_EXE) + " --version").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string printed;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) printed += static_cast<char>(c);
  EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), 0);
  EXPECT_EQ(printed, "quaverton 1.2a (30 September 2026)\n");
#endif

  test::ProcessResult bogus = runQuaverton({"--harness", "--bogus", "song.asm"});
  EXPECT_EQ(bogus.exitCode, 1);
  EXPECT_TRUE(bogus.standardError.starts_with("quaverton: unknown option --bogus\nUsage: quaverton --harness"));

  TempFolder folder;
  test::ProcessResult absent = runQuaverton({"--harness", folder.file("absent.asm")});
  EXPECT_EQ(absent.exitCode, 2);
  EXPECT_EQ(absent.standardError, "quaverton: cannot read " + folder.file("absent.asm") + "\n");
}

// The log writes each message as a C string: a NUL from the source ends it.
TEST(ConsoleProcess, MessageEndsAtANulByte) {
  TempFolder folder;
  std::string source = folder.write("song.asm", std::string("  FOO\0BAR 1\n", 12));
  test::ProcessResult run = runQuaverton({"--harness", source});
  EXPECT_EQ(run.standardError, source + ":1: warning: Unrecognized command: FOO\n");
  std::string log = readFile(folder.file("song_Z.HARNESS_LOG"));
  EXPECT_TRUE(log.ends_with("\r\nUnrecognized command: FOO\r\n")) << log;
}

}  // namespace
}  // namespace qv
