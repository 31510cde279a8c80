#include "assembler/harvest_pass.h"

#include <gtest/gtest.h>

#include "assembler/symbol_table.h"
#include "assembler_test_support.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

void harvest(Assembly& assembly, const std::vector<std::string>& texts) {
  HarvestPass(assembly, test::sourceLines(texts), CompileRequest());
}

TEST(HarvestPass, NumbersCBlockCellsAndTellsHandlesApart) {
  Assembly assembly;
  harvest(assembly, {"CBLOCK 0x10", "HNDL_HORN ; the horn", "BELL", "3X", "hndl_brake extra words", "ENDC"});
  const auto& symbols = assembly.symbolTable.symbols();
  ASSERT_EQ(symbols.size(), 3u);
  EXPECT_EQ(symbols[0].name, "HNDL_HORN");
  EXPECT_EQ(symbols[0].value, 0x10);
  EXPECT_EQ(symbols[0].kind, SymbolKind::Handle);
  EXPECT_EQ(symbols[0].line, 2);
  EXPECT_EQ(symbols[0].definitionText, "");
  EXPECT_EQ(symbols[1].name, "BELL");
  EXPECT_EQ(symbols[1].value, 0x11);
  EXPECT_EQ(symbols[1].kind, SymbolKind::CBlockCell);
  EXPECT_EQ(symbols[2].name, "HNDL_BRAKE");
  EXPECT_EQ(symbols[2].value, 0x13);
  EXPECT_EQ(symbols[2].kind, SymbolKind::Handle);
}

struct SizeCase {
  const char* statement;
  std::int32_t size;
};

class StatementSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(StatementSizes, PlaceTheNextLabel) {
  Assembly assembly;
  harvest(assembly, {"BIG EQU 70", GetParam().statement, "AFTER:"});
  EXPECT_EQ(test::symbolValue(assembly, "AFTER"), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKeyword, StatementSizes,
    ::testing::Values(SizeCase{"SKEME_START 1", 4}, SizeCase{"PLAY 70", 4}, SizeCase{"PLAY BIG", 4},
                      SizeCase{"PLAY 63", 2}, SizeCase{"PLAY -70", 2}, SizeCase{"PLAY", 2},
                      SizeCase{"PLAY LATER", 2}, SizeCase{"XGOTO_SND L", 4}, SizeCase{"BRANCH_TO16 L", 4},
                      SizeCase{"LOAD_MODIFIER 1,2,3,4", 4}, SizeCase{"MASK_COMPARE 1,2,3,4,5", 4},
                      SizeCase{"SDL_VERSION 1", 2}, SizeCase{"CHANNEL_START 1", 2}, SizeCase{"CHANNEL_END", 2},
                      SizeCase{"INITIATE_SOUND 1, 2", 2}, SizeCase{"BRANCH_TO L", 2},
                      SizeCase{"DELAY_SOUND 1,2,3", 2}, SizeCase{"SKIP_ON_TRIGGER 1,2", 2},
                      SizeCase{"GENERATE_TRIGGER 1", 2}, SizeCase{"END_SOUND", 2}, SizeCase{"DB 1,2,3", 3},
                      SizeCase{"DB 1, 2", 2}, SizeCase{"DB", 0}, SizeCase{"SKEME_END", 0}, SizeCase{"END", 0},
                      SizeCase{"END_SDL", 0}, SizeCase{"END_SDF", 0}, SizeCase{"FOO", 0},
                      SizeCase{"LBL: PLAY 70", 4}, SizeCase{"HERE", 0}, SizeCase{"NOLIST", 0},
                      SizeCase{"PAGE1: PLAY 1", 0}, SizeCase{"X EQU 5", 0}));

TEST(HarvestPass, LabelsTakeTheAddressesOfTheirStatements) {
  Assembly assembly;
  harvest(assembly, {"SKEME_START 1", "A:", "PLAY 70", "B:", "XGOTO_SND L", "C:", "D END_SOUND", "E:"});
  EXPECT_EQ(test::symbolValue(assembly, "A"), 4);
  EXPECT_EQ(test::symbolValue(assembly, "B"), 8);
  EXPECT_EQ(test::symbolValue(assembly, "C"), 12);
  EXPECT_EQ(test::symbolValue(assembly, "D"), 12);
  EXPECT_EQ(test::symbolValue(assembly, "E"), 14);
  EXPECT_EQ(assembly.labelAddresses, (std::vector<std::uint32_t>{4, 8, 12, 12, 14}));
  const SymbolRecord* label = assembly.symbolTable.lookup("d");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->kind, SymbolKind::Label);
  EXPECT_EQ(label->file, "song.asm");
  EXPECT_EQ(label->line, 7);
}

TEST(HarvestPass, DefinitionsAreConstantsWithTheirValueText) {
  Assembly assembly;
  harvest(assembly, {"A EQU 2 + 3", "B SET A*2", "C = 0x10", "#DEFINE D 7", "define E 0b11", "F EQU UNKNOWN"});
  const auto& symbols = assembly.symbolTable.symbols();
  ASSERT_EQ(symbols.size(), 6u);
  const std::int32_t values[] = {5, 10, 16, 7, 3, 0};
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    EXPECT_EQ(symbols[i].value, values[i]) << symbols[i].name;
    EXPECT_EQ(symbols[i].kind, SymbolKind::Constant) << symbols[i].name;
  }
  EXPECT_EQ(symbols[0].definitionText, "2 + 3");
  EXPECT_EQ(symbols[4].definitionText, "0b11");
}

TEST(HarvestPass, InactiveLinesDefineNothing) {
  Assembly assembly;
  std::vector<SourceLine> lines = test::sourceLines({"SKEME_START 1", "GONE:", "X EQU 1", "KEPT:"});
  lines[0].active = false;
  lines[1].active = false;
  lines[2].active = false;
  HarvestPass(assembly, lines, CompileRequest());
  EXPECT_EQ(assembly.symbolTable.size(), 1u);
  EXPECT_EQ(test::symbolValue(assembly, "KEPT"), 0);
}

}  // namespace
}  // namespace qv
