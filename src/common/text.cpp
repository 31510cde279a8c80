#include "common/text.h"

#include <cstdint>

namespace qv {

std::string trim(std::string_view text) { return std::string(trimView(text)); }

std::string toUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = upperAsciiChar(c);
  return upper;
}

std::string toLowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = lowerAsciiChar(c);
  return lower;
}

std::string joinedList(const std::vector<std::string_view>& items) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += i + 1 == items.size() ? " and " : ", ";
    joined += items[i];
  }
  return joined;
}

int compareNoCase(std::string_view a, std::string_view b) {
  std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    auto left = static_cast<unsigned char>(lowerAsciiChar(a[i]));
    auto right = static_cast<unsigned char>(lowerAsciiChar(b[i]));
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::size_t NoCaseHash::operator()(std::string_view text) const {
  // FNV-1a over the lower-cased bytes.
  std::uint64_t hash = 0xCBF29CE484222325u;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(lowerAsciiChar(c));
    hash *= 0x100000001B3u;
  }
  return static_cast<std::size_t>(hash);
}

}  // namespace qv
