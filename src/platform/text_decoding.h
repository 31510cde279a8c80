#pragma once
// Byte encodings of text files turned into Unicode code points.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class ByteOrder { LittleEndian, BigEndian };

// Two bytes per unit; surrogate pairs are joined, and a unit that cannot be
// paired stays as its own value. A last odd byte is dropped.
std::u32string decodeUtf16(std::string_view bytes, ByteOrder order);

// Nothing when the bytes are not well-formed UTF-8: overlong forms,
// surrogates, values above U+10FFFF and cut-off sequences are all refused.
std::optional<std::u32string> decodeUtf8Strict(std::string_view bytes);

// The single-byte code page of 8-bit texts. Never fails: the five bytes it
// leaves undefined stand for themselves.
std::u32string decodeWindows1252(std::string_view bytes);

// The system's own 8-bit code page: the ANSI code page on Windows,
// Windows-1252 elsewhere. Never fails.
std::u32string decodeAnsiCodePage(std::string_view bytes);

}  // namespace qv
