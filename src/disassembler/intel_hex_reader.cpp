#include "disassembler/intel_hex_reader.h"

#include <algorithm>
#include <optional>

#include "disassembler/hex_number.h"
#include "output/hex_records.h"

namespace qv {

namespace {

// Count, two address bytes, type and checksum.
constexpr std::size_t kRecordFraming = 5;

std::optional<std::uint8_t> hexDigit(char c, bool& lowerCase) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') {
    lowerCase = true;
    return static_cast<std::uint8_t>(c - 'a' + 10);
  }
  return std::nullopt;
}

std::string characterName(char c) {
  const auto byte = static_cast<std::uint8_t>(c);
  if (byte >= 0x21 && byte < 0x7F) return std::string("'") + c + "'";
  return "byte " + hexNumber(byte);
}

struct Record {
  std::uint8_t type = 0;
  std::uint16_t address = 0;
  std::vector<std::uint8_t> data;
};

class HexTextReader {
 public:
  explicit HexTextReader(HexImage& image) : image_(image) {}

  // False once an error is recorded.
  bool readLine(std::string_view line, int number, bool endedByCrLf) {
    number_ = number;
    if (!endedByCrLf) image_.differences.lineEnds = true;
    std::size_t end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) --end;
    if (end != line.size()) image_.differences.lineEnds = true;
    line = line.substr(0, end);
    if (line.empty()) {
      image_.differences.lineEnds = true;
      return true;
    }
    if (ended_) return fail("text after the end record");
    std::optional<Record> record = parse(line);
    return record && apply(*record);
  }

  bool finish(int lastLine) {
    number_ = lastLine;
    if (!sawRecord_) return fail("no records: the file is empty");
    if (!ended_) return fail("no end record (:00000001FF)");
    if (pendingUpperRecord_) image_.differences.addressRecords = true;
    return true;
  }

 private:
  bool fail(std::string text) {
    image_.errorLine = number_;
    image_.error = std::move(text);
    return false;
  }

  std::optional<Record> parse(std::string_view line) {
    if (line[0] != ':') {
      fail("not an Intel HEX record: a record begins with ':'");
      return std::nullopt;
    }
    std::string_view digits = line.substr(1);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
      bool lowerCase = false;
      std::optional<std::uint8_t> high = hexDigit(digits[i], lowerCase);
      if (!high) return failed(characterName(digits[i]) + " is not a hexadecimal digit");
      if (i + 1 == digits.size()) return failed("an odd number of hexadecimal digits");
      std::optional<std::uint8_t> low = hexDigit(digits[i + 1], lowerCase);
      if (!low) return failed(characterName(digits[i + 1]) + " is not a hexadecimal digit");
      if (lowerCase) image_.differences.letterCase = true;
      bytes.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    }
    if (bytes.size() < kRecordFraming) return failed("a record too short for its count, address, type and checksum");
    const std::size_t held = bytes.size() - kRecordFraming;
    if (bytes[0] != held) {
      return failed("the record claims " + std::to_string(bytes[0]) + " data bytes but holds " + std::to_string(held));
    }
    std::uint8_t sum = 0;
    for (std::uint8_t byte : bytes) sum = static_cast<std::uint8_t>(sum + byte);
    if (sum != 0) {
      const auto expected = static_cast<std::uint8_t>(bytes.back() - sum);
      return failed("bad checksum " + hexNumber(bytes.back()) + " (the record's bytes give " + hexNumber(expected) +
                    ")");
    }
    Record record;
    record.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    record.type = bytes[3];
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return record;
  }

  std::nullopt_t failed(std::string text) {
    fail(std::move(text));
    return std::nullopt;
  }

  bool apply(const Record& record) {
    const bool first = !sawRecord_;
    sawRecord_ = true;
    switch (record.type) {
      case kDataRecord:
        if (first) image_.differences.addressRecords = true;  // no leading upper address record
        return applyData(record);
      case kEndOfFileRecord:
        if (!record.data.empty()) return fail("bad record length: an end record holds no data");
        if (record.address != 0) image_.differences.endRecord = true;
        ended_ = true;
        return true;
      case kExtendedLinearAddressRecord:
        if (record.data.size() != 2) return fail("bad record length: an extended address record holds 2 bytes");
        applyUpperAddress(record, first);
        return true;
      default:
        return fail("bad record type " + hexNumber(record.type) +
                    ": only 00 (data), 01 (end) and 04 (extended linear address) are read");
    }
  }

  // The writer starts with upper address 0 and announces each further one
  // just before the first record that needs it.
  void applyUpperAddress(const Record& record, bool first) {
    const auto upper = static_cast<std::uint32_t>(record.data[0] << 8 | record.data[1]);
    if (record.address != 0 || (first ? upper != 0 : pendingUpperRecord_ || upper == upper_)) {
      image_.differences.addressRecords = true;
    }
    pendingUpperRecord_ = !first;
    upper_ = upper;
  }

  bool applyData(const Record& record) {
    const std::uint64_t start = (std::uint64_t{upper_} << 16) + record.address;
    const std::uint64_t end = start + record.data.size();
    if (end > kLargestImage || start >= kLargestImage) {
      return fail("address " + hexAddress(static_cast<std::uint32_t>(std::max(start, std::uint64_t{kLargestImage}))) +
                  " is past 16 MiB: no image is that large");
    }
    const auto expected = static_cast<std::uint64_t>(image_.bytes.size());
    if (start < expected) {
      if (start < previousStart_) {
        return fail("addresses decrease: " + hexAddress(static_cast<std::uint32_t>(start)) + " after " +
                    hexAddress(static_cast<std::uint32_t>(previousStart_)));
      }
      return fail("the record at " + hexAddress(static_cast<std::uint32_t>(start)) +
                  " overlaps the bytes before it, which end at " + hexAddress(static_cast<std::uint32_t>(expected)));
    }
    if (start > expected) {
      if (expected == 0) {
        return fail("the bytes start at " + hexAddress(static_cast<std::uint32_t>(start)) +
                    ": an image starts at address 0");
      }
      return fail("a gap: no bytes from " + hexAddress(static_cast<std::uint32_t>(expected)) + " to " +
                  hexAddress(static_cast<std::uint32_t>(start - 1)) + ", and an image has none");
    }
    noteRecordShape(start, record.data.size());
    previousStart_ = start;
    pendingUpperRecord_ = false;
    image_.bytes.insert(image_.bytes.end(), record.data.begin(), record.data.end());
    return true;
  }

  void noteRecordShape(std::uint64_t start, std::size_t count) {
    if (shortRecordSeen_ || count == 0 || count > kMaxRecordBytes || start % kMaxRecordBytes != 0) {
      image_.differences.recordLengths = true;
    }
    if (count < kMaxRecordBytes) shortRecordSeen_ = true;
    // One record across a 64 KiB boundary stands where the writer puts two
    // and an upper address record.
    if ((start >> 16) != ((start + count - 1) >> 16) && count > 0) image_.differences.addressRecords = true;
  }

  HexImage& image_;
  int number_ = 0;
  bool sawRecord_ = false;
  bool ended_ = false;
  bool pendingUpperRecord_ = false;
  bool shortRecordSeen_ = false;
  std::uint32_t upper_ = 0;
  std::uint64_t previousStart_ = 0;
};

}  // namespace

HexImage readIntelHex(std::string_view text) {
  HexImage image;
  image.bytes.reserve(text.size() / 2);
  HexTextReader reader(image);
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lineFeed = text.find('\n', start);
    const bool last = lineFeed == std::string_view::npos;
    std::string_view line = text.substr(start, last ? std::string_view::npos : lineFeed - start);
    const bool crLf = !last && !line.empty() && line.back() == '\r';
    if (!reader.readLine(crLf ? line.substr(0, line.size() - 1) : line, ++number, crLf)) return image;
    if (last) break;
    start = lineFeed + 1;
  }
  reader.finish(number == 0 ? 1 : number);
  return image;
}

}  // namespace qv
