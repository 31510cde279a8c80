#include "window/model/navigation/message_places.h"

#include <algorithm>
#include <vector>

#include "common/text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "window/model/display/compile_report.h"
#include "window/model/find/search_text.h"
#include "window/model/navigation/include_line.h"
#include "window/model/navigation/symbol_row.h"

namespace qv {

namespace {

constexpr std::size_t kLongestSymbolName = 128;

const SymbolRecord* findSymbol(const std::vector<SymbolRecord>& symbols, const std::string& name) {
  if (name.empty() || name.size() > kLongestSymbolName) return nullptr;
  auto found = std::find_if(symbols.begin(), symbols.end(),
                            [&](const SymbolRecord& symbol) { return equalsNoCase(symbol.name, name); });
  return found == symbols.end() ? nullptr : &*found;
}

// Messages the Log leaves out have no place to go to either.
bool hasPlace(const CompileResult& result, std::size_t index) {
  return index < result.messages.size() && index < result.messagePlaces.size() &&
         result.messagePlaces[index].line >= 1 && !IsDefineNote(result.messages[index]);
}

std::string placeText(const std::string& file, int line) {
  return fileNameOf(file) + " line " + std::to_string(line);
}

// A last line break ends the last line; no line follows it.
int lineCountOf(const std::string& text) {
  int breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return text.empty() || text.back() != '\n' ? breaks + 1 : breaks;
}

}  // namespace

bool MessagePlaces::OnEditorDoubleClick(int position) {
  std::string text = m_view.GetEditorText();
  if (position < 0 || static_cast<std::size_t>(position) >= text.size()) return false;
  std::size_t at = static_cast<std::size_t>(position);
  int tab = m_editor.SelectedTab();
  if (tab == kLogTab) {
    std::optional<std::size_t> message = MessageAtLogPosition(text, at);
    if (message && GoToMessage(*message)) return true;
  }
  if (tab == kSymbolsTab) {
    if (std::optional<std::string> name = NameFromSymbolsLine(LineAround(text, at))) return NavigateToName(*name);
  }
  if (m_tabs.IsEditable(tab)) {
    std::string_view line = LineAround(text, at);
    std::size_t column = at - static_cast<std::size_t>(line.data() - text.data());
    if (std::optional<std::string> name = IncludedNameAt(line, column)) {
      if (std::optional<int> included = TabOfInclude(*name, tab)) {
        m_display.ShowTab(*included);
        m_view.FocusControl(ControlId::OutputText);
        return true;
      }
    }
  }
  std::string word(WordAround(text, at));
  if (word.empty()) return false;
  // In the texts one edits, a word that is no symbol is only selected.
  if (m_tabs.IsEditable(tab) && findSymbol(m_last.result.symbols, word) == nullptr) return false;
  return NavigateToName(word);
}

bool MessagePlaces::NavigateToName(const std::string& name) {
  const SymbolRecord* symbol = findSymbol(m_last.result.symbols, name);
  if (symbol == nullptr) {
    m_display.ShowTab(kSourceTab);
    m_find.FindInEditor(name, SearchOptions{true, false, false});
    return true;
  }
  if (symbol->line < 1 || m_tabs.SourcePath().empty()) return false;

  std::string line = std::to_string(symbol->line);
  std::optional<int> tab = TabOfFile(symbol->file);
  std::string where = tab == kSourceTab ? "line " + line : fileNameOf(symbol->file) + " line " + line;
  ShowFileLine(symbol->file, symbol->line, "Symbol: " + name + " (" + where + ")");
  return true;
}

std::optional<std::size_t> MessagePlaces::MessageAtLogPosition(const std::string& text, std::size_t position) const {
  if (!m_last.compiled) return std::nullopt;
  int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
  return MessageOnLogLine(CompileLogOf(m_last, m_tabs.SourcePath(), m_settings), line);
}

std::optional<int> MessagePlaces::TabOfFile(const std::string& file) const {
  // Names the compile gave no file belong to the source itself.
  if (file.empty() || sameFile(file, m_tabs.SourcePath())) return kSourceTab;
  for (std::size_t i = 0; i < m_tabs.IncludeCount(); ++i) {
    int tab = TabSet::IncludeTab(i);
    if (sameFile(file, m_tabs.at(tab).path)) return tab;
  }
  return std::nullopt;
}

std::optional<int> MessagePlaces::TabOfInclude(const std::string& name, int includingTab) const {
  // The file beside the including one first, as the compile looks for it;
  // then any include tab of that file name.
  std::string beside = joinPath(directoryOf(m_tabs.at(includingTab).path), name);
  std::string fileName = fileNameOf(name);
  std::optional<int> sameName;
  for (std::size_t i = 0; i < m_tabs.IncludeCount(); ++i) {
    int tab = TabSet::IncludeTab(i);
    const std::string& path = m_tabs.at(tab).path;
    if (sameFile(beside, path)) return tab;
    if (!sameName && equalsNoCase(fileNameOf(path), fileName)) sameName = tab;
  }
  return sameName;
}

void MessagePlaces::PutCaretAtLine(int line) {
  int caret = static_cast<int>(LineStart(m_view.GetEditorText(), line));
  m_view.SetEditorSelection(caret, caret);
  m_view.FocusControl(ControlId::OutputText);
  m_view.ScrollCaretIntoView();
  // Near the middle, with the lines around it in sight.
  m_view.SetFirstVisibleLine(std::max(line - 1 - m_view.VisibleLineCount() / 2, 0));
}

void MessagePlaces::ShowFileLine(const std::string& file, int line, const std::string& status) {
  // A carried include has no tab to show: the status line says where.
  if (std::optional<int> tab = TabOfFile(file)) {
    m_display.ShowTab(*tab);
    PutCaretAtLine(line);
  }
  m_editor.Status().ShowPlace(status);
}

bool MessagePlaces::GoToMessage(std::size_t index) {
  if (!m_last.compiled || !hasPlace(m_last.result, index)) return false;
  currentMessage = static_cast<int>(index);
  const MessagePlace& place = m_last.result.messagePlaces[index];
  ShowFileLine(place.file, place.line, placeText(place.file, place.line));
  return true;
}

void MessagePlaces::OnNextMessage(bool forward) {
  if (!m_last.compiled) return;
  long count = static_cast<long>(m_last.result.messages.size());
  long from = currentMessage >= 0 ? currentMessage : (forward ? -1 : count);
  for (long step = 1; step <= count; ++step) {
    long index = ((from + (forward ? step : -step)) % count + count) % count;
    if (GoToMessage(static_cast<std::size_t>(index))) return;
  }
}

void MessagePlaces::OnGoToLine() {
  int lastLine = lineCountOf(m_view.GetEditorText());
  std::optional<int> line = m_view.AskLineNumber(std::min(m_view.GetCaretPlace().line, lastLine), lastLine);
  if (line) PutCaretAtLine(std::clamp(*line, 1, lastLine));
}

}  // namespace qv
