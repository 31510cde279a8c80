#include "window/model/tabs/editor_text.h"

#include <algorithm>

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

LfText WithLfLineEnds(std::string_view text) {
  LfText result;
  result.text.reserve(text.size());
  // Copied a line at a time: a source of a million lines is read again at
  // every compile.
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t carriageReturn = text.find('\r', from);
    result.text.append(text.substr(from, carriageReturn - from));
    if (carriageReturn == std::string_view::npos) break;
    result.text += '\n';
    from = carriageReturn + 1;
    if (from < text.size() && text[from] == '\n') {
      result.hadCrLf = true;
      ++from;
    }
  }
  return result;
}

std::string ExpandTabs(std::string_view text) {
  constexpr std::size_t kTabSize = 8;
  std::string expanded;
  expanded.reserve(text.size());
  std::size_t column = 0;
  // Copied from tab to tab: the listing of a big project runs to tens of
  // megabytes.
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t tab = text.find('\t', from);
    std::string_view run = text.substr(from, tab - from);
    expanded.append(run);
    std::size_t feed = run.rfind('\n');
    std::size_t carriageReturn = run.rfind('\r');
    std::size_t lineEnd = feed == std::string_view::npos ? carriageReturn
                          : carriageReturn == std::string_view::npos ? feed
                                                                      : std::max(feed, carriageReturn);
    column = lineEnd == std::string_view::npos ? column + run.size() : run.size() - lineEnd - 1;
    if (tab == std::string_view::npos) break;
    std::size_t spaces = kTabSize - column % kTabSize;
    expanded.append(spaces, ' ');
    column += spaces;
    from = tab + 1;
  }
  return expanded;
}

}  // namespace qv
