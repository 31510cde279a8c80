// Choosing a source and compiling it from the window.
#include "compile/compiler.h"
#include "harness/carried_include_provider.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "window/main_dialog.h"
#include "window/project_folder.h"
#include "window/window_texts.h"

namespace qv {

void CMainDialog::OnBrowse() {
  OpenFileRequest request;
  request.initialFolder = m_sourcePath.empty() ? DefaultProjectFolder() : directoryOf(m_sourcePath);
  request.defaultExtension = "asm";
  request.filter = "SDF Source (*.asm)|*.asm|All Files (*.*)|*.*||";
  std::string chosen = m_view.AskOpenFile(request);
  if (!chosen.empty()) SelectSource(chosen, true);
}

void CMainDialog::OnCompile() {
  try {
    std::string typed = NormalizeSourcePath(m_view.GetControlText(ControlId::SourcePath), false);
    std::string resolved = typed.empty() ? std::string() : NormalizeSourcePath(typed, true);
    if (resolved.empty()) {
      m_view.ShowMessageBox("Select a source file before compiling.", MessageBoxButtons::Ok, MessageBoxIcon::None);
      return;
    }
    m_sourcePath = resolved;
    if (resolved != m_view.GetControlText(ControlId::SourcePath)) m_view.SetControlText(ControlId::SourcePath, resolved);
    OnSuffixChanged();
    m_noWrite = m_view.IsChecked(ControlId::NoWrite);
    m_showInactive = m_view.IsChecked(ControlId::ShowInactive);
    CaptureTabText(SelectedTab());

    m_lastResult = CompileResult();
    m_compiled = false;
    EmptyOutputBuffers();
    m_logText.clear();
    Compiler compiler;
    compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
    m_lastResult = compiler.compile(m_sourcePath, makeCompileRequest(m_suffix, "", !m_noWrite, m_showInactive));
    m_compiled = true;
    UpdateTabTitles();
    RefreshOutput();
  } catch (...) {
    reportUnhandledException("OnCompile", 0);
  }
}

std::string CMainDialog::BuildCompileLog() const {
  std::string log;
  for (const std::string& message : m_lastResult.messages) {
    if (!log.empty()) log += kDefaultLineEnd;
    log += message;
  }
  return log;
}

std::string CMainDialog::FormatSymbolTable() const { return {}; }

}  // namespace qv
