// Times the Win32 workbench window on big projects, under Wine or Windows:
//   window_bench_win32 BIG.asm MEDIUM.asm OUTPUT-FOLDER
// 1. a compile of BIG.asm from F5 in the window, against the headless
//    compile of the same source in this process (best of three each);
// 2. the switch to the LST tab of that compile, until it is drawn;
// 3. opening MEDIUM.asm into the Source tab, until it is drawn;
// 4. one typed character in it, as a key message through the window's
//    loop, until it is drawn (median and slowest of 40 spread over the text).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "window/model/tabs/tab_set.h"
#include "window/win32/main_dialog_win32.h"
#include "window/win32/main_window_runner_win32.h"
#include "window/win32/registry_settings_store.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr wchar_t kBenchKey[] = L"Software\\Veltrane\\QuavertonBench";

double secondsOf(const std::function<void()>& action) {
  Clock::time_point start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void pump(qv::CMainDialogWin32& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND control(qv::CMainDialogWin32& window, qv::ControlId id) {
  return GetDlgItem(window.Handle(), static_cast<int>(id));
}

void drawn(qv::CMainDialogWin32& window) {
  pump(window);
  UpdateWindow(control(window, qv::ControlId::OutputText));
}

// The keyboard's messages go to the editor, which has the focus.
void focusEditor(qv::CMainDialogWin32& window) {
  SetForegroundWindow(window.Handle());
  pump(window);
  SetFocus(control(window, qv::ControlId::OutputText));
  pump(window);
}

void keyDown(qv::CMainDialogWin32& window, WPARAM key) {
  HWND editor = control(window, qv::ControlId::OutputText);
  PostMessageW(editor, WM_KEYDOWN, key, 1);
  PostMessageW(editor, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  pump(window);
}

void selectTab(qv::CMainDialogWin32& window, int tab) {
  HWND tabs = control(window, qv::ControlId::OutputTab);
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  NMHDR change{tabs, static_cast<UINT_PTR>(qv::ControlId::OutputTab), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window.Handle(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
  drawn(window);
}

// Starts from no settings, so that no source of an earlier run opens first.
bool forgetSettings() { return RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey) == ERROR_SUCCESS; }

struct BenchWindow {
  BenchWindow() : forgotten(forgetSettings()), settings(kBenchKey), window(settings, "") {
    window.Create();
    MoveWindow(window.Handle(), 0, 0, 1180, 760, TRUE);
    pump(window);
  }
  ~BenchWindow() { forgetSettings(); }
  bool forgotten;
  qv::RegistrySettingsStore settings;
  qv::CMainDialogWin32 window;
};

void openAndTypeFigures(const std::string& medium) {
  BenchWindow bench;
  qv::CMainDialogWin32& window = bench.window;
  double open = secondsOf([&] {
    window.Model().SelectSource(medium, true);
    drawn(window);
  });
  const std::string& text = window.Model().Tabs().at(qv::kSourceTab).text;
  long lines = std::count(text.begin(), text.end(), '\n');
  std::printf("open a %ld-line source into the Source tab: %.3f s (target 1.000)\n", lines, open);

  if (window.GetCurrentTab() != qv::kSourceTab) std::fprintf(stderr, "window_bench_win32: the Source tab is not shown\n");
  focusEditor(window);
  int length = window.EditorTextLength();
  std::size_t before = text.size();
  std::vector<double> strokes;
  for (int stroke = 0; stroke < 40; ++stroke) {
    int at = static_cast<int>(static_cast<long long>(length) * stroke / 40);
    window.SetEditorSelection(at, at);
    window.ScrollCaretIntoView();
    drawn(window);
    strokes.push_back(secondsOf([&] {
      PostMessageW(control(window, qv::ControlId::OutputText), WM_CHAR, 'x', 1);
      drawn(window);
    }));
  }
  if (text.size() != before + strokes.size()) std::fprintf(stderr, "window_bench_win32: the keys did not reach the source\n");
  std::sort(strokes.begin(), strokes.end());
  std::printf("typed character in it: median %.1f ms, slowest %.1f ms (target 16.0)\n",
              strokes[strokes.size() / 2] * 1000, strokes.back() * 1000);
  window.Model().Tabs().at(qv::kSourceTab).dirty = false;
}

void compileFigures(const std::string& big, const std::string& outputs) {
  std::vector<std::string> harness{"quaverton", "--harness", "--quiet", big, "--out-dir", outputs};
  BenchWindow bench;
  qv::CMainDialogWin32& window = bench.window;
  window.Model().SelectSource(big, false);
  drawn(window);
  double headless = 1e9;
  double compile = 1e9;
  // Taken in turns, so that other work on the machine weighs on both alike.
  for (int run = 0; run < 3; ++run) {
    headless = std::min(headless, secondsOf([&] { qv::runHarness(harness); }));
    focusEditor(window);
    compile = std::min(compile, secondsOf([&] { keyDown(window, VK_F5); }));
  }
  if (!window.Model().Last().compiled) std::fprintf(stderr, "window_bench_win32: %s did not compile\n", big.c_str());
  std::printf("compile of %s: window %.3f s, headless %.3f s, ratio %.2f (target 1.30)\n", big.c_str(), compile,
              headless, compile / headless);
  double lst = secondsOf([&] { selectTab(window, qv::kLstTab); });
  std::printf("switch to its LST tab (%zu bytes): %.3f s (target 1.000)\n",
              window.Model().Tabs().at(qv::kLstTab).text.size(), lst);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s BIG.asm MEDIUM.asm OUTPUT-FOLDER\n", argv[0]);
    return 1;
  }
  // Each figure as soon as it is taken.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  qv::prepareWindowLibraries();
  // The compile first: the switch to its LST tab, last, can take long.
  compileFigures(argv[1], argv[3]);
  openAndTypeFigures(argv[2]);
  return 0;
}
