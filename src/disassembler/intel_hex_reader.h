#pragma once
// Intel HEX text back into the bytes of an image. Images are one run of
// bytes from address 0, as the assembler lays them out, so a record must
// start where the bytes before it end.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr std::uint32_t kLargestImage = 16u << 20;

// Where the text differs from the one the HEX writer makes of the same
// bytes; none of these changes a byte.
struct HexTextDifferences {
  bool recordLengths = false;
  bool addressRecords = false;
  bool endRecord = false;
  bool lineEnds = false;  // LF alone, blank lines, blanks after a record
  bool letterCase = false;

  bool any() const { return recordLengths || addressRecords || endRecord || lineEnds || letterCase; }
};

struct HexImage {
  std::vector<std::uint8_t> bytes;
  HexTextDifferences differences;
  // Without an error: 0 and empty.
  int errorLine = 0;
  std::string error;
};

HexImage readIntelHex(std::string_view text);

}  // namespace qv
