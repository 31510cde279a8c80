// What the disassembler says about HEX texts and maps it cannot read back,
// and about texts whose bytes it reads but the assembler would write
// differently.
#include <gtest/gtest.h>

#include "disassembler/disassembler.h"

namespace qv {
namespace {

constexpr char kScheme[] = ":06000000F1010006000002\r\n";
constexpr char kEnd[] = ":00000001FF\r\n";

Disassembly disassemble(const std::string& hex, const std::optional<std::string>& map = std::nullopt) {
  return disassembleHexText(hex, map ? std::optional<std::string_view>(*map) : std::nullopt,
                            {"song.HEX", "song.MAP", "song.asm"});
}

struct Unreadable {
  std::string hex;
  std::string message;
};

TEST(HexReading, TextsThatAreNoImageNameTheLineAndWhy) {
  const std::vector<Unreadable> cases{
      {"", "song.HEX:1: error: no records: the file is empty"},
      {std::string("\0\x7F\xFF\x01", 4), "song.HEX:1: error: not an Intel HEX record: a record begins with ':'"},
      {":FF000000010203FA\r\n", "song.HEX:1: error: the record claims 255 data bytes but holds 3"},
      {":06000000F1010006000003\r\n", "song.HEX:1: error: bad checksum 0x03 (the record's bytes give 0x02)"},
      {":06000000F10100060G0002\r\n", "song.HEX:1: error: 'G' is not a hexadecimal digit"},
      {":06000000F101000600000\r\n", "song.HEX:1: error: an odd number of hexadecimal digits"},
      {":0000\r\n", "song.HEX:1: error: a record too short for its count, address, type and checksum"},
      {std::string(kScheme) + ":020000021000EC\r\n",
       "song.HEX:2: error: bad record type 0x02: only 00 (data), 01 (end) and 04 (extended linear address) are read"},
      {":03000004000000F9\r\n", "song.HEX:1: error: bad record length: an extended address record holds 2 bytes"},
      {":0100000101FD\r\n", "song.HEX:1: error: bad record length: an end record holds no data"},
      {":04000000F101000604\r\n:020004000000FA\r\n:04000000F101000604\r\n",
       "song.HEX:3: error: addresses decrease: 0x0000 after 0x0004"},
      {":04000000F101000604\r\n:020002000000FC\r\n",
       "song.HEX:2: error: the record at 0x0002 overlaps the bytes before it, which end at 0x0004"},
      {":04000000F101000604\r\n:020008000000F6\r\n",
       "song.HEX:2: error: a gap: no bytes from 0x0004 to 0x0007, and an image has none"},
      {":020100000000FD\r\n", "song.HEX:1: error: the bytes start at 0x0100: an image starts at address 0"},
      {":020000040100F9\r\n:0100000000FF\r\n",
       "song.HEX:2: error: address 0x01000000 is past 16 MiB: no image is that large"},
      {kScheme, "song.HEX:1: error: no end record (:00000001FF)"},
      {std::string(kScheme) + kEnd + kScheme, "song.HEX:3: error: text after the end record"},
  };
  for (const Unreadable& entry : cases) {
    Disassembly result = disassemble(entry.hex);
    EXPECT_EQ(result.failure, DisassemblyFailure::NotAnImage) << entry.hex;
    EXPECT_EQ(result.messages, std::vector<std::string>{entry.message}) << entry.hex;
    EXPECT_EQ(result.sourceText, "");
  }
}

TEST(HexReading, MapLinesThatNameNoHandleNameTheLine) {
  const std::vector<Unreadable> cases{
      {"1 HORN\r\nBELL\r\n", "song.MAP:2: error: not a handle line: a number, a blank and a name"},
      {"x HORN\r\n", "song.MAP:1: error: not a handle line: a number, a blank and a name"},
      {"1 HORN-2\r\n", "song.MAP:1: error: \"HORN-2\" cannot name a handle: letters, digits and _ only"},
      {"1 HORN\r\n\r\n2 horn\r\n", "song.MAP:3: error: the name horn is given twice"},
  };
  for (const Unreadable& entry : cases) {
    Disassembly result = disassemble(std::string(kScheme) + kEnd, entry.hex);
    EXPECT_EQ(result.failure, DisassemblyFailure::NotAnImage) << entry.hex;
    EXPECT_EQ(result.messages, std::vector<std::string>{entry.message}) << entry.hex;
  }
}

// Another tool's text: the same bytes come back, and a note says what of
// the text the assembler writes differently.
TEST(HexReading, TextsWrittenOtherwiseGiveTheBytesAndANote) {
  const std::string same = "assembled, song.asm gives the same bytes, but its HEX text differs in ";
  const std::vector<std::pair<std::string, std::string>> cases{
      {std::string(":020000040000FA\r\n") + ":04000000F101000604\r\n:020004000000FA\r\n" + kEnd, "record lengths"},
      {std::string(kScheme) + kEnd, "extended address records"},
      {":020000040000FA\n:06000000F1010006000002\n:00000001FF", "line ends"},
      {":020000040000fa\r\n:06000000f1010006000002\r\n:00000001ff\r\n", "letter case"},
      {":020000040000FA\r\n:06000000F1010006000002\r\n:00001001EF\r\n", "the end record"},
      {":04000000F101000604\r\n:020004000000FA\r\n:00000001ff\n",
       "record lengths, extended address records, line ends and letter case"},
  };
  for (const auto& [hex, aspects] : cases) {
    Disassembly result = disassemble(hex);
    EXPECT_EQ(result.failure, DisassemblyFailure::None) << hex;
    EXPECT_EQ(result.messages, std::vector<std::string>{"song.HEX: note: " + same + aspects}) << hex;
    EXPECT_NE(result.sourceText.find("        SKEME_START 1\r\n        END_SOUND\r\n        SKEME_END\r\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace qv
