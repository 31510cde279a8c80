// Choosing a source and compiling it from the window.
#include <algorithm>
#include <exception>
#include <utility>

#include "platform/error_report.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/project_folder.h"
#include "window/browse_folder.h"
#include "window/compile_job.h"
#include "window/compile_log.h"
#include "window/editor_text.h"
#include "window/flag_scope.h"
#include "window/include_tab_paths.h"
#include "window/main_dialog.h"
#include "window/symbol_table_text.h"
#include "window/window_layout.h"

namespace qv {

namespace {

constexpr int kFullProgress = 1000;
constexpr std::uint32_t kProgressRepaintMs = 25;

void showMessage(MainDialogView& view, const std::string& text) {
  view.ShowMessageBox(text, MessageBoxButtons::Ok, MessageBoxIcon::None);
}

}  // namespace

void CMainDialog::OnBrowse() {
  OpenFileRequest request;
  request.initialFolder = BrowseStartFolder(m_sourcePath);
  request.defaultExtension = "asm";
  request.filter = "SDF Source (*.asm)|*.asm|All Files (*.*)|*.*||";
  std::string chosen = m_view.AskOpenFile(request);
  if (!chosen.empty()) SelectSource(chosen, true);
}

void CMainDialog::OnCompile() {
  // The evaluator's location value belongs to the whole process.
  if (m_compileRunning) return;
  try {
    m_compileMillis = 0;
    int rememberedTab = SelectedTab();
    m_findText.clear();

    std::string boxText = m_view.GetControlText(ControlId::SourcePath);
    std::string typed = NormalizeSourcePath(boxText, false);
    std::string resolved = typed.empty() ? std::string() : NormalizeSourcePath(typed, true);
    if (resolved.empty()) {
      showMessage(m_view, "Select a source file before compiling.");
      return;
    }
    // The Source tab's edits belong to the file they were read from, even
    // when another path has been typed into the box since.
    std::string editedSource = m_sourcePath;
    m_sourcePath = resolved;
    if (resolved != boxText) m_view.SetControlText(ControlId::SourcePath, resolved);
    OnSuffixChanged();
    m_noWrite = m_view.IsChecked(ControlId::NoWrite);
    m_showInactive = m_view.IsChecked(ControlId::ShowInactive);

    // Letting go of a big result takes a while; the compile's thread does it.
    CompileResult previous = std::exchange(m_lastResult, CompileResult());
    m_currentMessage = -1;
    m_compiled = false;
    EmptyOutputBuffers();
    m_findText.clear();
    m_logText.clear();
    m_fileNotes.clear();
    CaptureTabText(rememberedTab);
    // The text comes back the same after the compile: so do the caret and the view on it.
    SaveTabSelection(rememberedTab);

    if (IsTabDirty(kSourceTab) && !editedSource.empty()) {
      if (!SaveTabText(editedSource, m_sourceText, m_sourceEol)) {
        showMessage(m_view, "Unable to save source file before compile.");
        m_logText = "Compile aborted: cannot save source file.";
        EndAbortedCompile(rememberedTab);
        return;
      }
      MarkTabSaved(kSourceTab);
    }
    if (!SaveIncludesBeforeCompile()) {
      EndAbortedCompile(rememberedTab);
      return;
    }
    CompileSelectedSource(rememberedTab, std::move(previous));
  } catch (...) {
    EndCompileWithException();
  }
}

bool CMainDialog::SaveIncludesBeforeCompile() {
  std::size_t count = std::min({m_includePaths.size(), m_includeTexts.size(), m_includeEols.size(),
                                m_includeDirty.size()});
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& path = m_includePaths[i];
    if (!m_includeDirty[i] || path.empty()) continue;
    int tab = kFixedTabCount + static_cast<int>(i);
    if (!SaveTabText(path, m_includeTexts[i], LineEndOfTab(tab))) {
      showMessage(m_view, "Unable to save include file before compile.");
      std::string name = fileNameOf(path);
      m_logText = "Compile aborted: cannot save include file: " + (name.empty() ? path : name);
      return false;
    }
    MarkTabSaved(tab);
  }
  return true;
}

void CMainDialog::CompileSelectedSource(int rememberedTab, CompileResult previous) {
  m_logText = "Compiling...";
  m_progressPos = 0;
  m_progressTick = 0;
  m_statusHighlight = true;
  m_statusText = "Compiling:";
  UpdateStatusLine();
  ShowProgressBar();
  if (rememberedTab == kLogTab) SetOutputText(m_logText, kLogTab, false);
  m_view.RepaintWindow();

  if (!pathExists(m_sourcePath)) {
    std::string candidate = driveMappedCandidate(m_sourcePath);
    if (candidate.empty() || !pathExists(candidate)) {
      showMessage(m_view, "Cannot open source file:\r\n" + m_sourcePath + "\r\nExpected base path: " +
                              defaultProjectFolder());
      m_logText = "Compile failed: source file not found.";
      EndAbortedCompile(rememberedTab);
      return;
    }
    m_sourcePath = candidate;
    m_view.SetControlText(ControlId::SourcePath, m_sourcePath);
  }
  // Reading a big source again takes as long as compiling a small one: both
  // run away from the window's thread, so that it stays drawn.
  std::string text;
  std::string lineEnd;
  std::string readError;
  bool reread = false;
  std::uint32_t started = 0;
  std::exception_ptr failure;
  CompileJob job(m_sourcePath, makeCompileRequest(m_suffix, "", !m_noWrite, m_showInactive),
                 [this](std::uint32_t done, std::uint32_t total) { OnCompileProgress(done, total); });
  job.DiscardAlongside(std::move(previous));
  {
    FlagScope running(m_compileRunning);
    m_view.RunAwayFromWindowThread(
        [&] {
          try {
            reread = !m_sourcePath.empty() && ReadTabFile(m_sourcePath, text, lineEnd, readError);
            if (!reread) return;
            started = m_clock.ticks();
            job.Run();
          } catch (...) {
            failure = std::current_exception();
          }
        },
        [&job] { job.ShowPendingProgress(); });
  }
  if (failure) std::rethrow_exception(failure);
  if (!reread) {
    // The Source tab holds no text of this file, which must not take the
    // text of the one read before.
    m_sourceText.clear();
    m_sourceReadError = readError;
    m_sourceFileTime = {};
    showMessage(m_view, "Unable to reload source file.");
    m_logText = "Compile aborted: cannot read source file.";
    AppendFileNotes();
    EndAbortedCompile(rememberedTab);
    return;
  }
  m_sourceText = std::move(text);
  m_sourceEol = std::move(lineEnd);
  RecordSourceFileTime();
  m_lastResult = job.TakeResult();
  m_compileMillis = m_clock.ticks() - started;

  RebuildIncludeTabs();
  OnCompileProgress(kFullProgress, kFullProgress);
  m_statusHighlight = false;
  m_view.ShowControl(ControlId::Progress, false);

  m_mapText = ExpandTabs(m_lastResult.mapText);
  m_symbolsText = m_lastResult.symbolText.empty() ? ExpandTabs(FormatSymbolTable()) : m_lastResult.symbolText;
  m_lstText = ExpandTabs(m_lastResult.listingText);
  m_hexText = m_lastResult.hexText;
  m_logText = BuildCompileLog();
  AppendFileNotes();
  m_compiled = true;
  m_tabDirty.fill(false);

  AddRecentSource(m_sourcePath);
  RefreshRecentCombo();
  if (rememberedTab < TabCount()) m_view.SetCurrentTab(rememberedTab);
  UpdateTabTitles();
  if (rememberedTab >= TabCount()) m_view.SetCurrentTab(kLogTab);
  RefreshOutput();
  SaveSettingsToRegistry();
}

void CMainDialog::EndAbortedCompile(int rememberedTab) {
  if (rememberedTab == kLogTab) SetOutputText(m_logText, kLogTab, false);
  m_statusHighlight = false;
  m_view.ShowControl(ControlId::Progress, false);
  m_statusText = "Compile failed";
  UpdateStatusLine();
  RefreshOutput();
}

void CMainDialog::EndCompileWithException() {
  m_logText = "Unhandled exception during compile. No output was generated.";
  m_compiled = false;
  m_statusHighlight = false;
  m_view.ShowControl(ControlId::Progress, false);
  if (!m_sourcePath.empty()) m_lastResult.sourcePath = m_sourcePath;
  m_statusText = "Compile failed";
  UpdateStatusLine();
  SetOutputText(m_logText, kLogTab, false);
  RefreshOutput();
  reportUnhandledException("OnCompile", 0);
}

void CMainDialog::ShowProgressBar() {
  if (!m_view.ControlExists(ControlId::Progress)) return;
  if (std::optional<PixelRect> status = m_view.ControlRect(ControlId::Status)) {
    PixelRect place = ProgressRectInStatus(*status);
    m_view.MoveControl(ControlId::Progress, place);
    if (place.isEmpty()) return;
  }
  m_view.SetProgressPosition(m_progressPos);
  m_view.ShowControl(ControlId::Progress, true);
}

void CMainDialog::OnCompileProgress(std::uint32_t done, std::uint32_t total) {
  if (!m_statusHighlight) return;
  std::uint64_t reached = std::min(done, total);
  m_progressPos = total == 0 ? 0 : static_cast<int>(reached * kFullProgress / total);
  m_view.SetProgressPosition(m_progressPos);
  std::uint32_t now = m_clock.ticks();
  // Tick counts wrap; the unsigned difference still measures the wait.
  if (now - m_progressTick < kProgressRepaintMs && m_progressPos < kFullProgress) return;
  m_progressTick = now;
  m_view.PumpPaintMessages();
}

void CMainDialog::RebuildIncludeTabs() {
  const std::string& mainPath = m_lastResult.sourcePath.empty() ? m_sourcePath : m_lastResult.sourcePath;
  std::vector<std::string> paths = IncludeTabPaths(m_lastResult.lines, mainPath);
  // An include that stays keeps its caret, selection and scroll position.
  std::vector<std::string> oldPaths = std::move(m_includePaths);
  std::vector<int> oldStart = std::move(m_includeSelStart);
  std::vector<int> oldEnd = std::move(m_includeSelEnd);
  std::vector<int> oldFirstLine = std::move(m_includeFirstLine);
  ResetIncludeTabs(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    m_includePaths[i] = std::move(paths[i]);
    ReadTabFile(m_includePaths[i], m_includeTexts[i], m_includeEols[i], m_includeReadErrors[i]);
    std::size_t kept = static_cast<std::size_t>(std::find(oldPaths.begin(), oldPaths.end(), m_includePaths[i]) -
                                                oldPaths.begin());
    if (kept < oldStart.size() && kept < oldEnd.size() && kept < oldFirstLine.size()) {
      m_includeSelStart[i] = oldStart[kept];
      m_includeSelEnd[i] = oldEnd[kept];
      m_includeFirstLine[i] = oldFirstLine[kept];
    }
  }
}

std::string CMainDialog::BuildCompileLog() const { return CompileLogOfResult().text; }

std::string CMainDialog::FormatSymbolTable() const { return qv::FormatSymbolTable(m_lastResult.symbols); }

}  // namespace qv
