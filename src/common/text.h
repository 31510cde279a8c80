#pragma once
// Text helpers shared by the whole compile pipeline. Letter case is ASCII
// only; white space is what the C library's isspace says.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Blank, tab, LF, VT, FF and CR, as the C locale's isspace; inline, since
// every character of every line passes here.
constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view trimView(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string trim(std::string_view text);

// Where the first word ends for directives and statements: the first blank
// or tab, or npos.
constexpr std::size_t findBlankOrTab(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ' || text[i] == '\t') return i;
  }
  return std::string_view::npos;
}

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

constexpr char lowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char upperAsciiChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// True when text is at least as long as prefix and begins with it, letters
// compared without regard to case. Inline: keyword tests run on every line.
constexpr bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lowerAsciiChar(text[i]) != lowerAsciiChar(prefix[i])) return false;
  }
  return true;
}

constexpr bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithNoCase(a, b);
}

// "a", "a and b", "a, b and c".
std::string joinedList(const std::vector<std::string_view>& items);

// Name order: bytes compared as unsigned values after ASCII lower-casing,
// so "_" sorts before letters.
int compareNoCase(std::string_view a, std::string_view b);

struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return compareNoCase(a, b) < 0; }
};

// Hash and equality that ignore ASCII letter case, for unordered lookups by
// name that agree with NoCaseLess.
struct NoCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const;
};

struct NoCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return equalsNoCase(a, b); }
};

}  // namespace qv
