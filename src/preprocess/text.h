#pragma once
// Text helpers shared by the whole compile pipeline. Letter case is ASCII
// only; white space is what the C library's isspace says.

#include <string>
#include <string_view>
#include <vector>

namespace qv {

bool isSpace(char c);
bool isDigit(char c);

std::string_view trimView(std::string_view text);
std::string trim(std::string_view text);

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

// True when text is at least as long as prefix and begins with it, letters
// compared without regard to case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);
bool equalsNoCase(std::string_view a, std::string_view b);

// Words separated by runs of white space.
std::vector<std::string> splitWords(std::string_view text);

// Name order: bytes compared as unsigned values after ASCII lower-casing,
// so "_" sorts before letters.
int compareNoCase(std::string_view a, std::string_view b);

struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return compareNoCase(a, b) < 0; }
};

}  // namespace qv
