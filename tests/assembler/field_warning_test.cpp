#include <gtest/gtest.h>

#include "assembler_test_support.h"
#include "compile/compile_result.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

struct OverflowCase {
  const char* statement;
  const char* bytes;
  const char* warning;  // empty: none
};

class BranchOffsets : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(BranchOffsets, ThatDoNotFitAreStoredCutAndReported) {
  Assembly assembly;
  test::assemble(assembly, test::sourceLines({"DB 0x10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "SKEME_START 1",
                                              GetParam().statement}));
  ASSERT_EQ(assembly.emitted.size(), 3u);
  EXPECT_EQ(test::hexOf(assembly.emitted[2].bytes), GetParam().bytes);
  std::vector<std::string> expected;
  if (*GetParam().warning != '\0') expected.push_back(GetParam().warning);
  EXPECT_EQ(assembly.messages.texts(), expected);
  for (const std::string& message : assembly.messages.texts()) EXPECT_FALSE(isFatalMessage(message));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BranchOffsets,
    ::testing::Values(
        OverflowCase{"BRANCH_TO 0x10+4095", "CF FF", ""},
        OverflowCase{"BRANCH_TO 0x10+5000", "C3 88",
                     "WARNING: song.asm:3: BRANCH_TO offset 5000 does not fit in 12 bits (stored as 904)"},
        OverflowCase{"BRANCH_TO 8", "CF F8",
                     "WARNING: song.asm:3: BRANCH_TO offset -8 does not fit in 12 bits (stored as 4088)"},
        OverflowCase{"BRANCH_TO16 0x10+65535", "F0 00 FF FF", ""},
        OverflowCase{"BRANCH_TO16 0x10+70000", "F0 00 11 70",
                     "WARNING: song.asm:3: BRANCH_TO16 offset 70000 does not fit in 16 bits (stored as 4464)"},
        OverflowCase{"XGOTO_SND 0", "F0 00 FF F0",
                     "WARNING: song.asm:3: XGOTO_SND offset -16 does not fit in 16 bits (stored as 65520)"}));

TEST(FieldWarning, SchemeLongerThanSixteenBitsIsReportedAtItsStart) {
  std::vector<std::string> texts{"CHANNEL_END", "SKEME_START 1"};
  texts.insert(texts.end(), 16384, "LOAD_MODIFIER 0, 0, 0, 0");
  texts.push_back("SKEME_END");
  texts.push_back("SKEME_START 2");
  texts.insert(texts.end(), 16382, "LOAD_MODIFIER 0, 0, 0, 0");
  Assembly assembly;
  test::assemble(assembly, test::sourceLines(texts, "long.asm"));
  EXPECT_EQ(test::hexOf(assembly.emitted[1].bytes), "F1 01 00 04");
  EXPECT_EQ(test::hexOf(assembly.emitted[16386].bytes), "F1 02 FF FC");
  EXPECT_EQ(assembly.messages.texts(), std::vector<std::string>{
                                   "WARNING: long.asm:2: scheme length 65540 does not fit in 16 bits (stored as 4)"});
}

}  // namespace
}  // namespace qv
