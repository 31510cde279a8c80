#pragma once
// How the window looks and where its controls go: colours, title, tooltips,
// the editor's font, the minimum size, and the layout on every size change.

#include "window/main_dialog_view.h"
#include "window/model/layout/window_layout.h"

namespace qv {

class WindowAppearance {
 public:
  explicit WindowAppearance(MainDialogView& view) : m_view(view) {}

  void UpdateOutputBrushes();
  void UpdateWindowTitle();
  void SetupToolTips();
  void SetEditorFontFromTemplate();
  // Small enough for small screens, large enough to show every control.
  void SetMinimumWindowSize();
  void OnSize(int clientWidth, int clientHeight);

 private:
  int LayoutTopFromControls() const;
  BottomRowNeeds MeasureBottomRow() const;

  MainDialogView& m_view;
  bool m_toolTipCreated = false;
};

}  // namespace qv
