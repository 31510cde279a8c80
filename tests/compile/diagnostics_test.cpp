// Mistakes that still build an image: each gives its located warning, and
// every message of a compile keeps the place it is about.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "compile/compiler.h"
#include "compile/carried_include_provider.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace qv {
namespace {

using test::TempFolder;

CompileResult compileIn(const TempFolder& folder, const std::string& source, bool includeInactive = false) {
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  return compiler.compile(folder.write("song.asm", source), makeCompileRequest("_Z", "", false, includeInactive));
}

// Every message but the "Define: " notes as "FILE:LINE message" ("-" when it
// has no place), with the folder written as "@/".
std::vector<std::string> placedMessages(const CompileResult& result, const std::string& folder) {
  EXPECT_EQ(result.messagePlaces.size(), result.messages.size());
  std::vector<std::string> placed;
  for (std::size_t i = 0; i < result.messages.size() && i < result.messagePlaces.size(); ++i) {
    if (result.messages[i].starts_with("Define: ")) continue;
    const MessagePlace& place = result.messagePlaces[i];
    std::string text = place.line == 0 ? "-" : place.file + ":" + std::to_string(place.line);
    text += " " + result.messages[i];
    const std::string prefix = folder + kPathSeparator;
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix)) {
      text.replace(at, prefix.size(), "@/");
    }
    placed.push_back(text);
  }
  return placed;
}

struct DiagnosticCase {
  const char* name;
  const char* source;                 // song.asm
  const char* include;                // part.inc, when not empty
  std::vector<std::string> messages;  // placedMessages
};

void PrintTo(const DiagnosticCase& c, std::ostream* out) { *out << c.name; }

class Diagnostics : public testing::TestWithParam<DiagnosticCase> {};

TEST_P(Diagnostics, GiveTheirTextsAtTheirPlaces) {
  TempFolder folder;
  if (*GetParam().include != '\0') folder.write("part.inc", GetParam().include);
  CompileResult result = compileIn(folder, GetParam().source);
  EXPECT_EQ(placedMessages(result, folder.path()), GetParam().messages);
  EXPECT_FALSE(result.failed);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, Diagnostics,
    testing::Values(
        DiagnosticCase{"MisspeltBranchTarget",
                       "SKEME_START 1\nIDLE: END_SOUND\n  BRANCH_TO IDEL\n",
                       "",
                       {"@/song.asm:3 WARNING: @/song.asm:3: BRANCH_TO target \"IDEL\" is not defined (0 stored)"}},
        DiagnosticCase{"DefinitionsThatNeverEvaluate",
                       "EARLY EQU LATE+1\nLATE EQU 2\nSPEED EQU 3O\nMASK = 0xFG\n",
                       "",
                       {"@/song.asm:3 WARNING: @/song.asm:3: value of SPEED \"3O\" cannot be evaluated (0 stored)",
                        "@/song.asm:4 WARNING: @/song.asm:4: value of MASK \"0xFG\" cannot be evaluated (0 stored)"}},
        DiagnosticCase{"ValuesTheirFieldsCannotHold",
                       "SKEME_START 40\nDELAY_SOUND 0, 200, 0\nPLAY 300, 0, 0\n",
                       "",
                       {"@/song.asm:1 WARNING: @/song.asm:1: SKEME_START scheme number 40 is outside 0..31 "
                        "(stored as 8)",
                        "@/song.asm:2 WARNING: @/song.asm:2: DELAY_SOUND delay 200 is outside 0..127 (stored as 72)",
                        "@/song.asm:3 WARNING: @/song.asm:3: PLAY handle 300 is outside 0..255 (stored as 44)"}},
        DiagnosticCase{"CBlockStartThatIsNoValue",
                       "CBLOCK FIRST_HANDLE\nHNDL_A\nENDC\n",
                       "",
                       {"@/song.asm:1 WARNING: @/song.asm:1: CBLOCK start \"FIRST_HANDLE\" is not defined (0 stored)"}},
        DiagnosticCase{"IfLeftOpenInAnInclude",
                       "INCLUDE part.inc\nEND_SOUND\nIF 1\n",
                       "IF 1\nIF 0\nEND_SOUND\n",
                       {"@/part.inc:1 WARNING: @/part.inc:1: IF is not closed by an ENDIF before the end of the file",
                        "@/part.inc:2 WARNING: @/part.inc:2: IF is not closed by an ENDIF before the end of the file: "
                        "the rest of the file is switched off",
                        "@/song.asm:3 WARNING: @/song.asm:3: IF is not closed by an ENDIF before the end of the file"}},
        DiagnosticCase{"StrayElseAndEndif",
                       "ELSE\nEND_SOUND\n#ENDIF\n",
                       "",
                       {"@/song.asm:1 WARNING: @/song.asm:1: ELSE without IF (ignored)",
                        "@/song.asm:3 WARNING: @/song.asm:3: ENDIF without IF (ignored)"}},
        DiagnosticCase{"DuplicateSymbolAcrossFiles",
                       "INCLUDE \"part.inc\"\nSTART: END_SOUND\n",
                       "\nSTART: END_SOUND\n",
                       {"@/song.asm:2 Duplicate symbol: START",
                        "@/song.asm:2 WARNING: @/song.asm:2: START is defined again (first defined at @/part.inc:2)"}},
        DiagnosticCase{"MisspeltCommand",
                       "PLAYY HNDL_START, 1\nLBL: FROB 2\n",
                       "",
                       {"@/song.asm:1 Unrecognized command: HNDL_START,",
                        "@/song.asm:1 WARNING: @/song.asm:1: PLAYY is taken as a label because the word after it is "
                        "no command (a misspelt command?)",
                        "@/song.asm:2 Unrecognized command: FROB"}},
        DiagnosticCase{"DefinitionsIncludeLeftOut",
                       "  INITIATE_SOUND TRIG_SOUND_ON, PRI_NORMAL\n",
                       "",
                       {"@/song.asm:1 WARNING: @/song.asm:1: INITIATE_SOUND trigger \"TRIG_SOUND_ON\" is not defined "
                        "(0 stored)",
                        "@/song.asm:1 WARNING: @/song.asm:1: INITIATE_SOUND preempt \"PRI_NORMAL\" is not defined "
                        "(0 stored)"}},
        DiagnosticCase{"CarriedIncludeAndRecursionAreNotedAtTheirIncludeLines",
                       "\n  INCLUDE \"QVX5_SND_MACS.INC\"\n  INCLUDE part.inc\n",
                       "INCLUDE part.inc\n",
                       {"@/song.asm:2 Using bundled include QVX5_SND_MACS.INC for unresolved QVX5_SND_MACS.INC",
                        "@/part.inc:1 Recursive include skipped: @/part.inc"}}),
    [](const testing::TestParamInfo<DiagnosticCase>& info) { return info.param.name; });

TEST(Diagnostics, PreprocessingErrorsAndDefinesKeepTheirPlaces) {
  TempFolder folder;
  CompileResult result = compileIn(folder, "X EQU 1\n  INCLUDE missing.inc\n");
  ASSERT_EQ(result.messages.size(), 2u);
  EXPECT_EQ(result.messages[0], "Define: X = 1");
  EXPECT_EQ(result.messagePlaces[0].line, 1);
  EXPECT_EQ(result.messagePlaces[1].file, folder.file("song.asm"));
  EXPECT_EQ(result.messagePlaces[1].line, 2);
  EXPECT_TRUE(result.failed);

  Compiler compiler;
  CompileResult absent = compiler.compile(folder.file("absent.asm"), makeCompileRequest("_Z", "", false, false));
  ASSERT_EQ(absent.messagePlaces.size(), 1u);
  EXPECT_EQ(absent.messagePlaces[0].line, 0) << "the root source has no place to point at";
}

// Lines shown only because of Show Inactive are never assembled: an IF in a
// CBLOCK would otherwise take a handle number, and IF/ENDIF become symbols.
TEST(Diagnostics, ShowingInactiveLinesChangesNoOutput) {
  const char* source =
      "        CBLOCK 1\n"
      "        IF 0\n"
      "HNDL_OFF\n"
      "        ELSE\n"
      "HNDL_ON\n"
      "        ENDIF\n"
      "HNDL_NEXT\n"
      "        ENDC\n"
      "        SKEME_START 1\n"
      "        PLAY HNDL_NEXT, 0, 0\n"
      "IFX = 5\n"  // an IF (of "= 5"), though it looks like a definition
      "        ENDIF\n"
      "        SKEME_END\n";
  TempFolder folder;
  CompileResult hidden = compileIn(folder, source, false);
  CompileResult shown = compileIn(folder, source, true);
  EXPECT_GT(shown.lines.size(), hidden.lines.size());
  EXPECT_EQ(shown.hexText, hidden.hexText);
  EXPECT_EQ(shown.mapText, hidden.mapText);
  EXPECT_EQ(shown.symbolText, hidden.symbolText);
  EXPECT_EQ(shown.messages, hidden.messages);
  // The listing only gains the shown lines, which have no address.
  std::string addressed;
  std::istringstream listing(shown.listingText);
  for (std::string line; std::getline(listing, line);) {
    if (!line.starts_with("    ")) addressed += line + "\n";
  }
  EXPECT_EQ(addressed, hidden.listingText);
}

}  // namespace
}  // namespace qv
