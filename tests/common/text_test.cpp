#include "common/text.h"

#include <gtest/gtest.h>

#include <cctype>

namespace qv {
namespace {

// The inline test must agree with the C library's isspace for every byte.
TEST(Text, IsSpaceMatchesTheCLocaleForEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(isSpace(c), std::isspace(byte) != 0) << byte;
  }
}

TEST(Text, TrimRemovesEveryKindOfWhiteSpaceButNothingElse) {
  EXPECT_EQ(trimView(" \t\v\f\r\nA B\r\n \t"), "A B");
  EXPECT_EQ(trimView("\xA0x\x85"), "\xA0x\x85");
  EXPECT_EQ(trimView(" \t "), "");
}

}  // namespace
}  // namespace qv
