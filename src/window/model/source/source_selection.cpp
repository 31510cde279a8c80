#include "window/model/source/source_selection.h"

#include "common/text.h"
#include "compile/output_paths.h"
#include "platform/files.h"
#include "platform/project_folder.h"
#include "window/model/files/browse_folder.h"
#include "window/model/settings/recent_sources.h"
#include "window/model/source/image_readback.h"

namespace qv {

std::string SourceSelection::NormalizeSourcePath(std::string_view text, bool resolve) const {
  std::string path = trim(text);
  if (path.empty() || equalsNoCase(path, kNoSourceSelectedText)) return {};
  if (!resolve || pathExists(path)) return path;
  std::string candidate = driveMappedCandidate(path);
  return !candidate.empty() && pathExists(candidate) ? candidate : std::string();
}

// The tabs' files follow the selected source, not the text in the source
// box: a path typed there becomes the source when it is compiled, so until
// then each tab's text stays paired with the file it came from.
std::string SourceSelection::OutputBasePath() const {
  const std::string& sourcePath = m_tabs.SourcePath();
  if (sourcePath.empty()) return {};
  // Named like the compiler names its outputs, so the tabs find those files.
  return outputBaseFor(sourcePath, "") + m_settings.suffix;
}

void SourceSelection::ClearSourceSelection(bool showSource) {
  m_tabs.ResetIncludes(0);
  TabRecord& source = m_tabs.at(kSourceTab);
  source.path.clear();
  m_view.SetControlText(ControlId::SourcePath, std::string(kNoSourceSelectedText));
  source.text = kNoSourceSelectedText;
  source.history.Clear();
  source.readError.clear();
  m_last.compiled = false;
  m_tabs.at(kLogTab).text = kNoSourceLogText;
  if (showSource) m_view.SetCurrentTab(kSourceTab);
  m_tabs.EmptyOutputTexts();
  m_editor.UpdateTabTitles();
  m_display.RefreshOutput();
  SaveSettingsToRegistry();
}

void SourceSelection::SelectSource(std::string_view path, bool showSource) {
  std::string chosen = trim(path);
  bool none = chosen.empty() || chosen == kNoSourceSelectedText;
  // A folder is no source file either.
  bool missing = !none && (!pathExists(chosen) || folderExists(chosen));
  if (missing) m_view.ShowMessageBox("Selected source file does not exist.", MessageBoxButtons::Ok, MessageBoxIcon::None);
  if (!m_files.OfferToSaveEdits("Save changes to the source and include files before switching?")) {
    // The recent list shows the current source again.
    m_settings.RefreshRecentCombo(m_tabs.SourcePath());
    return;
  }
  // Whatever the answer, the edits of the old source are done with.
  m_editor.MarkTabDirty(kSourceTab, false);
  m_files.ClearFileNotes();
  if (none || missing) {
    ClearSourceSelection(showSource);
    return;
  }

  TabRecord& source = m_tabs.at(kSourceTab);
  source.path = chosen;
  m_view.SetControlText(ControlId::SourcePath, source.path);
  m_tabs.at(kLogTab).text = kNoCompileYetText;
  // A source that cannot be read must not keep the previous source's text,
  // which a save would then write over the new file.
  source.text.clear();
  source.history.Clear();
  m_files.ForgetSourceFileTime();
  if (m_files.ReadTabFile(source.path, source.text, source.lineEnd, source.readError)) m_files.RecordSourceFileTime();
  m_last.compiled = false;
  m_tabs.ResetIncludes(0);
  m_tabs.EmptyOutputTexts();
  m_editor.UpdateTabTitles();
  m_settings.AddRecentSource(source.path);
  m_settings.RefreshRecentCombo(source.path);
  if (showSource) m_view.SetCurrentTab(kSourceTab);
  bool readOnly = m_tabs.IsReadOnly(kSourceTab);
  if (m_view.GetCurrentTab() == kSourceTab) {
    m_editor.SetOutputText(readOnly ? source.readError : source.text, kSourceTab, true);
    // The editor now holds the source, so the next tab change must save it
    // as the Source tab's text.
    m_tabs.current = kSourceTab;
  }
  m_editor.Status().Show(readOnly ? source.readError : std::string(kReadyStatus));
  SaveSettingsToRegistry();
}

void SourceSelection::OnBrowse() {
  OpenFileRequest request;
  request.initialFolder = BrowseStartFolder(m_tabs.SourcePath());
  request.defaultExtension = "asm";
  request.filter = "SDF Source (*.asm)|*.asm|Images (*.HEX)|*.HEX|All Files (*.*)|*.*||";
  std::string chosen = m_view.AskOpenFile(request);
  if (chosen.empty()) return;
  if (!IsImagePath(chosen)) {
    SelectSource(chosen, true);
    return;
  }
  std::optional<ImageReadBack> readBack = ReadImageBack(m_view, chosen);
  if (!readBack) return;
  SelectSource(readBack->sourcePath, true);
  // How another program wrote the image's text, for the Log.
  if (!readBack->notes.empty()) m_tabs.at(kLogTab).text += "\r\n" + readBack->notes;
}

void SourceSelection::OnRecentSourceChosen(const std::string& text) {
  if (!text.empty()) SelectSource(text, true);
}

void SourceSelection::LoadSettingsFromRegistry() {
  WorkbenchSettings stored = m_settings.Load();

  // A stored source that is gone is dropped without a word; one the user
  // named at the start is looked for as a chosen one is.
  TabRecord& source = m_tabs.at(kSourceTab);
  bool named = !m_startupSource.empty();
  source.path = NormalizeSourcePath(named ? m_startupSource : stored.lastSource, true);
  if (named && (source.path.empty() || folderExists(source.path))) {
    m_view.ShowMessageBox("Selected source file does not exist.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    source.path.clear();
  }
  m_files.ForgetSourceFileTime();
  if (source.path.empty()) {
    m_view.SetControlText(ControlId::SourcePath, std::string(kNoSourceSelectedText));
    source.text = kNoSourceSelectedText;
  } else {
    m_view.SetControlText(ControlId::SourcePath, source.path);
    source.text.clear();
    if (m_files.ReadTabFile(source.path, source.text, source.lineEnd, source.readError)) {
      m_files.RecordSourceFileTime();
    }
  }

  m_tabs.current = source.path.empty() ? stored.outputTab : kSourceTab;
  m_view.SetCurrentTab(m_tabs.current);
  m_last.compiled = false;
  // The start-up warning about the backups folder must stay readable.
  std::string& log = m_tabs.at(kLogTab).text;
  if (log != kBackupsFolderWarning) log = source.path.empty() ? kNoSourceLogText : kNoCompileYetText;
  m_files.AppendFileNotes();

  for (int tab = 0; tab < kFixedTabCount; ++tab) {
    TabRecord& record = m_tabs.at(tab);
    record.dirty = false;
    record.selection = {stored.tabSelStart[static_cast<std::size_t>(tab)],
                        stored.tabSelEnd[static_cast<std::size_t>(tab)]};
  }

  if (!source.path.empty()) m_settings.AddRecentSource(source.path);
  m_settings.RefreshRecentCombo(source.path);
  m_editor.UpdateTabTitles();
}

void SourceSelection::SaveSettingsToRegistry() {
  if (!m_view.WindowExists()) return;
  int tab = m_editor.SelectedTab();
  bool editorExists = m_view.ControlExists(ControlId::OutputText);
  if (editorExists) {
    m_editor.CaptureTabText(tab);
    m_editor.SaveTabSelection(tab);
  }
  std::string typed = NormalizeSourcePath(m_view.GetControlText(ControlId::SourcePath), false);
  if (!typed.empty()) m_tabs.at(kSourceTab).path = typed;
  m_settings.TakeControls();
  m_tabs.current = tab;

  WorkbenchSettings values;
  values.lastSource = m_tabs.SourcePath();
  values.suffix = m_settings.suffix;
  values.recentSources = m_settings.recentSources;
  values.noWrite = m_settings.noWrite;
  values.showInactive = m_settings.showInactive;
  values.outputTab = m_tabs.current;
  for (int fixed = 0; fixed < kFixedTabCount; ++fixed) {
    values.tabSelStart[static_cast<std::size_t>(fixed)] = m_tabs.at(fixed).selection.start;
    values.tabSelEnd[static_cast<std::size_t>(fixed)] = m_tabs.at(fixed).selection.end;
  }
  m_settings.Save(values, editorExists);
}

}  // namespace qv
