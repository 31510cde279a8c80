#include "platform/text_decoding.h"

#include <array>

namespace qv {

namespace {

// Bytes 0x80..0x9F of Windows-1252; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

struct SequenceShape {
  std::size_t length;
  unsigned char leadMask;
  // Anything below needs fewer bytes: an overlong form.
  char32_t smallest;
};

std::optional<SequenceShape> sequenceShape(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return SequenceShape{2, 0x1F, 0x80};
  if ((lead & 0xF0) == 0xE0) return SequenceShape{3, 0x0F, 0x800};
  if ((lead & 0xF8) == 0xF0) return SequenceShape{4, 0x07, 0x10000};
  return std::nullopt;
}

}  // namespace

std::u32string decodeUtf16(std::string_view bytes, ByteOrder order) {
  std::size_t unitCount = bytes.size() / 2;
  auto unitAt = [&](std::size_t index) -> char32_t {
    auto first = static_cast<unsigned char>(bytes[2 * index]);
    auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
    return order == ByteOrder::LittleEndian ? char32_t(first | second << 8) : char32_t(first << 8 | second);
  };
  std::u32string text;
  text.reserve(unitCount);
  for (std::size_t i = 0; i < unitCount; ++i) {
    char32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + 1 < unitCount && isLowSurrogate(unitAt(i + 1))) {
      text += 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
      ++i;
    } else {
      text += unit;
    }
  }
  return text;
}

std::optional<std::u32string> decodeUtf8Strict(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text += lead;
      ++i;
      continue;
    }
    std::optional<SequenceShape> shape = sequenceShape(lead);
    if (!shape) return std::nullopt;
    std::size_t length = shape->length;
    char32_t value = lead & shape->leadMask;
    if (bytes.size() - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(bytes[i + k]);
      if (!isContinuation(next)) return std::nullopt;
      value = value << 6 | (next & 0x3F);
    }
    if (value < shape->smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    text += value;
    i += length;
  }
  return text;
}

std::u32string decodeWindows1252(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    text += (byte >= 0x80 && byte <= 0x9F) ? kWindows1252High[byte - 0x80] : char32_t(byte);
  }
  return text;
}

}  // namespace qv
