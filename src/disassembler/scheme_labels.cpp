#include "disassembler/scheme_labels.h"

#include <algorithm>
#include <array>
#include <optional>

namespace qv {

namespace {

constexpr std::size_t kSchemeNumbers = 32;

// Where the branch or skip of item i goes within its scheme; none for other
// items and for a skip over bytes, which have no command count.
std::optional<std::uint32_t> targetOf(std::span<const std::uint8_t> image, const ImageLayout& layout,
                                      const SchemeSpan& scheme, std::size_t i) {
  const ImageItem& item = layout.items[i];
  if (isBranch(item.command)) return branchTarget(image, scheme.header, item);
  std::size_t skipped = 0;
  if (item.command == Command::SkipOnTrigger) skipped = 1;
  if (item.command == Command::MaskCompare) {
    skipped = static_cast<std::size_t>(decodeCommand(image, item.address).values[4]);
  }
  if (skipped == 0 || i + skipped >= scheme.endItem) return std::nullopt;
  for (std::size_t k = i + 1; k <= i + skipped; ++k) {
    if (layout.items[k].command == Command::None) return std::nullopt;
  }
  const std::size_t after = i + skipped + 1;
  return after < scheme.endItem ? layout.items[after].address : scheme.end;
}

// A target inside a command is reached from the command's start; inside
// bytes, a label can stand at the target itself.
std::uint32_t labelPlace(const ImageLayout& layout, const SchemeSpan& scheme, std::uint32_t target) {
  if (target >= scheme.end) return scheme.end;
  auto first = layout.items.begin() + static_cast<std::ptrdiff_t>(scheme.firstItem);
  auto last = layout.items.begin() + static_cast<std::ptrdiff_t>(scheme.endItem);
  auto after = std::upper_bound(first, last, target,
                                [](std::uint32_t value, const ImageItem& item) { return value < item.address; });
  const ImageItem& item = *(after - 1);
  return item.command == Command::None ? target : item.address;
}

}  // namespace

SchemeLabels::SchemeLabels(std::span<const std::uint8_t> image, const ImageLayout& layout) {
  addresses_.resize(layout.schemes.size());
  names_.resize(layout.schemes.size());
  std::array<int, kSchemeNumbers> seen{};
  for (std::size_t s = 0; s < layout.schemes.size(); ++s) {
    const SchemeSpan& scheme = layout.schemes[s];
    std::vector<std::uint32_t>& places = addresses_[s];
    for (std::size_t i = scheme.firstItem; i < scheme.endItem; ++i) {
      if (std::optional<std::uint32_t> target = targetOf(image, layout, scheme, i)) {
        places.push_back(labelPlace(layout, scheme, *target));
      }
    }
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());

    // Scheme numbers repeat only in odd images; a repeat gets its count.
    const std::uint8_t number = image[scheme.header + 1];
    const int repeat = ++seen[number];
    std::string prefix = "S" + std::to_string(number) + (repeat > 1 ? "_" + std::to_string(repeat) : "") + "_L";
    names_[s].reserve(places.size());
    for (std::size_t k = 0; k < places.size(); ++k) names_[s].push_back(prefix + std::to_string(k + 1));
  }
}

LabelReference SchemeLabels::reference(std::size_t scheme, std::uint32_t target) const {
  const std::vector<std::uint32_t>& places = addresses_[scheme];
  auto after = std::upper_bound(places.begin(), places.end(), target);
  if (after == places.begin()) return {};
  const auto index = static_cast<std::size_t>(after - 1 - places.begin());
  return {&names_[scheme][index], target - places[index]};
}

}  // namespace qv
