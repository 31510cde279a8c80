#include "window/win32/off_thread_pump.h"

#include <windows.h>


#include "platform/error_report.h"

namespace qv {

namespace {

constexpr DWORD kPollMilliseconds = 10;
// The compiler recurses into nested includes and expressions; room as the
// main thread has it, whatever the system's default for other threads.
constexpr SIZE_T kWorkStackBytes = 16u << 20;

bool isUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_NCMOUSEHOVER ||
         message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE ||
         message == WM_INPUT || message == WM_CONTEXTMENU || message == WM_SYSCOMMAND;
}

DWORD WINAPI runWork(void* work) {
  // Nothing may escape the thread; the model's work catches its own failures.
  try {
    (*static_cast<std::function<void()>*>(work))();
  } catch (...) {
  }
  return 0;
}

}  // namespace

void runWithPaintOnlyPump(const std::function<void()>& work, const std::function<void()>& poll) {
  HANDLE worker = CreateThread(nullptr, kWorkStackBytes, runWork, const_cast<std::function<void()>*>(&work),
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (worker == nullptr) {
    // No thread to be had: the work runs here, the window undrawn meanwhile.
    work();
    return;
  }
  bool quit = false;
  int quitCode = 0;
  HCURSOR oldCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  for (;;) {
    DWORD woke = MsgWaitForMultipleObjects(1, &worker, FALSE, kPollMilliseconds, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(message.wParam);
      } else if (!isUserInput(message.message)) {
        DispatchMessageW(&message);
      }
    }
    try {
      poll();
    } catch (...) {
      reportUnhandledException("OnCompileProgress", 0);
    }
  }
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);
  SetCursor(oldCursor);
  if (quit) PostQuitMessage(quitCode);
}

}  // namespace qv
