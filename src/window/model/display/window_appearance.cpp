#include "window/model/display/window_appearance.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "platform/trace_log.h"
#include "window/model/layout/top_area_layout.h"
#include "window/model/results/status_words.h"

namespace qv {

namespace {

constexpr char kProgramName[] = "Quaverton";
constexpr char kProgramVersion[] = "1.2a 30 September 2026";
constexpr int kToolTipDelayMs = 120;

struct ToolTipText {
  ControlId control;
  const char* text;
};

constexpr ToolTipText kToolTips[] = {
    {ControlId::NoWrite, "No Write: skip writing output files."},
    {ControlId::ShowInactive, "Show Inactive: include #if 0 style disabled lines."},
    {ControlId::Compile, "Compile (F5): generates .MAP, .SYM, .LST, .HEX"},
    {ControlId::FindText, "Find text in the current tab output."},
    {ControlId::FindNext, "Find next match."},
    {ControlId::FindPrev, "Find previous match."},
    {ControlId::MatchCase, "Match case while searching."},
    {ControlId::WholeWord, "Match whole words only."},
};

std::optional<int> bottomOf(const MainDialogView& view, ControlId id) {
  std::optional<PixelRect> rect = view.ControlRect(id);
  if (!rect) return std::nullopt;
  return rect->bottom();
}

}  // namespace

void WindowAppearance::UpdateOutputBrushes() { m_view.SetWindowColours(kWindowColours); }

void WindowAppearance::UpdateWindowTitle() {
  std::string title(kProgramName);
  title.append(" - version ").append(kProgramVersion);
  m_view.SetWindowTitle(title);
}

void WindowAppearance::SetupToolTips() {
  if (m_toolTipCreated) return;
  m_toolTipCreated = true;
  m_view.SetToolTipDelay(kToolTipDelayMs);
  for (const ToolTipText& tip : kToolTips) m_view.SetToolTip(tip.control, tip.text);
}

void WindowAppearance::SetEditorFontFromTemplate() {
  if (m_view.SetEditorFont({"Courier New", 9, true})) {
    traceLog("MainDialog OnInitDialog set bold Courier font.");
    return;
  }
  if (m_view.SetEditorFont({"Courier New", 9, false})) traceLog("MainDialog OnInitDialog set regular Courier font.");
}

int WindowAppearance::LayoutTopFromControls() const {
  return LayoutTop({bottomOf(m_view, ControlId::NoWrite), bottomOf(m_view, ControlId::ShowInactive),
                    bottomOf(m_view, ControlId::Suffix)});
}

BottomRowNeeds WindowAppearance::MeasureBottomRow() const {
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

void WindowAppearance::SetMinimumWindowSize() {
  BottomRowNeeds needs = MeasureBottomRow();
  DialogBaseUnits units = m_view.BaseUnits();
  int width = std::max(TopAreaMinimumWidth(TemplateTopArea(units)), BottomRowMinimumWidth(needs));
  int height = MinimumClientHeight(LayoutTopFromControls(), needs);
  // A small or scaled screen wins: the window fits it, its controls moving
  // on as they do at the small sizes.
  PixelRect workArea = m_view.WorkArea();
  int frame = std::max(m_view.TemplateWindowWidth() - DialogToPixels(kMainDialogTemplateSize, units).width, 0);
  if (workArea.width > 0) width = std::clamp(workArea.width - frame, 1, width);
  if (workArea.height > 0) height = std::clamp(workArea.height - frame, 1, height);
  m_view.SetMinimumClientSize(width, height);
}

void WindowAppearance::OnSize(int clientWidth, int clientHeight) {
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
