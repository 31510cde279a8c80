#pragma once
// From a place in a file to that line in the file's tab: a message's (a
// double-click in the Log, F4 and Shift+F4), a symbol's (a double-click on
// its name), a typed line number (Ctrl+G).

#include <cstddef>
#include <optional>
#include <string>

#include "window/main_dialog_view.h"
#include "window/model/results/last_compile.h"
#include "window/model/find/find_bar.h"
#include "window/model/settings/window_settings.h"
#include "window/model/display/tab_display.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

class MessagePlaces {
 public:
  MessagePlaces(MainDialogView& view, const TabSet& tabs, TabEditor& editor, TabDisplay& display, FindBar& find,
                const LastCompile& last, const WindowSettings& settings)
      : m_view(view),
        m_tabs(tabs),
        m_editor(editor),
        m_display(display),
        m_find(find),
        m_last(last),
        m_settings(settings) {}

  // True when it moved to a definition, a message's place or a match; else
  // the editor keeps its own double-click behaviour.
  bool OnEditorDoubleClick(int position);
  bool NavigateToName(const std::string& name);
  bool GoToMessage(std::size_t index);
  void OnNextMessage(bool forward);
  void OnGoToLine();
  // F4 starts again from the first message.
  void ForgetMessage() { currentMessage = -1; }

  // The message F4 and Shift+F4 go on from; -1 before the first.
  int currentMessage = -1;

 private:
  std::optional<std::size_t> MessageAtLogPosition(const std::string& text, std::size_t position) const;
  std::optional<int> TabOfFile(const std::string& file) const;
  // The include tab of the file an INCLUDE line in includingTab names.
  std::optional<int> TabOfInclude(const std::string& name, int includingTab) const;
  void PutCaretAtLine(int line);
  void ShowFileLine(const std::string& file, int line, const std::string& status);

  MainDialogView& m_view;
  const TabSet& m_tabs;
  TabEditor& m_editor;
  TabDisplay& m_display;
  FindBar& m_find;
  const LastCompile& m_last;
  const WindowSettings& m_settings;
};

}  // namespace qv
