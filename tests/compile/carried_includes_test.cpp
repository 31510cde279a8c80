// A project that names the standard includes without having them on disk
// compiles headless with the copies the program carries.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace qv {
namespace {

TEST(CarriedIncludes, HeadlessCompileUsesTheBundledCopies) {
  test::TempFolder folder;
  std::string source = folder.write("song.asm",
                                    "        INCLUDE \"QVX5_SND_CMD.INC\"\r\n"
                                    "        include qvx7_snd_macs.inc\r\n"
                                    "VERNO   SET VERSION_5\r\n"
                                    "        IF VERNO == 0x50\r\n"
                                    "        SKEME_START 1\r\n"
                                    "        SDL_VERSION VERNO\r\n"
                                    "        INITIATE_SOUND TRIG_FUNC_2, PRI_HIGH+PREEMPT_LOWER\r\n"
                                    "        PLAY 5, BRK_LOOP_WHILE_TRIG, PLAYF_NONE\r\n"
                                    "        END_SOUND\r\n"
                                    "        SKEME_END\r\n"
                                    "        ENDIF\r\n");
  // Without output files the check does not depend on the writers.
  test::ProcessResult run = test::runQuaverton({"--harness", source, "--no-write"});
  EXPECT_EQ(run.exitCode, 0);
  std::string log = test::readFile(folder.file("song_Z.HARNESS_LOG"));
  EXPECT_NE(log.find("\r\nCompile complete\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("\r\nUsing bundled include QVX5_SND_CMD.INC for unresolved QVX5_SND_CMD.INC\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\r\nUsing bundled include QVX5_SND_MACS.INC for unresolved qvx7_snd_macs.inc\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\r\nDefine: VERNO = 80\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
}

}  // namespace
}  // namespace qv
