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

// The listing shows each entry's address, bytes and statement text
// (tests/cases); the entry also carries its whole source line.
TEST(EncodePass, EntriesCarryTheirSourceLines) {
  Assembly assembly;
  const std::vector<SourceLine> lines = test::sourceLines({"SKEME_START 1", "END_SOUND", "LOOP: PLAY 5 ; attack"});
  test::assemble(assembly, lines);
  const std::vector<EncodedLine>& emitted = assembly.emitted;
  ASSERT_EQ(emitted.size(), 3u);
  EXPECT_EQ(lines[emitted[1].lineIndex].lineNumber, 2);
  EXPECT_EQ(lines[emitted[2].lineIndex].text, "LOOP: PLAY 5 ; attack");
  EXPECT_EQ(sourceText(emitted[2], lines[emitted[2].lineIndex]), "PLAY 5");
}

// Only a blank or tab ends the word that opens or closes a scheme: a
// vertical tab, form feed or CR inside it makes another word.
TEST(EncodePass, SchemeWordsEndAtABlankOrTabOnly) {
  EXPECT_EQ(encodedImage({"SKEME_START 1", "END_SOUND", "SKEME_START\v2", "END\fX", "END_SDF\rjunk", "SKEME_END\vX",
                          "END_SOUND", "SKEME_END"}),
            "F1 01 00 0C 00 00 F1 00 00 00 00 00");
}

TEST(EncodePass, SkipsMacroBodiesBlocksDirectivesAndDefinitions) {
  Assembly assembly;
  std::vector<EncodedLine> emitted =
      encode(assembly, {"PLAYX MACRO h", "PLAY 1", "LBL: END_SOUND", "ENDM", "CBLOCK 1", "HNDL_A", "PLAY 3",
                        "ENDC", "PAGE1: PLAY 1", "IFX: PLAY 1", "X EQU 5", "#DEFINE Y 3", "DEFINE Y 3", "Z = 4",
                        "NOLIST", "PLAY HNDL_A"});
  EXPECT_EQ(test::imageHex(emitted), "40 01");
  ASSERT_EQ(emitted.size(), 1u);
  EXPECT_EQ(emitted[0].lineIndex, 15u);
}

TEST(EncodePass, SkipsInactiveLines) {
  Assembly assembly;
  std::vector<SourceLine> lines = test::sourceLines({"PLAY 1", "PLAY 2"});
  lines[0].active = false;
  test::assemble(assembly, lines);
  EXPECT_EQ(test::imageHex(assembly.emitted), "40 02");
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
