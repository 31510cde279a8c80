#include "window/main_dialog.h"

#include <iterator>

#include "compile/output_paths.h"
#include "platform/trace_log.h"
#include "window/model/settings/settings_values.h"
#include "window/model/status/status_words.h"
#include "window/window_texts.h"

namespace qv {

namespace {

constexpr char kProgramName[] = "Quaverton";
constexpr char kProgramVersion[] = "1.2a 30 September 2026";
constexpr int kProgressRange = 1000;
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

}  // namespace

CMainDialog::CMainDialog(MainDialogView& view, SettingsStore& store, const void* parent)
    : m_suffix(settings::kDefaultSuffix), m_sourceEol(kDefaultLineEnd), m_view(view), m_settings(store) {
  traceLog("MainDialog ctor: parent=%p", parent);
}

bool CMainDialog::OnInitDialog() {
  traceLog("MainDialog OnInitDialog enter.");
  traceLog("MainDialog OnInitDialog after CDialog::OnInitDialog. outputText=%p outputTab=%p",
           m_view.ControlHandle(ControlId::OutputText), m_view.ControlHandle(ControlId::OutputTab));
  m_view.MakeResizable();
  SetMinimumWindowSize();
  traceLog("MainDialog OnInitDialog after ModifyStyle.");
  UpdateOutputBrushes();
  traceLog("MainDialog OnInitDialog after UpdateOutputBrushes.");

  m_view.SetControlText(ControlId::Suffix, m_suffix);
  m_statusText = kReadyStatus;
  UpdateStatusLine();
  for (ControlId box : {ControlId::NoWrite, ControlId::ShowInactive, ControlId::MatchCase, ControlId::WholeWord}) {
    m_view.SetChecked(box, false);
  }
  m_view.SetControlText(ControlId::FindText, "");

  m_view.CreateProgressBar(kProgressRange);
  m_view.SetTabItems({std::begin(kInitialTabLabels), std::end(kInitialTabLabels)});
  m_view.SetCurrentTab(kLogTab);
  m_view.EnableEditorChangeNotifications();

  m_logText = kNoSourceLogText;
  SetOutputText(m_logText, kLogTab, true);
  traceLog("MainDialog OnInitDialog applying log text.");
  SetEditorFontFromTemplate();

  if (!EnsureBackupsFolderFor(OutputBasePath() + ".asm")) {
    m_logText = kBackupsFolderWarning;
  }

  LoadSettingsFromRegistry();
  traceLog("MainDialog OnInitDialog after LoadSettingsFromRegistry.");
  SetupToolTips();
  traceLog("MainDialog OnInitDialog after SetupToolTips.");
  UpdateWindowTitle();
  traceLog("MainDialog OnInitDialog after UpdateWindowTitle.");
  UpdateTabTitles();
  traceLog("MainDialog OnInitDialog after UpdateTabTitles.");
  RefreshOutput();
  traceLog("MainDialog OnInitDialog after RefreshOutput.");

  bool maximize = false;
  bool placed = LoadWindowPlacementFromRegistry(maximize);
  traceLog("MainDialog OnInitDialog LoadWindowPlacementFromRegistry=%d maximize=%d", placed ? 1 : 0,
           maximize ? 1 : 0);
  if (!placed) {
    PixelRect fallback = FallbackWindowRect();
    traceLog("MainDialog OnInitDialog using fallback rect l=%d t=%d r=%d b=%d", fallback.x, fallback.y,
             fallback.right(), fallback.bottom());
    m_view.MoveWindow(fallback);
  }

  m_view.ShowWindow(maximize);
  m_view.RepaintWindow();
  m_view.BringToForeground();
  traceLog("MainDialog OnInitDialog complete visible=%d", m_view.IsWindowVisible() ? 1 : 0);
  return true;
}

void CMainDialog::SetEditorFontFromTemplate() {
  if (m_view.SetEditorFont({"Courier New", 9, true})) {
    traceLog("MainDialog OnInitDialog set bold Courier font.");
    return;
  }
  if (m_view.SetEditorFont({"Courier New", 9, false})) traceLog("MainDialog OnInitDialog set regular Courier font.");
}

void CMainDialog::OnDestroy() { SaveSettingsToRegistry(); }

void CMainDialog::UpdateOutputBrushes() { m_view.SetWindowColours(kWindowColours); }

void CMainDialog::UpdateWindowTitle() {
  m_view.SetWindowTitle(std::string(kProgramName) + " - version " + kProgramVersion);
}

void CMainDialog::UpdateStatusLine() {
  m_view.SetStatusLine(StatusLineText(m_statusText, m_statusHighlight, m_overwrite), m_statusHighlight);
  UpdateCaretPlace();
}

void CMainDialog::SetupToolTips() {
  if (m_toolTipCreated) return;
  m_toolTipCreated = true;
  m_view.SetToolTipDelay(kToolTipDelayMs);
  for (const ToolTipText& tip : kToolTips) m_view.SetToolTip(tip.control, tip.text);
}

void CMainDialog::OnSuffixChanged() {
  if (!m_view.ControlExists(ControlId::Suffix)) return;
  std::string text = m_view.GetControlText(ControlId::Suffix);
  m_suffix = effectiveSuffix(text);
}

void CMainDialog::OnActivateApp(bool active) {
  bool returning = active && !m_appActive;
  m_appActive = active;
  // No question while a compile runs; it reads the source afresh anyway.
  if (returning && !m_compileRunning && SelectedTab() == kSourceTab) CheckExternalChange();
}

}  // namespace qv
