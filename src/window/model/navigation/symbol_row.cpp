#include "window/model/navigation/symbol_row.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "common/text.h"

namespace qv {

namespace {

bool isHexNumber(std::string_view token) {
  return !token.empty() &&
         std::all_of(token.begin(), token.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// Not the compiler's word splitter: a symbols row splits at blanks, tabs,
// CR and LF only, so a form feed or vertical tab stays inside a name.
std::vector<std::string_view> tokensOf(std::string_view line) {
  constexpr std::string_view kSeparators = " \t\r\n";
  std::vector<std::string_view> tokens;
  std::size_t position = line.find_first_not_of(kSeparators);
  while (position != std::string_view::npos) {
    std::size_t end = line.find_first_of(kSeparators, position);
    if (end == std::string_view::npos) end = line.size();
    tokens.push_back(line.substr(position, end - position));
    position = line.find_first_not_of(kSeparators, end);
  }
  return tokens;
}

}  // namespace

std::optional<std::string> NameFromSymbolsLine(std::string_view line) {
  std::vector<std::string_view> tokens = tokensOf(line);
  if (tokens.empty() || equalsNoCase(tokens[0], "Seq")) return std::nullopt;
  // A lone word is no table row: it names nothing.
  if (tokens.size() == 1 && !isHexNumber(tokens[0])) return std::string();

  std::string_view candidate;
  if (!isHexNumber(tokens[0])) {
    candidate = tokens[0];
  } else if (tokens.size() > 1 && !isHexNumber(tokens[1])) {
    candidate = tokens[1];
  } else if (tokens.size() > 2) {
    candidate = tokens[2];
  } else {
    return std::nullopt;
  }
  std::size_t end = candidate.find_last_not_of(" ,\t");
  candidate = end == std::string_view::npos ? std::string_view() : candidate.substr(0, end + 1);
  std::size_t begin = candidate.find_first_not_of(" \t");
  candidate = begin == std::string_view::npos ? std::string_view() : candidate.substr(begin);
  if (isHexNumber(candidate)) return std::nullopt;
  return std::string(candidate);
}

}  // namespace qv
