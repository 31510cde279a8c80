// Conditions and IF / ELSE / ENDIF blocks.
#include "preprocess/conditional.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "preprocess_fixture.h"

namespace qv {
namespace {

using test::codesOf;
using test::markedCodesOf;
using test::PreprocessProject;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(EvaluateCondition, OperatorsOperandsAndUnevaluableCases) {
  DefineTable defines;
  defines.set("A", 2);
  defines.set("B", 1);
  defines.set("VERNO", 0x50);
  defines.set("VERSION_5", 0x50);
  defines.set("NEG", -1);
  defines.set("A+B", 7);
  struct Case {
    const char* text;
    bool value;
    bool evaluated;
  };
  const Case cases[] = {
      {"A > B", true, true},
      {"A >= B", true, true},
      {"A != B", true, true},
      {"A == B", false, true},
      {"A < B", false, true},
      {"A <= B", false, true},
      {"B <= 1", true, true},
      {"NEG < 0", true, true},
      {"NEG > 0x7FFFFFFF", false, true},
      {"verno == version_5", true, true},
      {"  VERNO==0x50  ", true, true},
      {"A+1 == 3", true, true},
      {"30h == 48", true, true},
      {"A+B", true, true},  // a define of that exact name
      {"A+B == 7", true, true},
      {"(A+B) == 3", true, true},
      {"0", false, true},
      {"2", true, true},
      {"-0x10", true, true},
      {"UNDEFINED_NAME", false, false},
      {"", false, false},
      {"A = 1", false, false},
      {"A < B == C", false, false},
      {"A == ", false, false},
      {"== 1", false, false},
      {"A !== 2", false, false},
  };
  for (const Case& c : cases) {
    ConditionResult result = evaluateCondition(c.text, defines);
    EXPECT_EQ(result.value, c.value) << c.text;
    EXPECT_EQ(result.evaluated, c.evaluated) << c.text;
  }
}

TEST(MatchConditional, RecognisesTheThreeDirectivesInOrder) {
  EXPECT_EQ(matchConditional("IF A == 1").kind, ConditionalKind::If);
  EXPECT_EQ(matchConditional("IF A == 1").condition, "A == 1");
  EXPECT_EQ(matchConditional("#if X").kind, ConditionalKind::If);
  EXPECT_EQ(matchConditional("IFNDEF X").condition, "X");
  EXPECT_EQ(matchConditional("IF_READY").kind, ConditionalKind::If);
  EXPECT_EQ(matchConditional("ELSE").kind, ConditionalKind::Else);
  EXPECT_EQ(matchConditional("#ELSE").kind, ConditionalKind::Else);
  EXPECT_EQ(matchConditional("ELSEIF X == 2").kind, ConditionalKind::Else);
  EXPECT_EQ(matchConditional("endif").kind, ConditionalKind::EndIf);
  EXPECT_EQ(matchConditional("#ENDIF ; x").kind, ConditionalKind::EndIf);
  EXPECT_EQ(matchConditional("END_SOUND").kind, ConditionalKind::None);
  EXPECT_EQ(matchConditional("# IF 1").kind, ConditionalKind::None);
}

TEST(Conditional, IfElseEndifWithAndWithoutInactiveLines) {
  PreprocessProject project;
  project.write("song.asm", "IF 0\nOFF\nELSE\nON\nENDIF\nAFTER\n");
  EXPECT_THAT(markedCodesOf(project.run("song.asm")), ElementsAre("ON", "AFTER"));
  EXPECT_THAT(markedCodesOf(project.run("song.asm", true)),
              ElementsAre("IF 0", "-OFF", "-ELSE", "ON", "ENDIF", "AFTER"));
}

TEST(Conditional, NamesMatchInAnyCase) {
  PreprocessProject project;
  project.write("song.asm",
                "VERSION_5 EQU 0x50\nVERNO SET VERSION_5\nif verno == version_5\nYES\nendif\n#IF VERNO != 0x50\nNO\n"
                "#ENDIF\n");
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("VERSION_5 EQU 0x50", "VERNO SET VERSION_5", "YES"));
}

TEST(Conditional, NestedBlocksInAnInactiveBranchStayInactive) {
  PreprocessProject project;
  project.write("song.asm", "IF 0\nIF 1\nA\nELSE\nB\nENDIF\nC\nELSE\nD\nENDIF\n");
  EXPECT_THAT(markedCodesOf(project.run("song.asm", true)),
              ElementsAre("IF 0", "-IF 1", "-A", "-ELSE", "-B", "-ENDIF", "-C", "-ELSE", "D", "ENDIF"));
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("D"));
}

TEST(Conditional, ASecondElseSwitchesTheRestOff) {
  PreprocessProject project;
  project.write("song.asm", "IF 0\nA\nELSE\nB\nELSE\nC\nENDIF\nD\n");
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("B", "D"));
}

TEST(Conditional, StrayElseAndEndifAreIgnored) {
  PreprocessProject project;
  project.write("song.asm", "ENDIF\nELSE\nA\n#ENDIF\n");
  EXPECT_THAT(markedCodesOf(project.run("song.asm", true)), ElementsAre("ELSE", "A"));
  EXPECT_THAT(markedCodesOf(project.run("song.asm")), ElementsAre("A"));
}

TEST(Conditional, IfLikeWordsOpenBlocks) {
  PreprocessProject project;
  // Inactive, IF_FLAG EQU 1 is no define but an IF: the block needs one more ENDIF.
  project.write("song.asm",
                "IF 0\nIF_FLAG EQU 1\nENDIF\nSTILL_OFF\nENDIF\nON\nIF_READY\nOFF\nENDIF\nIFDEF ON\nX\nENDIF\n");
  PreprocessResult result = project.run("song.asm", true);
  EXPECT_THAT(markedCodesOf(result), ElementsAre("IF 0", "-IF_FLAG EQU 1", "-ENDIF", "-STILL_OFF", "-ENDIF", "ON",
                                                 "IF_READY", "-OFF", "-ENDIF", "IFDEF ON", "-X", "-ENDIF"));
  // Active, IF_FLAG EQU 1 is a define.
  project.write("song.asm", "IF_FLAG EQU 1\nIF IF_FLAG\nY\nENDIF\n");
  EXPECT_THAT(codesOf(project.run("song.asm")), ElementsAre("IF_FLAG EQU 1", "Y"));
}

TEST(Conditional, StateDoesNotCrossFileBoundaries) {
  PreprocessProject project;
  project.write("open.inc", "IF 0\nHIDDEN\n");
  project.write("close.inc", "ENDIF\nELSE\nIN_CLOSE\n");
  project.write("song.asm", "INCLUDE open.inc\nVISIBLE\nIF 1\nINCLUDE close.inc\nSTILL\nELSE\nNOT\nENDIF\n");
  PreprocessResult result = project.run("song.asm", true);
  EXPECT_THAT(markedCodesOf(result),
              ElementsAre("IF 0", "-HIDDEN", "VISIBLE", "IF 1", "ELSE", "IN_CLOSE", "STILL", "ELSE", "-NOT", "-ENDIF"));
}

TEST(Conditional, IncludeInAnInactiveBranchIsNotRead) {
  PreprocessProject project;
  project.write("song.asm", "IF 0\nINCLUDE missing.inc\nENDIF\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(result.lines, IsEmpty());
  EXPECT_THAT(result.errors.texts(), IsEmpty());
}

TEST(Conditional, MacroBodyConditionsRunWithOperandsUndefined) {
  PreprocessProject project;
  project.write("song.asm",
                "PLAY MACRO handle, break, flags\n"
                "        IF handle > 239\n"
                "        ERROR \"reserved\"\n"
                "        ENDIF\n"
                "        IF handle < 64\n"
                "        DB 1\n"
                "        ELSE\n"
                "        DB 2\n"
                "        ENDIF\n"
                "        ENDM\n"
                "AFTER\n");
  EXPECT_THAT(markedCodesOf(project.run("song.asm", true)),
              ElementsAre("PLAY MACRO handle, break, flags", "IF handle > 239", "-ERROR \"reserved\"", "-ENDIF",
                          "IF handle < 64", "-DB 1", "-ELSE", "DB 2", "ENDIF", "ENDM", "AFTER"));
  EXPECT_THAT(codesOf(project.run("song.asm")),
              ElementsAre("PLAY MACRO handle, break, flags", "DB 2", "ENDM", "AFTER"));
}

}  // namespace
}  // namespace qv
