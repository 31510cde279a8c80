#pragma once
// A main dialog over the fake screen, initialised, with its trace log in a
// folder of its own.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/test_support.h"
#include "support/trace_log_capture.h"
#include "window/fake_view.h"
#include "window/main_dialog.h"
#include "window/memory_settings_store.h"

namespace qv::test {

// A pointer as the trace log's %p writes it: the C library decides the form.
inline std::string pointerText(const void* pointer) {
  char text[32];
  std::snprintf(text, sizeof text, "%p", pointer);
  return text;
}

class MainDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.OnInitDialog(); }

  // The user picks a tab on the strip.
  void ShowTab(int tab) {
    view.currentTab = tab;
    dialog.OnTabChanged();
  }

  // The user types at the editor's selection.
  void Type(const std::string& text) {
    view.TypeInEditor(text);
    dialog.OnEditorChange();
  }

  std::string SelectNewSource(const std::string& name, const std::string& text) {
    std::string path = folder.write(name, text);
    dialog.SelectSource(path, true);
    return path;
  }

  TraceLogCapture trace;
  TempFolder folder;
  FakeView view;
  MemorySettingsStore settings;
  CMainDialog dialog{view, settings, nullptr};
};

}  // namespace qv::test
