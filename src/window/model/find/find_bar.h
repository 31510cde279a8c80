#pragma once
// The find box and its buttons: searching the current tab's text forward or
// back, and Ctrl+F taking the selection into the box.

#include <cstddef>
#include <optional>
#include <string>

#include "window/main_dialog_view.h"
#include "window/model/find/search_text.h"

namespace qv {

class FindBar {
 public:
  explicit FindBar(MainDialogView& view) : m_view(view) {}

  void OnFindNext() { FindFromBox(true); }
  void OnFindPrev() { FindFromBox(false); }
  // The box's cleaned text, searched for; Enter in the box does this too.
  void FindFromBox(bool forward);
  void OnFindShortcut();
  // Selects the next match from the caret and shows it; none when there is none.
  std::optional<std::size_t> FindInEditor(const std::string& what, const SearchOptions& options);

  // The text of the last search; a compile clears it.
  std::string findText;

 private:
  MainDialogView& m_view;
};

}  // namespace qv
