// quaverton --disassemble through the real program: exit codes, messages on
// standard error, and the source file written only when it may be.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace qv {
namespace {

using test::readFile;
using test::runQuaverton;
using test::TempFolder;

constexpr char kImage[] = ":020000040000FA\r\n:06000000F1010006000002\r\n:00000001FF\r\n";

constexpr char kUsage[] = "Usage: ";

struct CommandRun {
  std::vector<std::string> arguments;
  int exitCode;
  std::string standardError;
};

TEST(DisassembleCommand, ExitCodesAndMessages) {
  TempFolder folder;
  folder.write("song.HEX", kImage);
  folder.write("empty.HEX", "");
  folder.write("binary.HEX", std::string("\x7F" "ELF\0\0\x01", 7));
  folder.write("taken.asm", "keep");
  std::filesystem::resize_file(folder.write("huge.HEX", ""), std::uintmax_t{1} << 30);
  const std::vector<CommandRun> runs{
      {{"--disassemble"}, 1, std::string("quaverton: no image given\n") + kUsage},
      {{"--disassemble", "song.HEX", "extra.asm"}, 1,
       std::string("quaverton: a disassembly takes no source: extra.asm\n") + kUsage},
      {{"--disassemble", "missing.HEX"}, 2, "missing.HEX: error: cannot read the file\n"},
      {{"--disassemble", "song.HEX", "--map", "missing.MAP"}, 2, "missing.MAP: error: cannot read the file\n"},
      {{"--disassemble", "empty.HEX"}, 3, "empty.HEX:1: error: no records: the file is empty\n"},
      {{"--disassemble", "binary.HEX"}, 3, "binary.HEX:1: error: not an Intel HEX record: a record begins with ':'\n"},
      {{"--disassemble", "huge.HEX"}, 3,
       "huge.HEX: error: larger than 64 MiB: too large for the HEX text of an image\n"},
      {{"--disassemble", "binary.HEX", "--quiet"}, 3, ""},
      {{"--disassemble", "song.HEX", "--out", "taken.asm"}, 1, "quaverton: taken.asm exists; use --out or --force\n"},
      {{"--disassemble", "song.HEX"}, 0, ""},
      {{"--disassemble", "song.HEX"}, 1, "quaverton: song.asm exists; use --out or --force\n"},
      {{"--DISASSEMBLE", "song.HEX", "--FORCE"}, 0, ""},
  };
  for (const CommandRun& run : runs) {
    std::string line;
    for (const std::string& argument : run.arguments) line += argument + " ";
    test::ProcessResult result = runQuaverton(run.arguments, folder.path());
    EXPECT_EQ(result.exitCode, run.exitCode) << line;
    // The usage text is held to its first word.
    const bool usage = run.standardError.ends_with(kUsage);
    EXPECT_EQ(usage ? result.standardError.substr(0, run.standardError.size()) : result.standardError,
              run.standardError)
        << line;
  }
  EXPECT_EQ(readFile(folder.file("taken.asm")), "keep");
  EXPECT_FALSE(test::exists(folder.file("empty.asm")));
  EXPECT_NE(readFile(folder.file("song.asm")).find("        SKEME_START 1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace qv
