#include <windows.h>

#include <climits>

#include "platform/text_decoding.h"

namespace qv {

std::u32string decodeAnsiCodePage(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  int length = static_cast<int>(bytes.size());
  int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), units);
  // wchar_t is a UTF-16 unit here, stored little-endian.
  std::string_view unitBytes(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return decodeUtf16(unitBytes, ByteOrder::LittleEndian);
}

}  // namespace qv
