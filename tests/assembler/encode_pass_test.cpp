#include "assembler/encode_pass.h"

#include <gtest/gtest.h>

#include "assembler_test_support.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

std::vector<EncodedLine> encode(Assembly& assembly, const std::vector<std::string>& texts) {
  test::assemble(assembly, test::sourceLines(texts));
  return assembly.emitted;
}

std::string encodedImage(const std::vector<std::string>& texts) {
  Assembly assembly;
  return test::imageHex(encode(assembly, texts));
}

TEST(EncodePass, SchemeHeaderTakesTheSchemeLength) {
  Assembly assembly;
  std::vector<EncodedLine> emitted = encode(assembly, {"SKEME_START 1", "SDL_VERSION 0x50", "END_SOUND", "SKEME_END"});
  EXPECT_EQ(test::imageHex(emitted), "F1 01 00 08 82 50 00 00");
  ASSERT_EQ(emitted.size(), 3u);
  EXPECT_EQ(emitted[0].address, 0u);
  EXPECT_EQ(emitted[1].address, 4u);
  EXPECT_EQ(emitted[2].address, 6u);
  EXPECT_EQ(emitted[2].line.lineNumber, 3);
  EXPECT_EQ(emitted[2].sourceText, "END_SOUND");
  EXPECT_TRUE(assembly.messages.empty());
}

TEST(EncodePass, NextSchemeOrEndOfSourceClosesAScheme) {
  EXPECT_EQ(encodedImage({"SKEME_START 1", "END_SOUND", "SKEME_START 2", "PLAY 200", "END_SOUND"}),
            "F1 01 00 06 00 00 F1 02 00 0A F2 C1 00 08 00 00");
}

TEST(EncodePass, SecondEndSdfDoesNothing) {
  Assembly assembly;
  std::vector<EncodedLine> emitted =
      encode(assembly, {"SKEME_START 3", "END_SOUND", "END_SDF", "CHANNEL_END", "END_SDF"});
  EXPECT_EQ(test::imageHex(emitted), "F1 03 00 06 00 00 00 00");
  EXPECT_EQ(emitted.size(), 3u);
}

TEST(EncodePass, BytesBetweenSchemesBelongToNone) {
  EXPECT_EQ(encodedImage({"DB 7", "SKEME_START 1", "SKEME_END", "DB 8", "SKEME_START 2", "END"}),
            "07 F1 01 00 04 08 F1 02 00 04");
}

// Only a blank or tab ends the word that opens or closes a scheme: a
// vertical tab, form feed or CR inside it makes another word.
TEST(EncodePass, SchemeWordsEndAtABlankOrTabOnly) {
  EXPECT_EQ(encodedImage({"SKEME_START 1", "END_SOUND", "SKEME_START\v2", "END\fX", "END_SDF\rjunk", "SKEME_END\vX",
                          "END_SOUND", "SKEME_END"}),
            "F1 01 00 0C 00 00 F1 00 00 00 00 00");
}

TEST(EncodePass, LabelAloneLeavesAnEntryWithoutBytes) {
  Assembly assembly;
  std::vector<EncodedLine> emitted = encode(assembly, {"SKEME_START 1", "HERE:  ; loop start", "END_SOUND"});
  ASSERT_EQ(emitted.size(), 3u);
  EXPECT_EQ(emitted[1].address, 4u);
  EXPECT_TRUE(emitted[1].bytes.empty());
  EXPECT_EQ(emitted[1].sourceText, "HERE:");
  EXPECT_EQ(emitted[2].address, 4u);
}

TEST(EncodePass, SourceTextIsTheStatementWithoutItsLabel) {
  Assembly assembly;
  std::vector<EncodedLine> emitted = encode(assembly, {"LOOP: PLAY 5 ; attack", "AGAIN PLAY 6", "PLAY 7"});
  ASSERT_EQ(emitted.size(), 3u);
  EXPECT_EQ(emitted[0].sourceText, "PLAY 5");
  EXPECT_EQ(emitted[0].line.text, "LOOP: PLAY 5 ; attack");
  EXPECT_EQ(emitted[1].sourceText, "PLAY 6");
  EXPECT_EQ(emitted[2].sourceText, "PLAY 7");
}

TEST(EncodePass, UnrecognisedStatementLeavesNoEntryEvenWithALabel) {
  Assembly assembly;
  EXPECT_TRUE(encode(assembly, {"LBL: FOO"}).empty());
  EXPECT_EQ(assembly.messages.texts(), std::vector<std::string>{"Unrecognized command: FOO"});
}

TEST(EncodePass, BareLabelBeforeANumberIsNoCommand) {
  Assembly assembly;
  EXPECT_TRUE(encode(assembly, {"FOO 1", "12 34"}).empty());
  EXPECT_TRUE(assembly.messages.empty());
}

TEST(EncodePass, SkipsMacroBodiesBlocksDirectivesAndDefinitions) {
  Assembly assembly;
  std::vector<EncodedLine> emitted =
      encode(assembly, {"PLAYX MACRO h", "PLAY 1", "LBL: END_SOUND", "ENDM", "CBLOCK 1", "HNDL_A", "PLAY 3",
                        "ENDC", "PAGE1: PLAY 1", "IFX: PLAY 1", "X EQU 5", "#DEFINE Y 3", "DEFINE Y 3", "Z = 4",
                        "NOLIST", "PLAY HNDL_A"});
  EXPECT_EQ(test::imageHex(emitted), "40 01");
  ASSERT_EQ(emitted.size(), 1u);
  EXPECT_EQ(emitted[0].line.lineNumber, 16);
}

TEST(EncodePass, SkipsInactiveLines) {
  Assembly assembly;
  std::vector<SourceLine> lines = test::sourceLines({"PLAY 1", "PLAY 2"});
  lines[0].active = false;
  test::assemble(assembly, lines);
  EXPECT_EQ(test::imageHex(assembly.emitted), "40 02");
}

TEST(EncodePass, BranchesCountFromTheirOwnScheme) {
  EXPECT_EQ(encodedImage({"SKEME_START 1", "SKEME_END", "SKEME_START 2", "TOP: END_SOUND", "BRANCH_TO TOP"}),
            "F1 01 00 04 F1 02 00 08 00 00 C0 04");
  EXPECT_EQ(encodedImage({"DB 1, 2", "T: END_SOUND", "BRANCH_TO T"}), "01 02 00 00 C0 02");
}

struct ProgressCall {
  std::uint32_t done;
  std::uint32_t total;
  std::string phase;
  bool operator==(const ProgressCall&) const = default;
};

void recordProgress(void* context, std::uint32_t done, std::uint32_t total, const char* phase) {
  static_cast<std::vector<ProgressCall>*>(context)->push_back({done, total, phase});
}

TEST(AssemblerPasses, ReportProgressOncePerLine) {
  Assembly assembly;
  std::vector<ProgressCall> calls;
  CompileRequest request;
  request.progressCallback = recordProgress;
  request.progressContext = &calls;
  std::vector<SourceLine> lines = test::sourceLines({"PLAY 1", "", "PLAY 2"});
  lines[1].active = false;
  test::assemble(assembly, lines, request);
  EXPECT_EQ(calls, (std::vector<ProgressCall>{{1, 6, "Harvest"},
                                               {2, 6, "Harvest"},
                                               {3, 6, "Harvest"},
                                               {4, 6, "Encode"},
                                               {5, 6, "Encode"},
                                               {6, 6, "Encode"}}));
}

}  // namespace
}  // namespace qv
