#include "assembler/command_encoder.h"

#include <gtest/gtest.h>

#include "assembler/location_value.h"
#include "assembler/statement_size.h"
#include "assembler/symbol_table.h"
#include "assembler_test_support.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

struct EncodingCase {
  const char* statement;
  const char* bytes;
  std::vector<std::string> warnings = {};  // each after "WARNING: song.asm:1: "
};

class CommandEncoding : public ::testing::TestWithParam<EncodingCase> {};

// Operands the fields cannot hold are reported, yet stored as before.
TEST_P(CommandEncoding, YieldsTheTableBytesAndTheHarvestSize) {
  Assembly assembly;
  SourceLine line = test::sourceLines({GetParam().statement})[0];
  ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  std::vector<std::uint8_t> bytes = encodeStatement(assembly, GetParam().statement, evaluator, line);
  EXPECT_EQ(test::hexOf(bytes), GetParam().bytes);
  EXPECT_EQ(statementSize(GetParam().statement, evaluator), bytes.size());
  std::vector<std::string> expected;
  for (const std::string& warning : GetParam().warnings) expected.push_back("WARNING: song.asm:1: " + warning);
  EXPECT_EQ(assembly.messages.texts(), expected);
  for (const Message& message : assembly.messages.all()) {
    const MessagePlace& place = message.place;
    EXPECT_EQ(place.file + ":" + std::to_string(place.line), "song.asm:1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, CommandEncoding,
    ::testing::Values(
        EncodingCase{"SKEME_START 1", "F1 01 00 00"},
        EncodingCase{"SKEME_START 0x25", "F1 05 00 00",
                     {"SKEME_START scheme number 37 is outside 0..31 (stored as 5)"}},
        EncodingCase{"SDL_VERSION 0x50", "82 50"},
        EncodingCase{"SDL_VERSION 0x150", "82 00", {"SDL_VERSION version 336 is outside 0..255 (stored as 0)"}},
        EncodingCase{"SDL_VERSION -1", "82 00", {"SDL_VERSION version -1 is outside 0..255 (stored as 0)"}},
        EncodingCase{"CHANNEL_START 3", "81 03"},
        EncodingCase{"CHANNEL_START 256", "81 00", {"CHANNEL_START channel 256 is outside 0..255 (stored as 0)"}},
        EncodingCase{"INITIATE_SOUND 5, 0x81", "91 85"},
        EncodingCase{"INITIATE_SOUND 0xFF, 0x80", "90 7F",
                     {"INITIATE_SOUND trigger 255 is outside 0..127 (stored as 127)"}},
        EncodingCase{"BRANCH_TO 0x234", "C2 34"}, EncodingCase{"BRANCH_TO16 0x1234", "F0 00 12 34"},
        EncodingCase{"XGOTO_SND 0x1234", "F0 00 12 34"},
        EncodingCase{"DELAY_SOUND 1, 0x20, 0", "B4 21"},
        EncodingCase{"DELAY_SOUND 0x80, 0xFF, 3", "B5 FF",
                     {"DELAY_SOUND delay 255 is outside 0..127 (stored as 127)",
                      "DELAY_SOUND global 3 is outside 0..1 (stored as 1)"}},
        EncodingCase{"SKIP_ON_TRIGGER 5, 7", "05 07", {"SKIP_ON_TRIGGER logic 5 is outside 0..3 (stored as 1)"}},
        EncodingCase{"GENERATE_TRIGGER 0x1FF", "B1 FF",
                     {"GENERATE_TRIGGER trigger 511 is outside -128..255 (stored as 255)"}},
        EncodingCase{"END_SOUND", "00 00"}, EncodingCase{"CHANNEL_END", "00 00"},
        EncodingCase{"PLAY 5, 6, 0x10", "51 85"}, EncodingCase{"PLAY 200, 0, 0", "F2 C1 00 08"},
        EncodingCase{"PLAY 64", "F2 41 00 00", {"PLAY is missing its break and flags operands (0 stored)"}},
        EncodingCase{"PLAY 63, 0x1F, 1", "48 FF"},
        EncodingCase{"PLAY -1", "40 3F",
                     {"PLAY is missing its break and flags operands (0 stored)",
                      "PLAY handle -1 is outside 0..255 (stored as 63)"}},
        EncodingCase{"PLAY 1, -4, 0", "47 01", {"PLAY break -4 is outside 0..31 (stored as 28)"}},
        EncodingCase{"play 5, 0", "40 05", {"PLAY is missing its flags operand (0 stored)"}},
        EncodingCase{"PLAY UNDEFINED_NAME, 2, 0", "40 80",
                     {"PLAY handle \"UNDEFINED_NAME\" is not defined (0 stored)"}},
        EncodingCase{"PLAY 0x1C5 2 0x10", "F2 C1 10 85", {"PLAY handle 453 is outside 0..255 (stored as 197)"}},
        EncodingCase{"LOAD_MODIFIER 0x12, 1, 2, 3", "E2 01 02 03",
                     {"LOAD_MODIFIER type 18 is outside 0..15 (stored as 2)"}},
        EncodingCase{"LOAD_MODIFIER 1", "E1 00 00 00",
                     {"LOAD_MODIFIER is missing its argument 1, argument 2 and argument 3 operands (0 stored)"}},
        EncodingCase{"LOAD_MODIFIER 1, 1 << 2, $1F, 'A'", "E1 00 00 00",
                     {"LOAD_MODIFIER argument 1 \"1 << 2\" cannot be evaluated: there is no << operator (0 stored)",
                      "LOAD_MODIFIER argument 2 \"$1F\" cannot be evaluated: hexadecimal numbers begin with 0x, not $ "
                      "(0 stored)",
                      "LOAD_MODIFIER argument 3 \"'A'\" cannot be evaluated: there are no character literals "
                      "(0 stored)"}},
        EncodingCase{"MASK_COMPARE 1, 4, 2, 0xFF, 3", "FF 01 02 FF"},
        EncodingCase{"MASK_COMPARE 0xFG, 4, 3O, 1 | 2, 3", "FF 00 00 00",
                     {"MASK_COMPARE source \"0xFG\" cannot be evaluated (0 stored)",
                      "MASK_COMPARE target \"3O\" cannot be evaluated (0 stored)",
                      "MASK_COMPARE mask \"1 | 2\" cannot be evaluated: there is no | operator (0 stored)"}},
        EncodingCase{"DB 1,2,3", "01 02 03"}, EncodingCase{"DB 1 2 3", "01 02 03"},
        EncodingCase{"DB 1,,2", "01 02"},
        EncodingCase{"DB 0x1FF, -1", "FF FF", {"DB byte 511 is outside -128..255 (stored as 255)"}},
        EncodingCase{"SKEME_END", ""}, EncodingCase{"END", ""}, EncodingCase{"END_SDL", ""},
        EncodingCase{"end_sdf", ""}, EncodingCase{"12 34", ""}, EncodingCase{"", ""}));

TEST(CommandEncoder, BranchesAreRelativeToTheSchemeStart) {
  Assembly assembly;
  SourceLine line = test::sourceLines({"BRANCH_TO TARGET"})[0];
  addSymbol(assembly, "TARGET", 0x1334, SymbolKind::Label, "song.asm", 1, "");
  assembly.schemeBase = 0x100;
  ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  EXPECT_EQ(test::hexOf(encodeStatement(assembly, "BRANCH_TO TARGET", evaluator, line)), "C2 34");
  EXPECT_EQ(test::hexOf(encodeStatement(assembly, "BRANCH_TO16 TARGET", evaluator, line)), "F0 00 12 34");
  EXPECT_EQ(test::hexOf(encodeStatement(assembly, "xgoto_snd target", evaluator, line)), "F0 00 12 34");
  EXPECT_EQ(assembly.messages.size(), 1u) << "only the 12-bit offset overflows";
}

TEST(CommandEncoder, UnknownKeywordIsReportedUpperCased) {
  Assembly assembly;
  SourceLine line = test::sourceLines({"foo 1"})[0];
  ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  EXPECT_TRUE(encodeStatement(assembly, "FOO 1", evaluator, line).empty());
  EXPECT_TRUE(encodeStatement(assembly, "foo", evaluator, line).empty());
  EXPECT_EQ(assembly.messages.texts(), (std::vector<std::string>{"Unrecognized command: FOO", "Unrecognized command: FOO"}));
}

TEST(CommandEncoder, DollarIsTheStatementAddress) {
  Assembly assembly;
  SourceLine line = test::sourceLines({"BRANCH_TO $"})[0];
  ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  assembly.schemeBase = 0x10;
  setLocationValue(0x18);
  EXPECT_EQ(test::hexOf(encodeStatement(assembly, "BRANCH_TO $", evaluator, line)), "C0 08");
}

}  // namespace
}  // namespace qv
