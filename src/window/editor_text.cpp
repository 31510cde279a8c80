#include "window/editor_text.h"

namespace qv {

std::string WithLineEnds(std::string_view text, std::string_view lineEnd) {
  std::string converted;
  converted.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      converted += lineEnd;
    } else {
      converted += c;
    }
  }
  return converted;
}

std::string ToEditorLineEnds(std::string_view text) { return WithLineEnds(text, "\r\n"); }

std::string ExpandTabs(std::string_view text) {
  constexpr std::size_t kTabSize = 8;
  std::string expanded;
  expanded.reserve(text.size());
  std::size_t column = 0;
  for (char c : text) {
    if (c == '\t') {
      std::size_t spaces = kTabSize - column % kTabSize;
      expanded.append(spaces, ' ');
      column += spaces;
    } else {
      expanded += c;
      column = (c == '\r' || c == '\n') ? 0 : column + 1;
    }
  }
  return expanded;
}

}  // namespace qv
