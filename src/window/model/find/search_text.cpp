#include "window/model/find/search_text.h"

#include <algorithm>
#include <cctype>

#include "common/text.h"

namespace qv {

namespace {

bool isBreakOrTab(char c) { return c == '\r' || c == '\n' || c == '\t'; }

bool matchesAt(std::string_view text, std::string_view what, std::size_t position, const SearchOptions& options) {
  std::string_view here = text.substr(position, what.size());
  bool equal = options.matchCase ? here == what : equalsNoCase(here, what);
  if (!equal || !options.wholeWord) return equal;
  std::size_t after = position + what.size();
  bool wordBefore = position > 0 && IsWordCharacter(text[position - 1]);
  bool wordAfter = after < text.size() && IsWordCharacter(text[after]);
  return !wordBefore && !wordAfter;
}

}  // namespace

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

std::string CleanSearchText(std::string_view text) {
  std::string cleaned;
  for (char c : text) {
    if (isBreakOrTab(c)) {
      if (!cleaned.empty() && cleaned.back() != ' ') cleaned += ' ';
    } else if (c >= 32 && c <= 126) {
      cleaned += c;
    }
  }
  return trim(cleaned);
}

std::optional<std::size_t> FindInText(std::string_view text, std::string_view what, std::size_t start,
                                      const SearchOptions& options) {
  if (what.empty() || text.size() < what.size()) return std::nullopt;
  std::size_t last = text.size() - what.size();
  if (options.forward) {
    for (std::size_t position = start; position <= last; ++position) {
      if (matchesAt(text, what, position, options)) return position;
    }
    for (std::size_t position = 0; position <= last; ++position) {
      if (matchesAt(text, what, position, options)) return position;
    }
    return std::nullopt;
  }
  start = std::min(start, text.size());
  if (start >= what.size()) {
    for (std::size_t position = start - what.size() + 1; position-- > 0;) {
      if (matchesAt(text, what, position, options)) return position;
    }
  }
  for (std::size_t position = last + 1; position-- > 0;) {
    if (matchesAt(text, what, position, options)) return position;
  }
  return std::nullopt;
}

std::string_view WordAround(std::string_view text, std::size_t position) {
  position = std::min(position, text.size());
  std::size_t begin = position;
  while (begin > 0 && IsWordCharacter(text[begin - 1])) --begin;
  std::size_t end = position;
  while (end < text.size() && IsWordCharacter(text[end])) ++end;
  return text.substr(begin, end - begin);
}

std::string_view LineAround(std::string_view text, std::size_t position) {
  position = std::min(position, text.size());
  std::size_t begin = 0;
  if (position > 0) {
    std::size_t previousBreak = text.rfind('\n', position - 1);
    if (previousBreak != std::string_view::npos) begin = previousBreak + 1;
  }
  std::size_t end = text.find_first_of("\r\n", position);
  if (end == std::string_view::npos) end = text.size();
  return text.substr(begin, end - begin);
}

std::size_t LineStart(std::string_view text, int line) {
  std::size_t offset = 0;
  for (int current = 1; current < line; ++current) {
    std::size_t lineEnd = text.find('\n', offset);
    if (lineEnd == std::string_view::npos) return text.size();
    offset = lineEnd + 1;
  }
  return offset;
}

}  // namespace qv
