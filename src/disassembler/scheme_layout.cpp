#include "disassembler/scheme_layout.h"

#include <algorithm>

namespace qv {

namespace {

// Every byte of a run that forms no command could start one, so a scheme
// may end inside such a run.
bool isByteRun(const ImageItem& item) { return item.command == Command::None && item.reason == ByteReason::NoCommand; }

std::vector<ImageItem> readItems(std::span<const std::uint8_t> image) {
  std::vector<ImageItem> items;
  items.reserve(image.size() / 2 + 1);
  for (std::size_t at = 0; at < image.size();) {
    DecodedCommand decoded = decodeCommand(image, at);
    const ImageItem item{static_cast<std::uint32_t>(at), decoded.size, decoded.command, decoded.reason};
    if (isByteRun(item) && !items.empty() && isByteRun(items.back())) {
      items.back().size += item.size;
    } else {
      items.push_back(item);
    }
    at += decoded.size;
  }
  return items;
}

class SchemeFinder {
 public:
  SchemeFinder(std::span<const std::uint8_t> image, const std::vector<ImageItem>& items)
      : image_(image), items_(items) {}

  // Schemes follow one another from left to right; a scheme header inside a
  // scheme is no header of its own.
  std::vector<SchemeSpan> find(std::vector<std::uint32_t>& failedHeaders) const {
    std::vector<std::uint32_t> headers;
    for (const ImageItem& item : items_) {
      if (item.command == Command::SkemeStart) headers.push_back(item.address);
    }
    // The header after each that closes where its own length says.
    std::vector<std::uint32_t> nextPlausible(headers.size());
    auto next = static_cast<std::uint32_t>(image_.size());
    for (std::size_t i = headers.size(); i-- > 0;) {
      nextPlausible[i] = next;
      if (endsAtItsLength(headers[i])) next = headers[i];
    }

    std::vector<SchemeSpan> schemes;
    std::uint32_t resume = 0;
    for (std::size_t i = 0; i < headers.size(); ++i) {
      const std::uint32_t header = headers[i];
      if (header < resume) continue;
      const std::uint32_t length = storedSchemeLength(image_, header);
      const std::uint32_t natural = nextPlausible[i];
      std::uint32_t end = 0;
      if (((natural - header) & 0xFFFF) == length) {
        // Also a scheme longer than 64 KiB, whose length lost its upper bits.
        end = natural;
      } else if (length >= 4 && header + length < natural && isBoundary(header + length)) {
        // The bytes up to the next scheme lie outside any.
        end = header + length;
      } else {
        failedHeaders.push_back(header);
        continue;
      }
      schemes.push_back({header, end, 0, 0});
      resume = end;
    }
    return schemes;
  }

 private:
  bool endsAtItsLength(std::uint32_t header) const {
    const std::uint32_t length = storedSchemeLength(image_, header);
    return length >= 4 && header + length <= image_.size() && isBoundary(header + length);
  }

  bool isBoundary(std::uint32_t address) const {
    if (address >= image_.size()) return true;
    auto after = std::upper_bound(items_.begin(), items_.end(), address,
                                  [](std::uint32_t value, const ImageItem& item) { return value < item.address; });
    const ImageItem& item = *(after - 1);
    return item.address == address || isByteRun(item);
  }

  std::span<const std::uint8_t> image_;
  const std::vector<ImageItem>& items_;
};

// Gives each item its part: a scheme's command, or bytes for the reason.
class ItemMarker {
 public:
  ItemMarker(std::span<const std::uint8_t> image, std::vector<SchemeSpan>& schemes,
             const std::vector<std::uint32_t>& failedHeaders)
      : image_(image), schemes_(schemes), failedHeaders_(failedHeaders) {}

  std::vector<ImageItem> mark(const std::vector<ImageItem>& items) {
    std::vector<ImageItem> marked;
    marked.reserve(items.size() + schemes_.size());
    for (ImageItem item : items) {
      // A scheme may end inside a run of bytes: the run is cut there.
      while (scheme_ < schemes_.size() && item.address < schemes_[scheme_].end &&
             item.address + item.size > schemes_[scheme_].end) {
        const std::uint32_t head = schemes_[scheme_].end - item.address;
        add(marked, {item.address, head, item.command, item.reason});
        item.address += head;
        item.size -= head;
      }
      add(marked, item);
    }
    closeScheme(marked);
    return marked;
  }

 private:
  void add(std::vector<ImageItem>& marked, ImageItem item) {
    if (scheme_ < schemes_.size() && item.address >= schemes_[scheme_].end) closeScheme(marked);
    const bool inside = scheme_ < schemes_.size() && item.address >= schemes_[scheme_].header;
    if (inside && item.address == schemes_[scheme_].header) schemes_[scheme_].firstItem = marked.size();
    if (!inside) {
      const bool failedHeader = std::binary_search(failedHeaders_.begin(), failedHeaders_.end(), item.address) &&
                                item.command == Command::SkemeStart;
      item.reason = failedHeader ? ByteReason::LengthDisagrees : ByteReason::OutsideScheme;
      item.command = Command::None;
    } else if (item.command == Command::SkemeStart && item.address != schemes_[scheme_].header) {
      item = {item.address, item.size, Command::None, ByteReason::HeaderInsideScheme};
    } else if (isBranch(item.command) && branchTarget(image_, schemes_[scheme_].header, item) > schemes_[scheme_].end) {
      item = {item.address, item.size, Command::None, ByteReason::BranchOutside};
    }
    marked.push_back(item);
  }

  void closeScheme(std::vector<ImageItem>& marked) {
    if (scheme_ >= schemes_.size() || marked.empty() || marked.back().address < schemes_[scheme_].header) return;
    schemes_[scheme_].endItem = marked.size();
    ++scheme_;
  }

  std::span<const std::uint8_t> image_;
  std::vector<SchemeSpan>& schemes_;
  const std::vector<std::uint32_t>& failedHeaders_;
  std::size_t scheme_ = 0;
};

}  // namespace

ImageLayout layOutImage(std::span<const std::uint8_t> image) {
  ImageLayout layout;
  std::vector<ImageItem> items = readItems(image);
  std::vector<std::uint32_t> failedHeaders;
  layout.schemes = SchemeFinder(image, items).find(failedHeaders);
  layout.items = ItemMarker(image, layout.schemes, failedHeaders).mark(items);
  return layout;
}

}  // namespace qv
