#pragma once
// The tabs of the main window, one record each: the six fixed tabs, then one
// per include file of the last compile. Plain state; the editor that shows
// one record at a time is TabEditor's.

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "window/main_dialog_view.h"
#include "window/model/tabs/edit_history.h"
#include "window/window_texts.h"

namespace qv {

inline constexpr int kLogTab = 0;
inline constexpr int kSourceTab = 1;
inline constexpr int kMapTab = 2;
inline constexpr int kSymbolsTab = 3;
inline constexpr int kLstTab = 4;
inline constexpr int kHexTab = 5;
inline constexpr int kFixedTabCount = 6;
// Tabs 1 to 5 take their labels from the source's name.
inline constexpr int kTitledTabCount = 5;

inline constexpr const char* kInitialTabLabels[kFixedTabCount] = {"Log", "Source", "Map", "Symbols", "LST", "Hex"};

struct TabRecord {
  // The file the text is of: the selected source for the Source tab, the
  // include's file for an include tab; empty for the others.
  std::string path;
  // For the Source and include tabs, the file's text in editor form.
  std::string text;
  // How the file's lines ended when it was read, for saving them so again.
  std::string lineEnd = kDefaultLineEnd;
  // "Unable to read FILE: REASON." when the file could not be read: the tab
  // then shows that, takes no typing and is never saved.
  std::string readError;
  bool dirty = false;
  // The Source and include tabs' undo and redo steps.
  EditHistory history;
  EditorSelection selection;
  int firstLine = 0;
};

class TabSet {
 public:
  TabSet();

  int Count() const { return static_cast<int>(m_records.size()); }
  bool IsValid(int tab) const { return tab >= 0 && tab < Count(); }
  // Source and include tabs hold files' texts; the others show outputs.
  bool IsEditable(int tab) const { return tab == kSourceTab || (tab >= kFixedTabCount && IsValid(tab)); }
  bool IsReadOnly(int tab) const { return IsEditable(tab) && !m_records[Index(tab)].readError.empty(); }
  bool AcceptsTyping(int tab) const { return IsEditable(tab) && !IsReadOnly(tab); }
  bool IsDirty(int tab) const { return IsValid(tab) && m_records[Index(tab)].dirty; }

  // For valid tabs only.
  TabRecord& at(int tab) { return m_records[Index(tab)]; }
  const TabRecord& at(int tab) const { return m_records[Index(tab)]; }
  // Null for a tab outside the set.
  TabRecord* Find(int tab) { return IsValid(tab) ? &m_records[Index(tab)] : nullptr; }

  const std::string& SourcePath() const { return at(kSourceTab).path; }
  std::size_t IncludeCount() const { return m_records.size() - kFixedTabCount; }
  static int IncludeTab(std::size_t include) { return kFixedTabCount + static_cast<int>(include); }
  std::vector<std::string> IncludePaths() const;
  // count include tabs, each empty.
  void ResetIncludes(std::size_t count);
  // The Map, Symbols, LST and Hex texts, refilled from the next compile.
  void EmptyOutputTexts();

  // The tab whose text the editor holds.
  int current = kLogTab;
  // Labels of tabs 1 to 5.
  std::array<std::string, kTitledTabCount> titles;

 private:
  static std::size_t Index(int tab) { return static_cast<std::size_t>(tab); }

  // A deque, so that a record held by reference stays where it is while the
  // include tabs after it come and go.
  std::deque<TabRecord> m_records;
};

}  // namespace qv
