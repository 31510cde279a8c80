// The Win32 window itself, under Wine with a display: the template as the
// model knows it, the stored source opened, real key messages through the
// window's own loop, a compile's files and settings, saving and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "platform/utf16_windows.h"
#include "support/test_support.h"
#include "window/demo_project.h"
#include "window/saved_bytes.h"
#include "window/model/layout/dialog_template.h"
#include "window/win32/dialog_resources.h"
#include "window/win32/main_dialog_win32.h"
#include "window/win32/main_window_runner_win32.h"
#include "window/win32/registry_settings_store.h"

namespace qv::test {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\Veltrane\\QuavertonWindowTest";

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring textOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

const wchar_t* classOfKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return L"Static";
    case ControlKind::LineEdit: return L"Edit";
    case ControlKind::Button:
    case ControlKind::CheckBox: return L"Button";
    case ControlKind::ComboBox: return L"ComboBox";
    case ControlKind::TabStrip: return L"SysTabControl32";
    case ControlKind::Editor: return L"RICHEDIT50W";
  }
  return L"";
}

INT_PTR CALLBACK bareDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Answers the next message box titled "Quaverton" from another thread,
// since the window waits inside it.
class BoxAnswer {
 public:
  explicit BoxAnswer(int button)
      : m_thread([this, button] {
          for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowW(L"#32770", L"Quaverton");
            if (box != nullptr && IsWindowVisible(box)) {
              m_words = toUtf8(textOf(GetDlgItem(box, 0xFFFF)));
              PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~BoxAnswer() {
    if (m_thread.joinable()) m_thread.join();
  }
  BoxAnswer(const BoxAnswer&) = delete;
  BoxAnswer& operator=(const BoxAnswer&) = delete;

  // The box's words, once it was answered (empty when none came).
  std::string Words() {
    if (m_thread.joinable()) m_thread.join();
    return m_words;
  }

 private:
  std::string m_words;
  std::thread m_thread;
};

class Win32WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { prepareWindowLibraries(); }

  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

  void TearDown() override {
    if (window && !window->Ended()) {
      // Edits left over are no question of this test's.
      window->Model().Tabs().at(1).dirty = false;
      PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
      Pump();
    }
    window.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  }

  void Open() {
    window = std::make_unique<CMainDialogWin32>(store, folder.path());
    ASSERT_TRUE(window->Create());
    Pump();
  }

  // The window's own loop, until nothing is left to do.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (window->PreTranslateMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  HWND Control(ControlId id) const { return GetDlgItem(window->Handle(), static_cast<int>(id)); }

  void FocusEditor() {
    SetForegroundWindow(window->Handle());
    SetFocus(Control(ControlId::OutputText));
    Pump();
  }

  // As the keyboard would deliver them, to the control with the focus.
  void KeyDown(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
    Pump();
  }
  void Typed(char typed) {
    PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(typed), 1);
    Pump();
  }

  std::string Stored(const wchar_t* name, DWORD& type) const {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kTestKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, value, &size) != ERROR_SUCCESS) {
      return "<absent>";
    }
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(value));
    return toUtf8(value);
  }

  TempFolder folder;
  RegistrySettingsStore store{kTestKey};
  std::unique_ptr<CMainDialogWin32> window;
};

TEST_F(Win32WindowTest, TheResourceTemplateHoldsTheControlsOfTheModelsTable) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QV_MAIN_DIALOG), nullptr,
                                   bareDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  RECT size{0, 0, kMainDialogTemplateSize.width, kMainDialogTemplateSize.height};
  MapDialogRect(dialog, &size);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  for (const TemplateControl& entry : MainDialogTemplate()) {
    SCOPED_TRACE(entry.text[0] != '\0' ? entry.text : std::to_string(static_cast<int>(entry.id)));
    HWND control = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      bool byId = static_cast<int>(entry.id) > 0 && GetDlgCtrlID(child) == static_cast<int>(entry.id);
      bool byText = static_cast<int>(entry.id) < 0 && static_cast<WORD>(GetDlgCtrlID(child)) == 0xFFFF &&
                    textOf(child) == toUtf16(entry.text);
      if (byId || byText) control = child;
    }
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(CompareStringOrdinal(classOf(control).c_str(), -1, classOfKind(entry.kind), -1, TRUE), CSTR_EQUAL)
        << toUtf8(classOf(control));
    if (entry.kind != ControlKind::ComboBox) {
      EXPECT_EQ(textOf(control), toUtf16(entry.text));
    }
    if (entry.kind == ControlKind::CheckBox) {
      EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    }
    // The dialog manager scales each of the four numbers on its own.
    RECT expected{entry.position.x, entry.position.y, entry.position.width, entry.position.height};
    MapDialogRect(dialog, &expected);
    RECT actual{};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right - actual.left, expected.right);
    // A drop-down's template height is its open list.
    if (entry.kind != ControlKind::ComboBox) {
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
    }
  }
  DestroyWindow(dialog);
}

TEST_F(Win32WindowTest, TheStoredSourceOpensKeysEditItAndF5CompilesTheSameFilesAsTheHarness) {
  std::string source = CopyDemoProject(folder);
  store.writeString("LastSource", source);
  Open();
  EXPECT_EQ(window->GetCurrentTab(), 1);
  EXPECT_EQ(window->GetControlText(ControlId::SourcePath), source);
  std::string original = readFile(source);
  ASSERT_EQ(window->GetEditorText().substr(0, 20), original.substr(0, 20));

  FocusEditor();
  window->SetEditorSelection(0, 0);
  KeyDown(VK_DELETE);
  Typed('#');
  Typed(';');
  EXPECT_EQ(window->GetEditorText().substr(0, 12), (std::string("#;") + original.substr(1)).substr(0, 12));
  EXPECT_TRUE(window->Model().IsTabDirty(1));

  KeyDown(VK_F5);
  EXPECT_NE(window->Model().Tabs().at(0).text.find("Compile completed"), std::string::npos);
  EXPECT_EQ(readFile(source), savedLf("#;" + original.substr(1)));

  std::string harnessFolder = folder.file("harness");
  ProcessResult harness = runQuaverton({"--harness", "--suffix", "_Y", "--out-dir", harnessFolder, source});
  ASSERT_EQ(harness.exitCode, 0) << harness.standardError;
  for (const char* extension : {".HEX", ".LST", ".SYM", ".MAP"}) {
    SCOPED_TRACE(extension);
    EXPECT_EQ(readFile(folder.file(std::string("demo_Y") + extension)),
              readFile(harnessFolder + "\\demo_Y" + extension));
  }

  DWORD type = 0;
  EXPECT_EQ(Stored(L"LastSource", type), source);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Stored(L"LastSuffix", type), "_Y");
  EXPECT_EQ(Stored(L"RecentSources", type), source);
  EXPECT_EQ(Stored(L"OutputTab", type), "1");
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Stored(L"NoWrite", type), "0");
  EXPECT_NE(Stored(L"WindowWidth", type), "<absent>");
}

TEST_F(Win32WindowTest, SaveFilesWritesTheEditWithCrLfLineEnds) {
  std::string source = folder.write("song.asm", std::string("; song\r\n") + kTinySource);
  store.writeString("LastSource", source);
  Open();
  FocusEditor();
  window->SetEditorSelection(0, 0);
  Typed('!');
  SendMessageW(Control(ControlId::SaveFiles), BM_CLICK, 0, 0);
  Pump();
  std::string saved = readFile(source);
  EXPECT_EQ(saved.substr(0, 3), "!; ");
  for (std::size_t at = saved.find('\n'); at != std::string::npos; at = saved.find('\n', at + 1)) {
    ASSERT_GT(at, 0u);
    EXPECT_EQ(saved[at - 1], '\r') << "at " << at;
  }
  EXPECT_FALSE(window->Model().IsTabDirty(1));
}

TEST_F(Win32WindowTest, ClosingWithUnsavedEditsAsksAndCancelKeepsTheWindow) {
  std::string source = folder.write("song.asm", kTinySource);
  store.writeString("LastSource", source);
  Open();
  FocusEditor();
  window->SetEditorSelection(0, 0);
  Typed(';');
  {
    BoxAnswer cancel(IDCANCEL);
    PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(cancel.Words(), "Save changes to the source and include files before closing?");
  }
  EXPECT_FALSE(window->Ended());
  {
    BoxAnswer no(IDNO);
    SendMessageW(Control(ControlId::Exit), BM_CLICK, 0, 0);
    Pump();
  }
  EXPECT_TRUE(window->Ended());
  EXPECT_EQ(readFile(source), kTinySource);
}

}  // namespace
}  // namespace qv::test
