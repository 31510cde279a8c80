// The selected source and the file paths that follow from it.
#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/project_folder.h"
#include "common/text.h"
#include "window/main_dialog.h"
#include "window/recent_sources.h"
#include "window/window_texts.h"

namespace qv {

namespace {

constexpr std::string_view kOutputExtensions[] = {".MAP", ".SYM", ".LST", ".HEX"};

}  // namespace

std::string CMainDialog::NormalizeSourcePath(std::string_view text, bool resolve) const {
  std::string path = trim(text);
  if (path.empty() || equalsNoCase(path, kNoSourceSelectedText)) return {};
  if (!resolve || pathExists(path)) return path;
  std::string candidate = driveMappedCandidate(path);
  return !candidate.empty() && pathExists(candidate) ? candidate : std::string();
}

// The tabs' files follow the selected source, not the text in the source
// box: a path typed there becomes the source when it is compiled, so until
// then each tab's text stays paired with the file it came from.
std::string CMainDialog::OutputBasePath() const {
  if (m_sourcePath.empty()) return {};
  // Named like the compiler names its outputs, so the tabs find those files.
  return outputBaseFor(m_sourcePath, "") + m_suffix;
}

// An output tab's text belongs to the file the compile that made it named,
// whatever the Suffix box says since; a compile that failed before writing
// named none.
std::string CMainDialog::TabFilePath(int tab) const {
  if (tab == kSourceTab) return m_sourcePath;
  if (tab == kLogTab || !IsValidTab(tab)) return {};
  if (tab >= kFixedTabCount) return m_includePaths[static_cast<std::size_t>(tab - kFixedTabCount)];
  if (!m_compiled) return {};
  std::string_view extension = kOutputExtensions[tab - kMapTab];
  for (const std::string& file : m_lastResult.outputFiles) {
    if (std::string_view(file).ends_with(extension)) return file;
  }
  return {};
}

void CMainDialog::RecordSourceFileTime() {
  m_sourceFileTime.valid = lastWriteTime(m_sourcePath, m_sourceFileTime.time);
}

void CMainDialog::EmptyOutputBuffers() {
  m_mapText.clear();
  m_symbolsText.clear();
  m_lstText.clear();
  m_hexText.clear();
}

void CMainDialog::ClearSourceSelection(bool showSource) {
  ResetIncludeTabs(0);
  m_sourcePath.clear();
  m_view.SetControlText(ControlId::SourcePath, std::string(kNoSourceSelectedText));
  m_sourceText = kNoSourceSelectedText;
  m_sourceReadError.clear();
  m_compiled = false;
  m_logText = kNoSourceLogText;
  if (showSource) m_view.SetCurrentTab(kSourceTab);
  EmptyOutputBuffers();
  UpdateTabTitles();
  RefreshOutput();
  SaveSettingsToRegistry();
}

void CMainDialog::SelectSource(std::string_view path, bool showSource) {
  std::string chosen = trim(path);
  bool none = chosen.empty() || chosen == kNoSourceSelectedText;
  // A folder is no source file either.
  bool missing = !none && (!pathExists(chosen) || folderExists(chosen));
  if (missing) m_view.ShowMessageBox("Selected source file does not exist.", MessageBoxButtons::Ok, MessageBoxIcon::None);
  if (!OfferToSaveEdits("Save changes to the source and include files before switching?")) {
    // The recent list shows the current source again.
    RefreshRecentCombo();
    return;
  }
  // Whatever the answer, the edits of the old source are done with.
  MarkTabDirty(kSourceTab, false);
  m_fileNotes.clear();
  if (none || missing) {
    ClearSourceSelection(showSource);
    return;
  }

  m_sourcePath = chosen;
  m_view.SetControlText(ControlId::SourcePath, m_sourcePath);
  m_logText = kNoCompileYetText;
  // A source that cannot be read must not keep the previous source's text,
  // which a save would then write over the new file.
  m_sourceText.clear();
  m_sourceFileTime = {};
  if (ReadTabFile(m_sourcePath, m_sourceText, m_sourceEol, m_sourceReadError)) RecordSourceFileTime();
  m_compiled = false;
  ResetIncludeTabs(0);
  EmptyOutputBuffers();
  UpdateTabTitles();
  AddRecentSource(m_sourcePath);
  RefreshRecentCombo();
  if (showSource) m_view.SetCurrentTab(kSourceTab);
  if (m_view.GetCurrentTab() == kSourceTab) {
    SetOutputText(IsReadOnlyTab(kSourceTab) ? m_sourceReadError : m_sourceText, kSourceTab, true);
    // The editor now holds the source, so the next tab change must save it
    // as the Source tab's text.
    m_currentTab = kSourceTab;
  }
  m_statusText = IsReadOnlyTab(kSourceTab) ? m_sourceReadError : kReadyStatus;
  UpdateStatusLine();
  SaveSettingsToRegistry();
}

}  // namespace qv
