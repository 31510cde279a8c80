// Where the controls go as the window changes size, and how small it may get.
#include <algorithm>
#include <optional>
#include <utility>

#include "window/main_dialog.h"
#include "window/model/status/status_words.h"
#include "window/model/layout/top_area_layout.h"

namespace qv {

namespace {

std::optional<int> bottomOf(const MainDialogView& view, ControlId id) {
  std::optional<PixelRect> rect = view.ControlRect(id);
  if (!rect) return std::nullopt;
  return rect->bottom();
}

}  // namespace

int CMainDialog::LayoutTopFromControls() const {
  return LayoutTop({bottomOf(m_view, ControlId::NoWrite), bottomOf(m_view, ControlId::ShowInactive),
                    bottomOf(m_view, ControlId::Suffix)});
}

BottomRowNeeds CMainDialog::MeasureBottomRow() const {
  // The widest words the status line shows before and after a compile.
  CompileResult warned;
  warned.messages.push_back("WARNING:");
  int widest = 0;
  for (const std::string& words : {StatusWordsFor(false, CompileResult(), true), StatusWordsFor(true, warned, true)}) {
    widest = std::max(widest, m_view.TextWidth(StatusLineText(words, false, true)));
  }
  return {widest,
          m_view.ControlHeightHint(ControlId::Status),
          m_view.ControlHeightHint(ControlId::FindLabel),
          m_view.ControlHeightHint(ControlId::FindText),
          std::max(m_view.ControlHeightHint(ControlId::FindNext), m_view.ControlHeightHint(ControlId::FindPrev)),
          std::max(m_view.ControlHeightHint(ControlId::MatchCase), m_view.ControlHeightHint(ControlId::WholeWord))};
}

void CMainDialog::SetMinimumWindowSize() {
  BottomRowNeeds needs = MeasureBottomRow();
  int width = std::max(TopAreaMinimumWidth(TemplateTopArea(m_view.BaseUnits())), BottomRowMinimumWidth(needs));
  m_view.SetMinimumClientSize(width, MinimumClientHeight(LayoutTopFromControls(), needs));
}

void CMainDialog::OnSize(int clientWidth, int clientHeight) {
  if (!m_view.ControlExists(ControlId::OutputTab) || !m_view.ControlExists(ControlId::OutputText)) return;
  for (const auto& [control, place] : FitTopArea(TemplateTopArea(m_view.BaseUnits()), clientWidth)) {
    std::optional<PixelRect> now = m_view.ControlRect(control);
    if (now) m_view.MoveControl(control, {place.x, now->y, place.width, now->height});
  }
  WindowLayout layout = ComputeWindowLayout(clientWidth, clientHeight, LayoutTopFromControls(), MeasureBottomRow());

  const std::pair<ControlId, PixelRect> placements[] = {
      {ControlId::OutputTab, layout.tabStrip}, {ControlId::OutputText, layout.editor},
      {ControlId::Status, layout.status},      {ControlId::FindLabel, layout.findLabel},
      {ControlId::FindText, layout.findText},  {ControlId::FindNext, layout.findNext},
      {ControlId::FindPrev, layout.findPrev},  {ControlId::MatchCase, layout.matchCase},
      {ControlId::WholeWord, layout.wholeWord}};
  for (const auto& [control, rect] : placements) {
    if (m_view.ControlExists(control)) m_view.MoveControl(control, rect);
  }
  if (!m_view.ControlExists(ControlId::Progress)) return;
  m_view.MoveControl(ControlId::Progress, layout.progress);
  if (layout.progress.isEmpty()) m_view.ShowControl(ControlId::Progress, false);
}

}  // namespace qv
