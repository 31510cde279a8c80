#include "output/hex_writer.h"

#include <algorithm>
#include <cstddef>

#include "output/hex_digits.h"
#include "platform/files.h"

namespace qv {

namespace {

constexpr std::uint8_t kDataRecord = 0x00;
constexpr std::uint8_t kEndOfFileRecord = 0x01;
constexpr std::uint8_t kExtendedLinearAddressRecord = 0x04;
constexpr std::size_t kMaxRecordBytes = 16;

struct ImageByte {
  std::uint32_t address;
  std::uint8_t value;
};

// Every stored byte at its address, ascending, one entry per address; where
// records overlap, the later store wins.
std::vector<ImageByte> buildImage(const std::vector<EncodedLine>& emitted, std::int32_t addressOffset) {
  std::size_t total = 0;
  for (const EncodedLine& line : emitted) total += line.bytes.size();
  std::vector<ImageByte> image;
  image.reserve(total);
  const auto offset = static_cast<std::uint32_t>(addressOffset);
  for (const EncodedLine& line : emitted) {
    std::uint32_t address = line.address + offset;
    for (std::uint8_t value : line.bytes) image.push_back({address++, value});
  }

  auto byAddress = [](const ImageByte& a, const ImageByte& b) { return a.address < b.address; };
  // The encode pass emits in address order, so the sort is usually skipped.
  if (!std::is_sorted(image.begin(), image.end(), byAddress)) {
    std::stable_sort(image.begin(), image.end(), byAddress);
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < image.size(); ++i) {
    bool overwrittenLater = i + 1 < image.size() && image[i + 1].address == image[i].address;
    if (!overwrittenLater) image[kept++] = image[i];
  }
  image.resize(kept);
  return image;
}

void appendRecord(std::string& text, std::uint8_t type, std::uint16_t address, const std::uint8_t* data,
                  std::size_t count) {
  auto sum = static_cast<std::uint8_t>(count + (address >> 8) + (address & 0xFF) + type);
  text.push_back(':');
  appendHexByte(text, static_cast<std::uint8_t>(count));
  appendHexWord(text, address);
  appendHexByte(text, type);
  for (std::size_t i = 0; i < count; ++i) {
    appendHexByte(text, data[i]);
    sum = static_cast<std::uint8_t>(sum + data[i]);
  }
  appendHexByte(text, static_cast<std::uint8_t>(0x100 - sum));
  text.append("\r\n");
}

// Announces the upper 16 bits of the addresses of the data records that follow.
void appendSegmentRecord(std::string& text, std::uint16_t upperAddress) {
  const std::uint8_t data[] = {static_cast<std::uint8_t>(upperAddress >> 8),
                               static_cast<std::uint8_t>(upperAddress & 0xFF)};
  appendRecord(text, kExtendedLinearAddressRecord, 0, data, sizeof data);
}

}  // namespace

std::string makeHexText(const std::vector<EncodedLine>& emitted, std::int32_t addressOffset) {
  const std::vector<ImageByte> image = buildImage(emitted, addressOffset);
  std::string text;
  // 13 characters of framing per record of up to 16 bytes, plus the fixed lines.
  text.reserve(image.size() * 2 + (image.size() / kMaxRecordBytes + 1) * 13 + 64);

  std::uint16_t segment = 0;
  appendSegmentRecord(text, segment);
  std::size_t i = 0;
  while (i < image.size()) {
    // One record: consecutive addresses, at most 16 bytes, never across a
    // 64 KiB boundary.
    const std::uint32_t start = image[i].address;
    std::uint8_t data[kMaxRecordBytes];
    std::size_t count = 0;
    std::uint32_t next = start;
    do {
      data[count++] = image[i++].value;
      ++next;
    } while (count < kMaxRecordBytes && i < image.size() && image[i].address == next && (next & 0xFFFF) != 0);

    const auto upper = static_cast<std::uint16_t>(start >> 16);
    if (upper != segment) {
      segment = upper;
      appendSegmentRecord(text, segment);
    }
    appendRecord(text, kDataRecord, static_cast<std::uint16_t>(start & 0xFFFF), data, count);
  }
  appendRecord(text, kEndOfFileRecord, 0, nullptr, 0);
  return text;
}

bool writeHexFile(const std::string& path, const std::vector<EncodedLine>& emitted, std::string& errorMessage,
                  std::int32_t addressOffset) {
  if (writeWholeFile(path, makeHexText(emitted, addressOffset))) return true;
  errorMessage = "Unable to open output HEX file: " + path;
  return false;
}

}  // namespace qv
