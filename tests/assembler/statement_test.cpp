#include "assembler/statement.h"

#include <gtest/gtest.h>

#include "assembler/symbol_table.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

struct SplitCase {
  const char* statement;
  const char* mnemonic;
  OperandList operands;
};

class StatementSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(StatementSplitting, GivesMnemonicAndOperands) {
  StatementParts split = splitStatement(GetParam().statement);
  EXPECT_EQ(split.mnemonic, GetParam().mnemonic);
  EXPECT_EQ(split.operands, GetParam().operands);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StatementSplitting,
    ::testing::Values(SplitCase{"", "", {}}, SplitCase{"   ", "", {}}, SplitCase{"end_sound", "END_SOUND", {}},
                      SplitCase{"  PLAY 5, 6 ,0x10  ", "PLAY", {"5", "6", "0x10"}},
                      SplitCase{"DB 1 2\t3", "DB", {"1", "2", "3"}}, SplitCase{"DB 1,,2,", "DB", {"1", "2"}},
                      SplitCase{"DB 1, 2 3", "DB", {"1", "2 3"}},
                      SplitCase{"LOAD_MODIFIER\tA + 1, (B,C)", "LOAD_MODIFIER", {"A + 1", "(B", "C)"}},
                      SplitCase{"PLAY\f5", "PLAY", {}}));

TEST(OperandValue, EvaluatesElseReadsANumberElseHasNone) {
  Assembly assembly;
  addSymbol(assembly, "SEVEN", 7, SymbolKind::Constant, "song.asm", 1, "7");
  ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  EXPECT_EQ(valueOf("seven*2", evaluator), 14);
  EXPECT_EQ(valueOf("0x10", evaluator), 16);
  EXPECT_EQ(valueOf("UNDEFINED", evaluator), std::nullopt);
  EXPECT_EQ(valueOf("-5", evaluator), -5);
  EXPECT_EQ(valueOf("(1+2)*3", evaluator), std::nullopt);
  EXPECT_EQ(valueOrZero("UNDEFINED", evaluator), 0);
  EXPECT_TRUE(assembly.messages.empty());
}

}  // namespace
}  // namespace qv
