#pragma once

#include <string>
#include <string_view>

#include "window/model/files/text_file.h"

namespace qv::test {

// The bytes a save writes for LF-style text: LF on POSIX, CR LF on Windows.
inline std::string savedLf(std::string_view text) {
  std::string bytes;
  for (char c : text) {
    if (c == '\n') {
      bytes += SavedLineEnd("\n");
    } else {
      bytes += c;
    }
  }
  return bytes;
}

}  // namespace qv::test
