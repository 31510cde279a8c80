#pragma once
// The status line: the last thing the window said, the typing mode, and the
// caret's place in the editable tabs.

#include <optional>
#include <string>

#include "window/main_dialog_view.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

class StatusLine {
 public:
  StatusLine(MainDialogView& view, const TabSet& tabs) : m_view(view), m_tabs(tabs) {}

  // UpdateStatusLine: the text ("Ready" when empty), the typing mode outside
  // the success highlight, and the caret's place.
  void Update();
  // The text, then Update.
  void Show(std::string text);
  // Where a jump went ("Symbol: NAME (line N)"): said over the text until
  // the window says something else or the caret leaves the place.
  void ShowPlace(std::string words);
  // After every move of the caret.
  void OnCaretMoved();
  // "Ln L, Col C" while an editable tab shows and no compile runs.
  void UpdateCaretPlace();

  // What the status line says; kept until something else is said.
  std::string text;
  // Drawn in the success colour while a compile runs.
  bool highlight = false;
  // Overwrite typing mode, switched by the Insert key.
  bool overwrite = false;

 private:
  struct Place {
    std::string words;
    int caret = 0;
  };

  MainDialogView& m_view;
  const TabSet& m_tabs;
  std::optional<Place> m_place;
};

}  // namespace qv
