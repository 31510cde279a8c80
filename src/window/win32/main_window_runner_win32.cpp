#include "window/win32/main_window_runner_win32.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/error_report.h"
#include "platform/trace_log.h"
#include "platform/user_data_folder.h"
#include "platform/utf16_windows.h"
#include "window/win32/main_dialog_win32.h"
#include "window/win32/registry_settings_store.h"

namespace qv {

namespace {

void loadRichEditLibraries() {
  HMODULE rich20 = LoadLibraryW(L"riched20.dll");
  DWORD rich20Error = rich20 == nullptr ? GetLastError() : 0;
  HMODULE msftedit = LoadLibraryW(L"msftedit.dll");
  DWORD msfteditError = msftedit == nullptr ? GetLastError() : 0;
  traceLog("Quaverton: rich20 handle=%p msftedit handle=%p", static_cast<void*>(rich20), static_cast<void*>(msftedit));
  if (rich20 == nullptr) traceLog("Quaverton: LoadLibrary(riched20.dll) failed lastError=%lu", rich20Error);
  if (msftedit == nullptr) traceLog("Quaverton: LoadLibrary(msftedit.dll) failed lastError=%lu", msfteditError);
  traceLog("Quaverton: RichEdit libraries requested.");
  for (const wchar_t* name : {L"RICHEDIT", L"RICHEDIT50W", L"RICHEDIT_CLASS"}) {
    WNDCLASSW found{};
    bool registered = GetClassInfoW(nullptr, name, &found) != FALSE;
    traceLog("Quaverton: Rich-edit class %s is %sregistered.", toUtf8(name).c_str(), registered ? "" : "NOT ");
  }
}

void initCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

void showErrorBox(const std::string& text) {
  MessageBoxW(GetActiveWindow(), toUtf16(text).c_str(), L"Quaverton", MB_OK);
}

}  // namespace

void prepareWindowLibraries() {
  loadRichEditLibraries();
  initCommonControls();
}

namespace {

class Win32MainWindow : public ModalWindow {
 public:
  Win32MainWindow() : m_dialog(m_settings, userDataFolder()) {
    setErrorDisplay(showErrorBox);
  }
  ~Win32MainWindow() override { setErrorDisplay(nullptr); }
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  int DoModal() override { return m_dialog.DoModal(); }
  void SetStartupSource(const std::string& path) override { m_dialog.Model().SetStartupSource(path); }

 private:
  RegistrySettingsStore m_settings;
  CMainDialogWin32 m_dialog;
};

}  // namespace

std::unique_ptr<ModalWindow> makeWin32MainWindow() {
  prepareWindowLibraries();
  return std::make_unique<Win32MainWindow>();
}

}  // namespace qv
