#pragma once
// Numbers in the messages and the source the disassembler writes.

#include <cstdint>
#include <string>

#include "output/hex_digits.h"

namespace qv {

// "0x" and two digits for a byte, four up to 0xFFFF, six above.
inline void appendHexNumber(std::string& text, std::uint32_t value) {
  text += "0x";
  if (value > 0xFFFF) appendHexByte(text, static_cast<std::uint8_t>(value >> 16));
  if (value > 0xFF) appendHexByte(text, static_cast<std::uint8_t>(value >> 8));
  appendHexByte(text, static_cast<std::uint8_t>(value));
}

inline std::string hexNumber(std::uint32_t value) {
  std::string text;
  appendHexNumber(text, value);
  return text;
}

// Addresses always with at least four digits.
inline std::string hexAddress(std::uint32_t value) {
  std::string text = "0x";
  if (value > 0xFFFFFF) appendHexByte(text, static_cast<std::uint8_t>(value >> 24));
  if (value > 0xFFFF) appendHexByte(text, static_cast<std::uint8_t>(value >> 16));
  appendHexWord(text, static_cast<std::uint16_t>(value));
  return text;
}

}  // namespace qv
