// Reads produced HEX files back with an independent Intel HEX reader, so
// record layout, checksums and segment records are checked by a loader and
// not only against texts written by hand.
#include "output/hex_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace qv {
namespace {

bool readerAvailable() { return std::system("command -v srec_cat >/dev/null 2>&1") == 0; }

EncodedLine bytesAt(std::uint32_t address, std::size_t count, std::uint8_t first) {
  EncodedLine line;
  line.address = address;
  for (std::size_t i = 0; i < count; ++i) line.bytes.push_back(static_cast<std::uint8_t>(first + i));
  return line;
}

// The reader's binary output starts at address 0 and fills gaps with zeros.
std::string expectedBinary(const std::vector<EncodedLine>& emitted) {
  std::map<std::uint32_t, std::uint8_t> image;
  for (const EncodedLine& line : emitted) {
    for (std::size_t i = 0; i < line.bytes.size(); ++i) image[line.address + static_cast<std::uint32_t>(i)] = line.bytes[i];
  }
  std::string binary(image.rbegin()->first + 1, '\0');
  for (const auto& [address, value] : image) binary[address] = static_cast<char>(value);
  return binary;
}

std::string readBack(const test::TempFolder& folder, const std::vector<EncodedLine>& emitted) {
  std::string hexPath = folder.file("image.HEX");
  std::string binaryPath = folder.file("image.bin");
  std::string error;
  EXPECT_TRUE(writeHexFile(hexPath, emitted, error, 0)) << error;
  std::string command = "srec_cat '" + hexPath + "' -Intel -o '" + binaryPath + "' -Binary";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return test::readFile(binaryPath);
}

TEST(HexRoundTrip, ImageWithGapsAndOverlapsLoadsByteForByte) {
  if (!readerAvailable()) GTEST_SKIP() << "srec_cat is not installed";
  test::TempFolder folder;
  // Values start at 1 so that no data byte looks like a filled gap.
  std::vector<EncodedLine> emitted = {bytesAt(0x0003, 40, 1), bytesAt(0x0100, 5, 0x80), bytesAt(0x0010, 3, 0xF0),
                                      bytesAt(0x0090, 1, 0x55), bytesAt(0x0040, 33, 0x20)};
  EXPECT_EQ(readBack(folder, emitted), expectedBinary(emitted));
}

TEST(HexRoundTrip, ImagePastSixtyFourKiBLoadsEveryByteInPlace) {
  if (!readerAvailable()) GTEST_SKIP() << "srec_cat is not installed";
  test::TempFolder folder;
  std::vector<EncodedLine> emitted = {bytesAt(0x0000, 4, 0x41), bytesAt(0xFFF8, 20, 0x01),
                                      bytesAt(0x10005, 2, 0xA0), bytesAt(0x20010, 3, 0xC0)};
  EXPECT_EQ(readBack(folder, emitted), expectedBinary(emitted));
}

}  // namespace
}  // namespace qv
