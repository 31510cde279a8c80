// Double-click navigation from a name to the line that defines it, and the
// check for a source changed by another program.
#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"
#include "window/main_dialog.h"
#include "window/symbol_row.h"

namespace qv {

namespace {

constexpr std::size_t kLongestSymbolName = 128;

const SymbolRecord* findSymbol(const std::vector<SymbolRecord>& symbols, const std::string& name) {
  if (name.empty() || name.size() > kLongestSymbolName) return nullptr;
  auto found = std::find_if(symbols.begin(), symbols.end(),
                            [&](const SymbolRecord& symbol) { return equalsNoCase(symbol.name, name); });
  return found == symbols.end() ? nullptr : &*found;
}

}  // namespace

bool CMainDialog::OnEditorDoubleClick(int position) {
  std::string text = m_view.GetEditorText();
  if (position < 0 || static_cast<std::size_t>(position) >= text.size()) return false;
  std::size_t at = static_cast<std::size_t>(position);
  int tab = SelectedTab();
  if (tab == kLogTab) {
    std::optional<std::size_t> message = MessageAtLogPosition(text, at);
    if (message && GoToMessage(*message)) return true;
  }
  if (tab == kSymbolsTab) {
    if (std::optional<std::string> name = NameFromSymbolsLine(LineAround(text, at))) return NavigateToName(*name);
  }
  std::string word(WordAround(text, at));
  if (word.empty()) return false;
  // In the texts one edits, a word that is no symbol is only selected.
  if (IsEditableTab(tab) && findSymbol(m_lastResult.symbols, word) == nullptr) return false;
  return NavigateToName(word);
}

bool CMainDialog::NavigateToName(const std::string& name) {
  const SymbolRecord* symbol = findSymbol(m_lastResult.symbols, name);
  if (symbol == nullptr) {
    ShowTabForNavigation(kSourceTab);
    FindInEditor(name, SearchOptions{true, false, false});
    return true;
  }
  if (symbol->line < 1 || m_sourcePath.empty()) return false;

  std::string line = std::to_string(symbol->line);
  std::optional<int> tab = TabOfFile(symbol->file);
  std::string where = tab == kSourceTab ? "line " + line : fileNameOf(symbol->file) + " line " + line;
  ShowFileLine(symbol->file, symbol->line, "Symbol: " + name + " (" + where + ")");
  return true;
}

void CMainDialog::CheckExternalChange() {
  if (m_sourcePath.empty() || !m_sourceFileTime.valid) return;
  std::int64_t current = 0;
  if (!lastWriteTime(m_sourcePath, current) || current <= m_sourceFileTime.time) return;

  // Taken before asking, so that coming back to the window while the
  // question is open does not ask about the same change again.
  SourceFileTime askedAbout = m_sourceFileTime;
  m_sourceFileTime = {current, true};
  std::string question = IsTabDirty(kSourceTab)
                             ? "The source file was changed by another editor.\r\nReload and discard unsaved "
                               "changes in Source tab?"
                             : "The source file was changed by another editor.\r\nReload now?";
  MessageBoxAnswer answer = m_view.ShowMessageBox(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question);
  if (answer != MessageBoxAnswer::Yes) {
    // The tab keeps its text, which the file no longer has: it is unsaved
    // now, so the next showing does not read the file over it and the next
    // save writes it (the changed file going to backups).
    MarkTabDirty(kSourceTab, true);
    return;
  }
  std::string text;
  std::string lineEnd;
  std::string readError;
  if (!ReadTabFile(m_sourcePath, text, lineEnd, readError)) {
    m_sourceFileTime = askedAbout;
    m_view.ShowMessageBox("Unable to reload source file.", MessageBoxButtons::Ok, MessageBoxIcon::None);
    return;
  }
  m_sourceText = std::move(text);
  m_sourceEol = std::move(lineEnd);
  RecordSourceFileTime();
  MarkTabDirty(kSourceTab, false);
  // During a switch to Source the editor still holds the previous tab,
  // which the switch saves first; the switch then shows the new text.
  if (SelectedTab() == kSourceTab && m_currentTab == kSourceTab) SetOutputText(m_sourceText, kSourceTab, true);
}

}  // namespace qv
