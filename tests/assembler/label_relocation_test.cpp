#include "assembler/label_relocation.h"

#include <gtest/gtest.h>

#include "assembler/harvest_pass.h"
#include "assembler/symbol_table.h"
#include "assembler_test_support.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

TEST(LabelRelocation, BranchAfterALateLongHandleReachesItsLabel) {
  Assembly assembly;
  test::assemble(assembly, test::sourceLines({"SKEME_START 1", "PLAY HNDL_LATE, 0, 0", "TARGET: END_SOUND",
                                              "BRANCH_TO TARGET", "CBLOCK 64", "HNDL_LATE", "ENDC"}));
  EXPECT_EQ(test::imageHex(assembly.emitted), "F1 01 00 0C F2 41 00 00 00 00 C0 08");
  EXPECT_EQ(test::symbolValue(assembly, "TARGET"), 8);
  EXPECT_EQ(assembly.labelAddresses, std::vector<std::uint32_t>{8});
  EXPECT_TRUE(assembly.messages.empty());
}

TEST(LabelRelocation, NothingMovesWhenHandlesWereKnown) {
  Assembly assembly;
  std::vector<SourceLine> lines =
      test::sourceLines({"CBLOCK 64", "HNDL_EARLY", "ENDC", "PLAY HNDL_EARLY", "AFTER: END_SOUND", "X EQU AFTER"});
  HarvestPass(assembly, lines, CompileRequest());
  SettleValues(assembly);
  std::vector<SymbolRecord> before = assembly.symbolTable.symbols();
  relocateLabels(assembly, lines);
  ASSERT_EQ(assembly.symbolTable.symbols().size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(assembly.symbolTable.symbols()[i].value, before[i].value) << before[i].name;
  }
  EXPECT_EQ(assembly.labelAddresses, std::vector<std::uint32_t>{4});
  EXPECT_TRUE(assembly.messages.empty());
}

}  // namespace
}  // namespace qv
