#pragma once
// Compile/F5: the checks and saves before a compile, the compile itself away
// from the window's thread with its progress bar, and the result put into
// the tabs.

#include <cstdint>

#include "window/main_dialog_view.h"
#include "window/model/results/last_compile.h"
#include "window/model/source/source_selection.h"
#include "window/model/files/tab_files.h"
#include "window/model/find/find_bar.h"
#include "window/model/navigation/message_places.h"
#include "window/model/settings/window_settings.h"
#include "window/model/display/tab_display.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

// The parts of the window a compile reads and fills.
struct CompileParts {
  TabSet& tabs;
  TabEditor& editor;
  TabFiles& files;
  TabDisplay& display;
  SourceSelection& source;
  WindowSettings& settings;
  FindBar& find;
  MessagePlaces& places;
};

class CompileRun {
 public:
  CompileRun(MainDialogView& view, const CompileParts& parts, LastCompile& last)
      : m_view(view), m_parts(parts), m_last(last) {}

  void OnCompile();
  // The compiler's progress report while OnCompile runs.
  void OnCompileProgress(std::uint32_t done, std::uint32_t total);
  // What is left after an exception escaped OnCompile: no result, and says so.
  void EndCompileWithException();
  // The compiler is running away from the window's thread.
  bool Running() const { return m_running; }

  // Last progress position, 0 to 1000.
  int progressPos = 0;

 private:
  bool SaveIncludesBeforeCompile();
  void CompileSelectedSource(int rememberedTab, CompileResult previous);
  void EndAbortedCompile(int rememberedTab);
  void ShowProgressBar();
  void RebuildIncludeTabs();

  MainDialogView& m_view;
  CompileParts m_parts;
  LastCompile& m_last;
  // Tick count of the last progress repaint.
  std::uint32_t m_progressTick = 0;
  bool m_running = false;
};

}  // namespace qv
