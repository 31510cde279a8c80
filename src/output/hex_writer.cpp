#include "output/hex_writer.h"

#include <algorithm>
#include <cstddef>

#include "output/hex_digits.h"
#include "output/hex_records.h"
#include "output/output_file.h"

namespace qv {

namespace {

struct ImageByte {
  std::uint32_t address;
  std::uint8_t value;
};

// Every stored byte at its address, ascending, one entry per address; where
// records overlap, the later store wins.
std::vector<ImageByte> buildImage(const std::vector<EncodedLine>& emitted, std::uint32_t offset) {
  std::vector<ImageByte> image;
  for (const EncodedLine& line : emitted) {
    std::uint32_t address = line.address + offset;
    for (std::uint8_t value : line.bytes) image.push_back({address++, value});
  }
  std::stable_sort(image.begin(), image.end(),
                   [](const ImageByte& a, const ImageByte& b) { return a.address < b.address; });
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

// Cuts the image's bytes, handed over in ascending address order, into
// records: consecutive addresses, at most 16 bytes, never across a 64 KiB
// boundary.
class RecordCutter {
 public:
  explicit RecordCutter(std::string& text) : text_(text) { appendSegmentRecord(text_, segment_); }

  void add(std::uint32_t address, std::uint8_t value) {
    if (count_ > 0 && (count_ == kMaxRecordBytes || address != next_ || (next_ & 0xFFFF) == 0)) writePending();
    if (count_ == 0) start_ = address;
    data_[count_++] = value;
    next_ = address + 1;
  }

  void finish() {
    writePending();
    appendRecord(text_, kEndOfFileRecord, 0, nullptr, 0);
  }

 private:
  void writePending() {
    if (count_ == 0) return;
    const auto upper = static_cast<std::uint16_t>(start_ >> 16);
    if (upper != segment_) {
      segment_ = upper;
      appendSegmentRecord(text_, segment_);
    }
    appendRecord(text_, kDataRecord, static_cast<std::uint16_t>(start_ & 0xFFFF), data_, count_);
    count_ = 0;
  }

  std::string& text_;
  std::uint16_t segment_ = 0;
  std::uint32_t start_ = 0;
  std::uint32_t next_ = 0;
  std::uint8_t data_[kMaxRecordBytes] = {};
  std::size_t count_ = 0;
};

// True when the bytes, taken line by line, already stand at strictly rising
// addresses, as the encode pass lays them out: then they need neither
// sorting nor a check for overwritten addresses.
bool inAddressOrder(const std::vector<EncodedLine>& emitted, std::uint32_t offset) {
  bool any = false;
  std::uint32_t last = 0;
  for (const EncodedLine& line : emitted) {
    if (line.bytes.empty()) continue;
    const std::uint32_t first = line.address + offset;
    const std::uint32_t lineLast = first + static_cast<std::uint32_t>(line.bytes.size() - 1);
    if (lineLast < first || (any && first <= last)) return false;
    last = lineLast;
    any = true;
  }
  return true;
}

}  // namespace

std::string makeHexText(const std::vector<EncodedLine>& emitted, std::int32_t addressOffset) {
  std::size_t byteCount = 0;
  for (const EncodedLine& line : emitted) byteCount += line.bytes.size();
  std::string text;
  // 13 characters of framing per record of up to 16 bytes, plus the fixed lines.
  text.reserve(byteCount * 2 + (byteCount / kMaxRecordBytes + 1) * 13 + 64);

  RecordCutter records(text);
  const auto offset = static_cast<std::uint32_t>(addressOffset);
  if (inAddressOrder(emitted, offset)) {
    for (const EncodedLine& line : emitted) {
      std::uint32_t address = line.address + offset;
      for (std::uint8_t value : line.bytes) records.add(address++, value);
    }
  } else {
    for (const ImageByte& byte : buildImage(emitted, offset)) records.add(byte.address, byte.value);
  }
  records.finish();
  return text;
}

bool writeHexFile(const std::string& path, const std::vector<EncodedLine>& emitted, std::string& errorMessage,
                  std::int32_t addressOffset) {
  return writeOutputFile(path, makeHexText(emitted, addressOffset), "Unable to open output HEX file: ", errorMessage);
}

}  // namespace qv
