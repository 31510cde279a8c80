#include "assembler/line_classification.h"

#include <gtest/gtest.h>

#include "assembler/block_tracker.h"

namespace qv {
namespace {

TEST(LineClassification, Identifiers) {
  EXPECT_TRUE(isIdentifier("_x9"));
  EXPECT_TRUE(isIdentifier("HNDL_HORN"));
  EXPECT_FALSE(isIdentifier("3X"));
  EXPECT_FALSE(isIdentifier("A-B"));
  EXPECT_FALSE(isIdentifier(""));
}

TEST(LineClassification, MacroHeaderIsASecondTokenMacro) {
  EXPECT_TRUE(isMacroHeader(LineWords("PLAYX MACRO h, b")));
  EXPECT_TRUE(isMacroHeader(LineWords("x macro")));
  EXPECT_FALSE(isMacroHeader(LineWords("MACRO")));
  EXPECT_FALSE(isMacroHeader(LineWords("X MACROS")));
}

struct DefinitionCase {
  const char* code;
  bool isDefinition;
  const char* name;
  const char* valueText;
  const char* directive;
};

class DefinitionLines : public ::testing::TestWithParam<DefinitionCase> {};

TEST_P(DefinitionLines, AreRecognisedAndParsed) {
  const DefinitionCase& expected = GetParam();
  std::optional<DefinitionLine> definition = parseDefinitionLine(LineWords(expected.code));
  EXPECT_EQ(hasDefinitionForm(LineWords(expected.code)), expected.isDefinition);
  ASSERT_EQ(definition.has_value(), expected.isDefinition);
  if (!definition) return;
  EXPECT_EQ(definition->name, expected.name);
  EXPECT_EQ(definition->valueText, expected.valueText);
  EXPECT_EQ(definition->directive, expected.directive);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DefinitionLines,
    ::testing::Values(DefinitionCase{"X EQU 5", true, "X", "5", "EQU"},
                      DefinitionCase{"x equ  1 +\t2", true, "X", "1 + 2", "EQU"},
                      DefinitionCase{"A set B+1", true, "A", "B+1", "SET"},
                      DefinitionCase{"Z = 4", true, "Z", "4", "="},
                      DefinitionCase{"#DEFINE Y 3", true, "Y", "3", "DEFINE"},
                      DefinitionCase{"define y 3", true, "Y", "3", "DEFINE"},
                      DefinitionCase{"#define EQU 5", true, "EQU", "5", "DEFINE"},
                      DefinitionCase{"DEFINE A = 1", true, "A", "= 1", "DEFINE"},
                      DefinitionCase{"X EQU", false, "", "", ""}, DefinitionCase{"Z == 4", false, "", "", ""},
                      DefinitionCase{"PLAY 1, 2", false, "", "", ""}));

struct LabelCase {
  const char* code;
  const char* label;
  const char* statement;
};

class Labels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(Labels, AreSplitFromTheirStatement) {
  LabelSplit split = parseLabel(LineWords(GetParam().code));
  EXPECT_EQ(split.label, GetParam().label);
  EXPECT_EQ(split.statement, GetParam().statement);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Labels,
    ::testing::Values(LabelCase{"LBL: PLAY 1", "LBL", "PLAY 1"}, LabelCase{"LBL:", "LBL", ""},
                      LabelCase{"  _x9 : END_SOUND ", "_x9", "END_SOUND"}, LabelCase{"LOOP PLAY 1", "LOOP", "PLAY 1"},
                      LabelCase{"FOO 1", "FOO", "1"}, LabelCase{"HERE", "HERE", ""},
                      LabelCase{"PLAY 1", "", "PLAY 1"}, LabelCase{"play 1", "", "play 1"},
                      LabelCase{"END_SDF", "", "END_SDF"}, LabelCase{"db 1,2", "", "db 1,2"},
                      LabelCase{"cblock 5", "", "cblock 5"}, LabelCase{"NOLIST", "", "NOLIST"},
                      LabelCase{"1X: PLAY 1", "", "1X: PLAY 1"}, LabelCase{"A B: PLAY 1", "", "A B: PLAY 1"},
                      LabelCase{"PLAY A:B", "", "PLAY A:B"}));

struct InstructionCase {
  const char* code;
  bool isInstruction;
};

class InstructionLines : public ::testing::TestWithParam<InstructionCase> {};

TEST_P(InstructionLines, ExcludeDirectivesAndTheirPrefixes) {
  EXPECT_EQ(isInstructionLine(LineWords(GetParam().code)), GetParam().isInstruction) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, InstructionLines,
    ::testing::Values(InstructionCase{"PLAY 1", true}, InstructionCase{"LBL: PLAY 1", true},
                      InstructionCase{"LBL:", true}, InstructionCase{"FOO 1", true},
                      InstructionCase{"DEFINE Y 3", true}, InstructionCase{"Z = 4", true},
                      InstructionCase{"NOLISTED: PLAY 1", true}, InstructionCase{"", false},
                      InstructionCase{"#DEFINE Y 3", false}, InstructionCase{".org 5", false},
                      InstructionCase{"nolist", false}, InstructionCase{"IF X", false},
                      InstructionCase{"IFX:", false}, InstructionCase{"PAGE1: PLAY 1", false},
                      InstructionCase{"Listing: PLAY 1", false}, InstructionCase{"ELSEWHERE PLAY 1", false},
                      InstructionCase{"TITLE 'song'", false}, InstructionCase{"STITLE x", false},
                      InstructionCase{"ENDIF", false}, InstructionCase{"MACROS", false},
                      InstructionCase{"ENDM", false}, InstructionCase{"CBLOCK 1", false},
                      InstructionCase{"ENDC", false}, InstructionCase{"12 PLAY", false},
                      InstructionCase{"A exceeds B", false}, InstructionCase{"X EQU 5", false},
                      InstructionCase{"X set 1", false}, InstructionCase{"LBL: PLAY SET", false}));

TEST(BlockTracker, FollowsMacroBodiesAndCBlocks) {
  BlockTracker blocks;
  const std::pair<const char*, LineRole> lines[] = {
      {"PLAYX MACRO h", LineRole::Ignored},  {"LBL: PLAY 1", LineRole::Ignored},
      {"CBLOCK 3", LineRole::Ignored},       {"Y EQU 2", LineRole::Ignored},
      {"endm", LineRole::Ignored},           {"CBLOCK 3", LineRole::CBlockStart},
      {"HNDL_A", LineRole::CBlockCell},      {"X EQU 1", LineRole::CBlockCell},
      {"PLAY 1", LineRole::CBlockCell},      {"ENDC", LineRole::Ignored},
      {"Z EQU 1", LineRole::Definition},     {"DEFINE Y 3", LineRole::Definition},
      {"PLAY 2", LineRole::Instruction},     {"", LineRole::Ignored},
      {"IF X", LineRole::Ignored},           {"ENDM", LineRole::Ignored},
      {"LBL:", LineRole::Instruction},
  };
  for (const auto& [code, role] : lines) EXPECT_EQ(blocks.classify(LineWords(code)), role) << code;
}

}  // namespace
}  // namespace qv
