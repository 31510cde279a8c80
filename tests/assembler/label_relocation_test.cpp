#include "assembler/label_relocation.h"

#include <gtest/gtest.h>

#include "assembler/harvest_pass.h"
#include "assembler/symbol_table.h"
#include "assembler_test_support.h"
#include "compile/compiler.h"

namespace qv {
namespace {

TEST(LabelRelocation, BranchAfterALateLongHandleReachesItsLabel) {
  Compiler compiler;
  test::assemble(compiler, test::sourceLines({"SKEME_START 1", "PLAY HNDL_LATE, 0, 0", "TARGET: END_SOUND",
                                              "BRANCH_TO TARGET", "CBLOCK 64", "HNDL_LATE", "ENDC"}));
  EXPECT_EQ(test::imageHex(compiler.emitted), "F1 01 00 0C F2 41 00 00 00 00 C0 08");
  EXPECT_EQ(test::symbolValue(compiler, "TARGET"), 8);
  EXPECT_EQ(compiler.labelAddresses, std::vector<std::uint32_t>{8});
  EXPECT_TRUE(compiler.messages.empty());
}

TEST(LabelRelocation, NothingMovesWhenHandlesWereKnown) {
  Compiler compiler;
  std::vector<SourceLine> lines =
      test::sourceLines({"CBLOCK 64", "HNDL_EARLY", "ENDC", "PLAY HNDL_EARLY", "AFTER: END_SOUND", "X EQU AFTER"});
  HarvestPass(compiler, lines, CompileRequest());
  SettleValues(compiler);
  std::vector<SymbolRecord> before = compiler.symbolTable.symbols();
  RelocateLabels(compiler, lines);
  ASSERT_EQ(compiler.symbolTable.symbols().size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(compiler.symbolTable.symbols()[i].value, before[i].value) << before[i].name;
  }
  EXPECT_EQ(compiler.labelAddresses, std::vector<std::uint32_t>{4});
  EXPECT_TRUE(compiler.messages.empty());
}

}  // namespace
}  // namespace qv
