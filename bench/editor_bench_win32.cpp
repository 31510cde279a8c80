// Times the Win32 window's shared editor on big sources, in a shown window:
//   editor_bench_win32 SOURCE.asm...
// For each source: putting it into the editor as the Source tab does, until
// it is drawn; then a typed character, until it is drawn (median and
// slowest of 40 spread over the text), both through the model's path
// (replacing the selection, the text read back) and as the control's own
// WM_CHAR, and a Delete key.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "window/model/tabs/editor_text.h"
#include "window/win32/editor/rich_edit_editor.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()>& action) {
  Clock::time_point start = Clock::now();
  action();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void drawPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

qv::CRichEditEditor* g_editor = nullptr;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_editor != nullptr && message == WM_COMMAND && g_editor->OnCommand(wParam, lParam)) return 0;
  LRESULT result = 0;
  if (g_editor != nullptr && message == WM_NOTIFY && g_editor->OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
    return result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct Keystrokes {
  double median = 0;
  double slowest = 0;
};

Keystrokes timeKeystrokes(qv::CRichEditEditor& editor, HWND edit, const std::function<void()>& key) {
  std::vector<double> times;
  int length = editor.TextLength();
  for (int i = 0; i < 40; ++i) {
    int at = static_cast<int>(static_cast<long long>(length) * i / 40);
    editor.SetSelection(at, at);
    editor.ScrollCaretIntoView();
    drawPending();
    times.push_back(millisecondsOf([&] {
      key();
      UpdateWindow(edit);
      drawPending();
    }));
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = hostProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuavertonEditorBench";
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(0, windowClass.lpszClassName, L"editor bench", WS_OVERLAPPEDWINDOW, 0, 0, 1180, 760,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  qv::CRichEditEditor editor;
  g_editor = &editor;
  if (!editor.Create(host, 1008, {0, 120, 1160, 560})) {
    std::fprintf(stderr, "editor_bench_win32: no rich edit control\n");
    return 1;
  }
  editor.SetFont({"Courier New", 9, true});
  int changes = 0;
  editor.SetEvents({[&] {
                      ++changes;
                      editor.Text();
                    },
                    {},
                    {}});
  editor.EnableChangeNotifications();
  ShowWindow(host, SW_SHOW);
  // Typing goes to the focused editor.
  SetForegroundWindow(host);
  SetFocus(editor.Handle());
  drawPending();

  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::string text = qv::ToEditorLineEnds(content.str());
    long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n'));

    double open = millisecondsOf([&] {
      qv::EditorColouring colouring;
      colouring.source = true;
      editor.SetColouring(colouring);
      editor.SetText(text);
      // As the model recolours a source it has just put in.
      editor.SetRedraw(false);
      editor.SetTextColour({0, 0, 0});
      editor.SetFirstVisibleLine(0);
      editor.SetSelection(0, 0);
      editor.SetRedraw(true);
      editor.ShowLineNumbers(true);
      UpdateWindow(editor.Handle());
      drawPending();
    });
    std::printf("%ld lines: open %.0f ms\n", lines, open);
    std::fflush(stdout);

    HWND edit = editor.Handle();
    Keystrokes typed = timeKeystrokes(editor, edit, [&] {
      editor.ReplaceSelection("x", true);
      editor.ScrollCaretIntoView();
      editor.Text();
    });
    std::printf("  typed character, model's path: median %.1f ms, slowest %.1f ms\n", typed.median, typed.slowest);
    Keystrokes own = timeKeystrokes(editor, edit, [&] { SendMessageW(edit, WM_CHAR, L'y', 1); });
    std::printf("  typed character, WM_CHAR: median %.1f ms, slowest %.1f ms\n", own.median, own.slowest);
    Keystrokes deleted = timeKeystrokes(editor, edit, [&] {
      SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 1);
      SendMessageW(edit, WM_KEYUP, VK_DELETE, 1);
    });
    std::printf("  Delete key: median %.1f ms, slowest %.1f ms\n", deleted.median, deleted.slowest);
    double scroll = millisecondsOf([&] {
      for (int page = 0; page < 20; ++page) {
        SendMessageW(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(edit);
        drawPending();
      }
    });
    std::printf("  page down, each until drawn: %.1f ms\n", scroll / 20);
    std::fflush(stdout);
  }
  g_editor = nullptr;
  DestroyWindow(host);
  return changes > 0 ? 0 : 1;
}
