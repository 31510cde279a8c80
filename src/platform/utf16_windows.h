#pragma once
// The program keeps text in UTF-8; the Windows calls take UTF-16.

#include <string>
#include <string_view>

namespace qv {

// Invalid UTF-8 becomes U+FFFD, never an error.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

// toUtf16 of the path with its separators turned into "\".
std::wstring nativeWidePath(std::string_view path);

}  // namespace qv
