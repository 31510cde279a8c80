// Where messages are about, and what showing inactive lines changes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "compile/compiler.h"
#include "compile/carried_include_provider.h"
#include "support/test_support.h"

namespace qv {
namespace {

using test::TempFolder;

CompileResult compileIn(const TempFolder& folder, const std::string& source, bool includeInactive = false) {
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  return compiler.compile(folder.write("song.asm", source), makeCompileRequest("_Z", "", false, includeInactive));
}

// The cases in tests/cases show every other message at its place.
TEST(Diagnostics, DefineNotesAndAMissingRootKeepTheirPlaces) {
  TempFolder folder;
  CompileResult result = compileIn(folder, "X EQU 1\n  INCLUDE missing.inc\n");
  ASSERT_EQ(result.messages.size(), 2u);
  EXPECT_EQ(result.messages[0], "Define: X = 1");
  EXPECT_EQ(result.messagePlaces[0].line, 1);

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
