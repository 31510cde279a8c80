// Colouring the Source and include tabs.
#include "window/main_dialog.h"
#include "window/model/tabs/switched_off_lines.h"

namespace qv {

EditorColouring CMainDialog::SourceColouringFor(int tab, const std::string& text) const {
  EditorColouring colouring;
  colouring.source = true;
  // Edited text no longer has the compiled lines where they were.
  if (!m_compiled || IsTabDirty(tab)) return colouring;
  std::string file;
  if (tab == kSourceTab) {
    file = m_lastResult.sourcePath.empty() ? m_sourcePath : m_lastResult.sourcePath;
  } else if (std::size_t include = static_cast<std::size_t>(tab - kFixedTabCount); include < m_includePaths.size()) {
    file = m_includePaths[include];
  }
  colouring.switchedOffLines = SwitchedOffLines(m_lastResult.lines, file, text);
  return colouring;
}

}  // namespace qv
