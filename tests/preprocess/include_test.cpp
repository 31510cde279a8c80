// Includes: resolution order, carried copies, cycles, messages, depth.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "preprocess_fixture.h"
#include "support/environment_variable.h"

namespace qv {
namespace {

using test::codesOf;
using test::PreprocessProject;
using test::ProjectFolderVariable;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Include, LinesOfTheIncludedFileTakeThePlaceOfTheIncludeLine) {
  PreprocessProject project;
  std::string inc = project.write("lib/a.inc", "IN_A\n");
  project.write("song.asm", "FIRST\n  INCLUDE lib/a.inc ; the library\nLAST\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("FIRST", "IN_A", "LAST"));
  EXPECT_EQ(result.lines[1].file, inc);
  EXPECT_EQ(result.lines[1].lineNumber, 1);
  EXPECT_EQ(result.lines[2].lineNumber, 3);
  EXPECT_THAT(result.notes.texts(), IsEmpty());
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

#ifdef _WIN32
// The file system ignores letter case: the include is found as spelled.
TEST(Include, NameInAnotherLetterCaseIsFoundByTheFileSystem) {
  PreprocessProject project;
  project.write("Lib/Defs.INC", "IN_DEFS\n");
  project.write("song.asm", "INCLUDE lib\\defs.inc\n");
  PreprocessResult result = project.run("song.asm");
  ASSERT_THAT(codesOf(result), ElementsAre("IN_DEFS"));
  EXPECT_EQ(result.lines[0].file, project.path("lib\\defs.inc"));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}
#endif

TEST(Include, QuoteVariantsAndDirectiveSpellingsAllWork) {
  PreprocessProject project;
  project.write("a.inc", "IN_A\n");
  project.write("song.asm",
                "INCLUDE \"a.inc\"\nINCLUDE 'a.inc'\nINCLUDE a.inc\n#INCLUDE a.inc\ninclude a.inc\n#include \"a.inc\"\n"
                "INCLUDEX a.inc\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_EQ(codesOf(result), std::vector<std::string>(7, "IN_A"));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Include, NestedIncludesResolveBesideTheIncludingFile) {
  PreprocessProject project;
  std::string inner = project.write("lib/deep/inner.inc", "INNER\n");
  project.write("lib/outer.inc", "INCLUDE deep/inner.inc\n");
  project.write("song.asm", "INCLUDE lib/outer.inc\n");
  PreprocessResult result = project.run("song.asm");
  ASSERT_THAT(codesOf(result), ElementsAre("INNER"));
  EXPECT_EQ(result.lines[0].file, inner);
}

TEST(Include, AbsolutePathsAreUsedAsWritten) {
  PreprocessProject project;
  test::TempFolder elsewhere;
  std::string inc = elsewhere.write("x.inc", "FAR\n");
  project.write("song.asm", "INCLUDE " + inc + "\n");
  PreprocessResult result = project.run("song.asm");
  ASSERT_THAT(codesOf(result), ElementsAre("FAR"));
  EXPECT_EQ(result.lines[0].file, inc);
}

TEST(Include, FolderThatDoesNotExistFallsBackToTheFileBesideTheIncludingFile) {
  PreprocessProject project;
  std::string beside = project.write("QVX5_SND_CMD.INC", "ON_DISK EQU 9\n");
  project.write("song.asm",
                "INCLUDE \"C:\\Program Files\\Tools\\QVX5_SND_CMD.INC\"\nINCLUDE nowhere/QVX5_SND_CMD.INC\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("ON_DISK EQU 9", "ON_DISK EQU 9"));
  EXPECT_EQ(result.lines[0].file, beside);
  EXPECT_THAT(result.errors.texts(), IsEmpty());
  EXPECT_THAT(project.asked, IsEmpty());
}

#ifndef _WIN32
// Projects written where the file system ignores letter case. Each file on
// disk holds its own name as its only line, so the lines show which was read.
// (On Windows the file system ignores case itself:
// NameInAnotherLetterCaseIsFoundByTheFileSystem.)
TEST(Include, NamesThatDifferOnlyInLetterCaseFindTheFileOnDisk) {
  struct Case {
    std::vector<std::string> files;
    std::string argument;
    std::string read;
    std::string message;  // "@" stands for the project folder
  };
  const std::vector<Case> cases = {
      {{"waves.inc"}, "\"WAVES.INC\"", "waves.inc", "Using @/waves.inc for @/WAVES.INC (letter case differs)"},
      {{"lib/Waves.inc"}, "LIB\\waves.INC", "lib/Waves.inc",
       "Using @/lib/Waves.inc for @/LIB/waves.INC (letter case differs)"},
      {{"qvx5_snd_cmd.inc"}, "QVX5_SND_CMD.INC", "qvx5_snd_cmd.inc",
       "Using @/qvx5_snd_cmd.inc for @/QVX5_SND_CMD.INC (letter case differs)"},
      {{"qvx5_snd_cmd.inc"}, "nowhere/QVX5_SND_CMD.INC", "qvx5_snd_cmd.inc",
       "Using @/qvx5_snd_cmd.inc for @/QVX5_SND_CMD.INC (letter case differs)"},
      {{"Dup.inc", "DUP.inc"}, "dup.inc", "DUP.inc",
       "WARNING: @/song.asm:1: 2 files match @/dup.inc apart from letter case; using @/DUP.inc"},
      {{"waves.inc", "WAVES.INC"}, "WAVES.INC", "WAVES.INC", ""},
      {{"lib/x.inc"}, "\\lib\\x.inc", "lib/x.inc", ""},
  };
  for (const Case& c : cases) {
    PreprocessProject project;
    for (const std::string& file : c.files) project.write(file, file + "\n");
    project.write("song.asm", "INCLUDE " + c.argument + "\n");
    PreprocessResult result = project.run("song.asm");
    std::string message = c.message;
    for (std::size_t at = message.find('@'); at != std::string::npos;
         at = message.find('@', at + project.folder.path().size())) {
      message.replace(at, 1, project.folder.path());
    }
    EXPECT_THAT(codesOf(result), ElementsAre(c.read)) << c.argument;
    EXPECT_EQ(result.notes.texts(), message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message})
        << c.argument;
    EXPECT_THAT(result.errors.texts(), IsEmpty()) << c.argument;
    EXPECT_THAT(project.asked, IsEmpty()) << c.argument;
  }
}
#endif

TEST(Include, CarriedCopyServesWhenNothingIsOnDisk) {
  PreprocessProject project;
  project.write("song.asm", "INCLUDE \"qvx7_snd_cmd.inc\"\nINCLUDE sub\\QVX5_SND_MACS.INC\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("CMD_A EQU 1", "CMD_B EQU 2", "", "", ""));
  EXPECT_EQ(result.lines[0].file, joinPath(project.folder.path(), "QVX5_SND_CMD.INC"));
  EXPECT_EQ(result.lines[1].lineNumber, 2);
  EXPECT_EQ(result.lines[4].file, joinPath(project.folder.path(), "QVX5_SND_MACS.INC"));
  EXPECT_THAT(result.notes.texts(), ElementsAre("Using bundled include QVX5_SND_CMD.INC for unresolved qvx7_snd_cmd.inc",
                                        "Define: CMD_A = 1", "Define: CMD_B = 2",
                                        "Using bundled include QVX5_SND_MACS.INC for unresolved QVX5_SND_MACS.INC"));
  EXPECT_THAT(project.asked, ElementsAre("QVX5_SND_CMD.INC", "QVX5_SND_MACS.INC"));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Include, CarriedCopyKeepsItsCrs) {
  PreprocessProject project;
  project.carried["QVX5_SND_CMD.INC"] = "A\r\nB";
  project.write("song.asm", "INCLUDE QVX5_SND_CMD.INC\n");
  PreprocessResult result = project.run("song.asm");
  ASSERT_EQ(result.lines.size(), 2u);
  EXPECT_EQ(result.lines[0].text, "A\r");
  EXPECT_EQ(result.lines[0].code, "A");
  EXPECT_EQ(result.lines[1].text, "B");
}

TEST(Include, CarriedCopyIncludedFromAnIncludeUsesTheProjectFolder) {
  PreprocessProject project;
  project.write("lib/a.inc", "INCLUDE QVX5_SND_MACS.INC\n");
  project.write("song.asm", "INCLUDE lib/a.inc\n");
  PreprocessResult result = project.run("song.asm");
  ASSERT_FALSE(result.lines.empty());
  EXPECT_EQ(result.lines[0].file, joinPath(project.folder.path(), "QVX5_SND_MACS.INC"));
}

TEST(Include, EveryErrorTextAndTheWalkGoesOn) {
  PreprocessProject project;
  std::string root = project.write("song.asm", "BEFORE\n  INCLUDE \"sub/missing.inc\"\nAFTER\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("BEFORE", "AFTER"));
  EXPECT_THAT(result.errors.texts(), ElementsAre("ERROR: " + root + ":2 include sub/missing.inc resolved to " +
                                         project.path("sub/missing.inc") + " but was not found. "));

  project.carried.erase("QVX5_SND_CMD.INC");
  project.write("song.asm", "INCLUDE QVX5_SND_CMD.INC\nAFTER\n");
  result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("AFTER"));
  EXPECT_THAT(result.errors.texts(), ElementsAre("ERROR: Bundled include not found: QVX5_SND_CMD.INC"));
  EXPECT_THAT(result.notes.texts(), ElementsAre("Using bundled include QVX5_SND_CMD.INC for unresolved QVX5_SND_CMD.INC"));

  project.preprocessor.builtInIncludeProvider = nullptr;
  project.write("song.asm", "INCLUDE x/qvx5_snd_macs.inc\nAFTER\n");
  result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("AFTER"));
  EXPECT_THAT(result.errors.texts(), ElementsAre("ERROR: Include not found and no bundled fallback: qvx5_snd_macs.inc"));
  EXPECT_THAT(result.notes.texts(), IsEmpty());
}

TEST(Include, AnIncludedFolderOrDeviceCountsAsNotFound) {
  PreprocessProject project;
  project.write("dir.inc/x", "");
#ifdef _WIN32
  // A device answers to this name in every folder.
  const std::string device = "NUL";
  const std::string deviceCandidate = canonicalPath(project.path(device));
#else
  const std::string device = "/dev/zero";
  const std::string deviceCandidate = device;
#endif
  std::string root = project.write("song.asm", "INCLUDE dir.inc\nINCLUDE " + device + "\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), IsEmpty());
  EXPECT_THAT(result.errors.texts(),
              ElementsAre("ERROR: " + root + ":1 include dir.inc resolved to " + project.path("dir.inc") +
                              " but was not found. ",
                          "ERROR: " + root + ":2 include " + device + " resolved to " + deviceCandidate +
                              " but was not found. "));
}

TEST(Include, SelfIncludeIsSkippedWithOneNote) {
  PreprocessProject project;
  std::string root = project.write("song.asm", "A\nINCLUDE song.asm\nB\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("A", "B"));
  EXPECT_THAT(result.notes.texts(), ElementsAre("Recursive include skipped: " + root));
}

TEST(Include, MutualIncludeEndsAfterOneRound) {
  PreprocessProject project;
  project.write("a.asm", "A1\nINCLUDE b.inc\nA2\n");
  std::string b = project.write("b.inc", "B1\nINCLUDE ./a.asm\nB2\n");
  PreprocessResult result = project.run("a.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("A1", "B1", "B2", "A2"));
  EXPECT_THAT(result.notes.texts(), ElementsAre("Recursive include skipped: " + project.path("a.asm")));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Include, CarriedCopyIncludingItselfIsACycle) {
  PreprocessProject project;
  project.carried["QVX5_SND_CMD.INC"] = "X\nINCLUDE QVX7_SND_CMD.INC";
  project.write("song.asm", "INCLUDE QVX5_SND_CMD.INC\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("X"));
  EXPECT_EQ(result.notes.texts().back(), "Recursive include skipped: " + joinPath(project.folder.path(), "QVX5_SND_CMD.INC"));
}

TEST(Include, RepeatedIncludesAreReadEachTime) {
  PreprocessProject project;
  project.write("a.inc", "IN_A\n");
  project.write("b.inc", "INCLUDE a.inc\n");
  project.write("song.asm", "INCLUDE a.inc\nINCLUDE a.inc\nINCLUDE b.inc\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("IN_A", "IN_A", "IN_A"));
  EXPECT_THAT(result.notes.texts(), IsEmpty());
}

TEST(Include, IncludeLinesAreNeverKeptButInactiveOnesAre) {
  PreprocessProject project;
  project.write("a.inc", "IN_A\n");
  project.write("song.asm", "IF 0\nINCLUDE a.inc\nINCLUDED_FLAG EQU 1\nENDIF\nINCLUDE a.inc\n");
  PreprocessResult result = project.run("song.asm", true);
  EXPECT_THAT(test::markedCodesOf(result),
              ElementsAre("IF 0", "-INCLUDE a.inc", "-INCLUDED_FLAG EQU 1", "-ENDIF", "IN_A"));
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("IN_A"));
}

TEST(Include, ActiveIncludeLikeDefineIsADefine) {
  PreprocessProject project;
  project.write("song.asm", "INCLUDED_FLAG EQU 1\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(codesOf(result), ElementsAre("INCLUDED_FLAG EQU 1"));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Include, NestingDeeperThan256FilesStops) {
  PreprocessProject project;
  const int files = 1000;
  for (int i = 1; i < files; ++i) {
    project.write("f" + std::to_string(i) + ".inc",
                  "L" + std::to_string(i) + "\nINCLUDE f" + std::to_string(i + 1) + ".inc\n");
  }
  project.write("f" + std::to_string(files) + ".inc", "LAST\n");
  PreprocessResult result = project.run("f1.inc");
  ASSERT_EQ(result.lines.size(), 256u);
  EXPECT_EQ(result.lines.back().code, "L256");
  EXPECT_THAT(result.errors.texts(), ElementsAre("ERROR: Include nesting too deep: " + project.path("f257.inc")));
}

TEST(Include, NestingOf256FilesIsAllowed) {
  PreprocessProject project;
  for (int i = 1; i < 256; ++i) {
    project.write("f" + std::to_string(i) + ".inc", "INCLUDE f" + std::to_string(i + 1) + ".inc\n");
  }
  project.write("f256.inc", "BOTTOM\n");
  PreprocessResult result = project.run("f1.inc");
  EXPECT_THAT(codesOf(result), ElementsAre("BOTTOM"));
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Include, DriveXIsLookedUpUnderTheDefaultProjectFolder) {
  PreprocessProject project;
  test::TempFolder projects;
  std::string remapped = projects.write("songs/lib.inc", "REMAPPED\n");
  project.write("song.asm", "INCLUDE X:\\songs\\lib.inc\nINCLUDE x:/songs/lib.inc\n");
  {
    ProjectFolderVariable variable(projects.path());
    PreprocessResult result = project.run("song.asm");
    EXPECT_THAT(codesOf(result), ElementsAre("REMAPPED", "REMAPPED"));
    EXPECT_EQ(result.lines[0].file, remapped);
    EXPECT_THAT(result.errors.texts(), IsEmpty());
  }
  {
    ProjectFolderVariable variable("");
    PreprocessResult result = project.run("song.asm");
    EXPECT_THAT(codesOf(result), IsEmpty());
    ASSERT_EQ(result.errors.texts().size(), 2u);
    EXPECT_THAT(result.errors.texts()[0],
                ::testing::EndsWith(" resolved to " + toNativePath("X:/songs/lib.inc") + " but was not found. "));
  }
}

TEST(Include, DriveXRemapComesBeforeTheFileBesideTheIncludingFile) {
  PreprocessProject project;
  test::TempFolder projects;
  projects.write("QVX5_SND_CMD.INC", "REMAPPED\n");
  project.write("QVX5_SND_CMD.INC", "BESIDE\n");
  project.write("song.asm", "INCLUDE X:\\QVX5_SND_CMD.INC\n");
  ProjectFolderVariable variable(projects.path() + "/");
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("REMAPPED"));
}

}  // namespace
}  // namespace qv
