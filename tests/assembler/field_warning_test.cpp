#include <gtest/gtest.h>

#include "assembler_test_support.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

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
