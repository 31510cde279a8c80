#pragma once
// Upper-case hexadecimal appended straight to a text: the writers emit
// millions of these, so no stream or printf formatting per byte.

#include <cstdint>
#include <string>

namespace qv {

inline void appendHexByte(std::string& text, std::uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text.push_back(kDigits[value >> 4]);
  text.push_back(kDigits[value & 0x0F]);
}

inline void appendHexWord(std::string& text, std::uint16_t value) {
  appendHexByte(text, static_cast<std::uint8_t>(value >> 8));
  appendHexByte(text, static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace qv
