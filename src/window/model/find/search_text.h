#pragma once
// Searching the editor's text and reading words and lines out of it.
// Positions are byte offsets into the text.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Letters, digits and "_".
bool IsWordCharacter(char c);

// Line breaks and tabs become one blank (none at the start or after a
// blank), bytes outside 32..126 are dropped, and the ends are trimmed.
std::string CleanSearchText(std::string_view text);

struct SearchOptions {
  bool forward = true;
  bool matchCase = false;
  bool wholeWord = false;
};

// Forward: the first match at or after start, else the first in the whole
// text. Backward: the last match ending at or before start, else the last in
// the whole text.
std::optional<std::size_t> FindInText(std::string_view text, std::string_view what, std::size_t start,
                                      const SearchOptions& options);

// The run of word characters that touches position; empty when none does.
std::string_view WordAround(std::string_view text, std::size_t position);

// The line holding position, without its line break.
std::string_view LineAround(std::string_view text, std::size_t position);

// Offset of the first character of a line counted from 1; the text's end
// when the text has fewer lines.
std::size_t LineStart(std::string_view text, int line);

}  // namespace qv
