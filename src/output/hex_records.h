#pragma once
// The Intel HEX record types and record size the HEX writer uses, which the
// reader of images compares a text against.

#include <cstddef>
#include <cstdint>

namespace qv {

inline constexpr std::uint8_t kDataRecord = 0x00;
inline constexpr std::uint8_t kEndOfFileRecord = 0x01;
inline constexpr std::uint8_t kExtendedLinearAddressRecord = 0x04;
inline constexpr std::size_t kMaxRecordBytes = 16;

}  // namespace qv
