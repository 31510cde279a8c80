#include "output/hex_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace qv {
namespace {

const std::string kFirst = ":020000040000FA\r\n";
const std::string kLast = ":00000001FF\r\n";

EncodedLine bytesAt(std::uint32_t address, std::vector<std::uint8_t> bytes) {
  EncodedLine line;
  line.address = address;
  line.bytes = std::move(bytes);
  return line;
}

// The records between the fixed first and last lines.
std::string hexRecords(const std::vector<EncodedLine>& emitted) {
  std::string text = makeHexText(emitted, 0);
  EXPECT_EQ(text.substr(0, kFirst.size()), kFirst);
  EXPECT_EQ(text.substr(text.size() - kLast.size()), kLast);
  return text.substr(kFirst.size(), text.size() - kFirst.size() - kLast.size());
}

TEST(HexWriter, EmptyImageIsTheTwoFixedLines) {
  EXPECT_EQ(makeHexText({}, 0), kFirst + kLast);
  EXPECT_EQ(makeHexText({bytesAt(0, {}), bytesAt(7, {})}, 0), kFirst + kLast);
}

TEST(HexWriter, DataRecords) {
  struct Case {
    const char* what;
    std::vector<EncodedLine> emitted;
    std::string records;
  };
  std::vector<std::uint8_t> seventeen;
  for (std::uint8_t i = 0; i < 17; ++i) seventeen.push_back(i);
  const std::vector<Case> cases = {
      {"three bytes", {bytesAt(0x10, {0x01, 0x02, 0x03})}, ":03001000010203E7\r\n"},
      {"a run of 17 is cut after 16",
       {bytesAt(0, seventeen)},
       ":10000000000102030405060708090A0B0C0D0E0F78\r\n:0100100010DF\r\n"},
      {"a gap starts a new record", {bytesAt(0, {0xAA}), bytesAt(2, {0xBB})}, ":01000000AA55\r\n:01000200BB42\r\n"},
      {"the later store wins", {bytesAt(0, {1, 2, 3}), bytesAt(1, {9})}, ":03000000010903F0\r\n"},
      {"records out of order", {bytesAt(0x20, {5}), bytesAt(0x10, {6})}, ":0100100006E9\r\n:0100200005DA\r\n"},
      {"adjacent records join", {bytesAt(0, {1}), bytesAt(1, {2})}, ":020000000102FB\r\n"},
      {"a sum that is a multiple of 256", {bytesAt(0, {0xFF})}, ":01000000FF00\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(hexRecords(c.emitted), c.records) << c.what;
}

TEST(HexWriter, AddressOffsetMovesEveryByte) {
  EXPECT_EQ(makeHexText({bytesAt(0, {1, 2, 3})}, 0x10), kFirst + ":03001000010203E7\r\n" + kLast);
}

TEST(HexWriter, ImagesPastSixtyFourKiBAnnounceEachSegment) {
  EXPECT_EQ(hexRecords({bytesAt(0, {0x41}), bytesAt(0x10005, {0x42})}),
            ":0100000041BE\r\n"
            ":020000040001F9\r\n"
            ":0100050042B8\r\n");
  // A record never crosses the boundary.
  EXPECT_EQ(hexRecords({bytesAt(0xFFFE, {1, 2, 3, 4})}),
            ":02FFFE000102FE\r\n"
            ":020000040001F9\r\n"
            ":020000000304F7\r\n");
  // One announcement per segment, none for a segment without bytes.
  std::vector<std::uint8_t> twenty(20, 0x11);
  EXPECT_EQ(hexRecords({bytesAt(0x10000, twenty), bytesAt(0x30000, {0x22})}),
            ":020000040001F9\r\n"
            ":1000000011111111111111111111111111111111E0\r\n"
            ":0400100011111111A8\r\n"
            ":020000040003F7\r\n"
            ":0100000022DD\r\n");
}

TEST(HexWriter, WritesTheTextToTheFile) {
  test::TempFolder folder;
  std::string path = folder.write("song_A.HEX", "old content that is longer than the new one");
  std::vector<EncodedLine> emitted = {bytesAt(0x10, {0x01, 0x02, 0x03})};
  std::string error;
  EXPECT_TRUE(writeHexFile(path, emitted, error, 0));
  EXPECT_EQ(error, "");
  EXPECT_EQ(test::readFile(path), makeHexText(emitted, 0));
}

TEST(HexWriter, UnopenablePathReportsIt) {
  test::TempFolder folder;
  std::string path = folder.file("missing/song_A.HEX");
  std::string error;
  EXPECT_FALSE(writeHexFile(path, {bytesAt(0, {1})}, error, 0));
  EXPECT_EQ(error, "Unable to open output HEX file: " + path);
}

}  // namespace
}  // namespace qv
