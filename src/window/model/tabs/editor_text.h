#pragma once
// Text forms of the shared editor.

#include <string>
#include <string_view>

namespace qv {

// Every CR dropped and every LF written as lineEnd.
std::string WithLineEnds(std::string_view text, std::string_view lineEnd);

// Every CR dropped and every LF written as CR LF.
std::string ToEditorLineEnds(std::string_view text);

// CR LF and lone CR each turned into one LF, as the editor gives text back.
struct LfText {
  std::string text;
  bool hadCrLf = false;
};
LfText WithLfLineEnds(std::string_view text);

// Tabs to spaces up to the next multiple of 8 columns; CR and LF restart
// the column.
std::string ExpandTabs(std::string_view text);

}  // namespace qv
