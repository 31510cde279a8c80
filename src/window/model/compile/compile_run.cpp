#include "window/model/compile/compile_run.h"

#include <algorithm>
#include <exception>
#include <map>
#include <utility>

#include "platform/files.h"
#include "platform/free_memory.h"
#include "platform/paths.h"
#include "platform/project_folder.h"
#include "window/model/compile/compile_job.h"
#include "window/model/display/compile_report.h"
#include "window/model/files/include_tab_paths.h"
#include "window/model/layout/window_layout.h"
#include "window/model/tabs/editor_text.h"
#include "window/model/tabs/flag_scope.h"

namespace qv {

namespace {

constexpr int kFullProgress = 1000;
constexpr std::uint32_t kProgressRepaintMs = 25;

void showMessage(MainDialogView& view, const std::string& text) {
  view.ShowMessageBox(text, MessageBoxButtons::Ok, MessageBoxIcon::None);
}

}  // namespace

void CompileRun::OnCompile() {
  // The evaluator's location value belongs to the whole process.
  if (m_running) return;
  TabSet& tabs = m_parts.tabs;
  TabEditor& editor = m_parts.editor;
  m_last.millis = 0;
  int rememberedTab = editor.SelectedTab();
  m_parts.find.findText.clear();

  std::string boxText = m_view.GetControlText(ControlId::SourcePath);
  std::string typed = m_parts.source.NormalizeSourcePath(boxText, false);
  std::string resolved = typed.empty() ? std::string() : m_parts.source.NormalizeSourcePath(typed, true);
  if (resolved.empty()) {
    showMessage(m_view, "Select a source file before compiling.");
    return;
  }
  TabRecord& source = tabs.at(kSourceTab);
  // The Source tab's edits belong to the file they were read from, even
  // when another path has been typed into the box since.
  std::string editedSource = source.path;
  source.path = resolved;
  if (resolved != boxText) m_view.SetControlText(ControlId::SourcePath, resolved);
  m_parts.settings.TakeControls();

  // Letting go of a big result takes a while; the compile's thread does it.
  CompileResult previous = std::exchange(m_last.result, CompileResult());
  m_last.origins = {};
  m_parts.places.ForgetMessage();
  m_last.compiled = false;
  tabs.EmptyOutputTexts();
  tabs.at(kLogTab).text.clear();
  m_parts.files.ClearFileNotes();
  editor.CaptureTabText(rememberedTab);
  // The text comes back the same after the compile: so do the caret and the view on it.
  editor.SaveTabSelection(rememberedTab);

  if (tabs.IsDirty(kSourceTab) && !editedSource.empty()) {
    if (!m_parts.files.SaveTabText(editedSource, source.text, source.lineEnd)) {
      showMessage(m_view, "Unable to save source file before compile.");
      tabs.at(kLogTab).text = "Compile aborted: cannot save source file.";
      EndAbortedCompile(rememberedTab);
      return;
    }
    editor.MarkTabSaved(kSourceTab);
  }
  if (!SaveIncludesBeforeCompile()) {
    EndAbortedCompile(rememberedTab);
    return;
  }
  CompileSelectedSource(rememberedTab, std::move(previous));
}

bool CompileRun::SaveIncludesBeforeCompile() {
  TabSet& tabs = m_parts.tabs;
  for (std::size_t i = 0; i < tabs.IncludeCount(); ++i) {
    int tab = TabSet::IncludeTab(i);
    const TabRecord& include = tabs.at(tab);
    if (!include.dirty || include.path.empty()) continue;
    if (!m_parts.files.SaveTabText(include.path, include.text, m_parts.files.LineEndOfTab(tab))) {
      showMessage(m_view, "Unable to save include file before compile.");
      std::string name = fileNameOf(include.path);
      tabs.at(kLogTab).text = "Compile aborted: cannot save include file: " + (name.empty() ? include.path : name);
      return false;
    }
    m_parts.editor.MarkTabSaved(tab);
  }
  return true;
}

void CompileRun::CompileSelectedSource(int rememberedTab, CompileResult previous) {
  TabSet& tabs = m_parts.tabs;
  TabEditor& editor = m_parts.editor;
  StatusLine& status = editor.Status();
  TabRecord& source = tabs.at(kSourceTab);
  std::string& log = tabs.at(kLogTab).text;
  log = "Compiling...";
  progressPos = 0;
  m_progressTick = 0;
  status.highlight = true;
  status.Show("Compiling:");
  ShowProgressBar();
  if (rememberedTab == kLogTab) editor.SetOutputText(log, kLogTab, false);
  m_view.RepaintWindow();

  if (!pathExists(source.path)) {
    std::string candidate = driveMappedCandidate(source.path);
    if (candidate.empty() || !pathExists(candidate)) {
      showMessage(m_view, "Cannot open source file:\r\n" + source.path + "\r\nExpected base path: " +
                              defaultProjectFolder());
      log = "Compile failed: source file not found.";
      EndAbortedCompile(rememberedTab);
      return;
    }
    source.path = candidate;
    m_view.SetControlText(ControlId::SourcePath, source.path);
  }
  // Reading a big source again takes as long as compiling a small one: both
  // run away from the window's thread, so that it stays drawn.
  std::string text;
  std::string lineEnd;
  std::string readError;
  bool reread = false;
  std::uint32_t started = 0;
  std::exception_ptr failure;
  const WindowSettings& settings = m_parts.settings;
  CompileJob job(source.path, makeCompileRequest(settings.suffix, "", !settings.noWrite, settings.showInactive),
                 [this](std::uint32_t done, std::uint32_t total) { OnCompileProgress(done, total); });
  job.DiscardAlongside(std::move(previous));
  {
    FlagScope running(m_running);
    m_view.RunAwayFromWindowThread(
        [&] {
          try {
            reread = !source.path.empty() && m_parts.files.ReadTabFile(source.path, text, lineEnd, readError);
            if (!reread) return;
            started = m_last.clock.ticks();
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
    source.text.clear();
    source.history.Clear();
    source.readError = readError;
    m_parts.files.ForgetSourceFileTime();
    showMessage(m_view, "Unable to reload source file.");
    log = "Compile aborted: cannot read source file.";
    m_parts.files.AppendFileNotes();
    EndAbortedCompile(rememberedTab);
    return;
  }
  editor.TakeFileText(kSourceTab, std::move(text));
  source.lineEnd = std::move(lineEnd);
  m_parts.files.RecordSourceFileTime();
  m_last.result = job.TakeResult();
  m_last.origins = job.TakeLineOrigins();
  m_last.millis = m_last.clock.ticks() - started;

  RebuildIncludeTabs();
  OnCompileProgress(kFullProgress, kFullProgress);
  status.highlight = false;
  m_view.ShowControl(ControlId::Progress, false);

  const CompileResult& result = m_last.result;
  tabs.at(kMapTab).text = ExpandTabs(result.mapText);
  tabs.at(kSymbolsTab).text = SymbolsTabText(m_last);
  tabs.at(kLstTab).text = ExpandTabs(result.listingText);
  tabs.at(kHexTab).text = result.hexText;
  log = m_parts.display.BuildCompileLog();
  m_parts.files.AppendFileNotes();
  m_last.compiled = true;
  for (int fixed = 0; fixed < kFixedTabCount; ++fixed) tabs.at(fixed).dirty = false;

  m_parts.settings.AddRecentSource(source.path);
  m_parts.settings.RefreshRecentCombo(source.path);
  if (rememberedTab < tabs.Count()) m_view.SetCurrentTab(rememberedTab);
  editor.UpdateTabTitles();
  if (rememberedTab >= tabs.Count()) m_view.SetCurrentTab(kLogTab);
  m_parts.display.RefreshOutput();
  m_parts.source.SaveSettingsToRegistry();
  // What the compile let go of would otherwise stay with the process.
  returnFreeMemory();
}

void CompileRun::EndAbortedCompile(int rememberedTab) {
  StatusLine& status = m_parts.editor.Status();
  if (rememberedTab == kLogTab) m_parts.editor.SetOutputText(m_parts.tabs.at(kLogTab).text, kLogTab, false);
  status.highlight = false;
  m_view.ShowControl(ControlId::Progress, false);
  status.Show("Compile failed");
  m_parts.display.RefreshOutput();
}

void CompileRun::EndCompileWithException() {
  TabSet& tabs = m_parts.tabs;
  StatusLine& status = m_parts.editor.Status();
  std::string& log = tabs.at(kLogTab).text;
  log = "Unhandled exception during compile. No output was generated.";
  m_last.compiled = false;
  status.highlight = false;
  m_view.ShowControl(ControlId::Progress, false);
  if (!tabs.SourcePath().empty()) m_last.result.sourcePath = tabs.SourcePath();
  status.Show("Compile failed");
  m_parts.editor.SetOutputText(log, kLogTab, false);
  m_parts.display.RefreshOutput();
}

void CompileRun::ShowProgressBar() {
  if (!m_view.ControlExists(ControlId::Progress)) return;
  if (std::optional<PixelRect> status = m_view.ControlRect(ControlId::Status)) {
    PixelRect place = ProgressRectInStatus(*status);
    m_view.MoveControl(ControlId::Progress, place);
    if (place.isEmpty()) return;
  }
  m_view.SetProgressPosition(progressPos);
  m_view.ShowControl(ControlId::Progress, true);
}

void CompileRun::OnCompileProgress(std::uint32_t done, std::uint32_t total) {
  if (!m_parts.editor.Status().highlight) return;
  std::uint64_t reached = std::min(done, total);
  progressPos = total == 0 ? 0 : static_cast<int>(reached * kFullProgress / total);
  m_view.SetProgressPosition(progressPos);
  std::uint32_t now = m_last.clock.ticks();
  // Tick counts wrap; the unsigned difference still measures the wait.
  if (now - m_progressTick < kProgressRepaintMs && progressPos < kFullProgress) return;
  m_progressTick = now;
  m_view.PumpPaintMessages();
}

void CompileRun::RebuildIncludeTabs() {
  TabSet& tabs = m_parts.tabs;
  const std::string& mainPath = m_last.result.sourcePath.empty() ? tabs.SourcePath() : m_last.result.sourcePath;
  std::vector<std::string> paths = IncludeTabPaths(m_last.origins, mainPath);
  // An include that stays keeps its caret, selection, scroll position and
  // undo steps.
  std::map<std::string, TabRecord> old;
  for (std::size_t i = 0; i < tabs.IncludeCount(); ++i) {
    TabRecord& was = tabs.at(TabSet::IncludeTab(i));
    std::string path = was.path;
    old.try_emplace(std::move(path), std::move(was));
  }
  tabs.ResetIncludes(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    int tab = TabSet::IncludeTab(i);
    TabRecord& include = tabs.at(tab);
    include.path = std::move(paths[i]);
    auto kept = old.find(include.path);
    if (kept != old.end()) {
      include.selection = kept->second.selection;
      include.firstLine = kept->second.firstLine;
      include.text = std::move(kept->second.text);
      include.history = std::move(kept->second.history);
    }
    std::string text;
    if (m_parts.files.ReadTabFile(include.path, text, include.lineEnd, include.readError)) {
      m_parts.editor.TakeFileText(tab, std::move(text));
    } else {
      include.text.clear();
      include.history.Clear();
    }
  }
}

}  // namespace qv
