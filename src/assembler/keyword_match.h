#pragma once
// Keyword test for the per-line classification: no allocation and no call
// per character, since every line of a source passes here several times.

#include <cstddef>
#include <string_view>

#include "common/text.h"

namespace qv {

// True when word equals keyword (written in upper case), ignoring case.
constexpr bool isKeyword(std::string_view word, std::string_view upperKeyword) {
  if (word.size() != upperKeyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (upperAsciiChar(word[i]) != upperKeyword[i]) return false;
  }
  return true;
}

}  // namespace qv
