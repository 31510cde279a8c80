// The Win32 window's shared editor in a hidden window: what the model
// relies on, with the control's own handling of keys and messages.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

#include "window/win32/editor/rich_edit_editor.h"

namespace qv {
namespace {

constexpr int kEditorId = 1008;

// A hidden top-level window that hands the editor its notifications, as the
// dialog does.
class HostWindow {
 public:
  explicit HostWindow(CRichEditEditor& editor) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HostWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuavertonEditorTestHost";
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                               nullptr, windowClass.hInstance, &editor);
  }
  ~HostWindow() { DestroyWindow(m_window); }
  HWND Handle() const { return m_window; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* editor = reinterpret_cast<CRichEditEditor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (editor != nullptr && message == WM_COMMAND && editor->OnCommand(wParam, lParam)) return 0;
    LRESULT result = 0;
    if (editor != nullptr && message == WM_NOTIFY && editor->OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
      return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND m_window = nullptr;
};

class RichEditEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(editor.Create(host.Handle(), kEditorId, {0, 0, 600, 200}));
    editor.SetEvents({[this] { ++changes; }, [this] { ++caretMoves; }, {}});
    ASSERT_TRUE(editor.SetFont({"Courier New", 9, false}));
  }

  void Type(wchar_t character) { SendMessageW(editor.Handle(), WM_CHAR, character, 1); }

  // What the control holds, read past the editor's own copy.
  std::string ControlText() const {
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(editor.Handle())) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(editor.Handle(), wide.data(), static_cast<int>(wide.size()))));
    std::string bytes;
    for (wchar_t unit : wide) {
      if (unit != L'\r') bytes += static_cast<char>(unit == L'\n' ? '\n' : unit);
    }
    return bytes;
  }

  CRichEditEditor editor;
  HostWindow host{editor};
  int changes = 0;
  int caretMoves = 0;
};

TEST_F(RichEditEditorTest, GivesTheTextBackWithOneLfPerLineBreak) {
  struct Case {
    std::string given;
    std::string expected;
  };
  for (const Case& test : {Case{"", ""}, Case{"a\r\nb\rc\nd", "a\nb\nc\nd"}, Case{"one\r\n\r\nthree\r\n", "one\n\nthree\n"},
                           Case{"tab\there", "tab\there"}}) {
    editor.SetText(test.given);
    EXPECT_EQ(editor.Text(), test.expected) << test.given;
    EXPECT_EQ(editor.TextLength(), static_cast<int>(test.expected.size())) << test.given;
    EXPECT_EQ(ControlText(), test.expected) << test.given;
  }
}

TEST_F(RichEditEditorTest, CountsEveryLineBreakAsOneCharacter) {
  editor.SetText("ab\r\ncd\r\nef");
  editor.SetSelection(3, 7);
  EditorSelection selection = editor.Selection();
  EXPECT_EQ(selection.start, 3);
  EXPECT_EQ(selection.end, 7);

  struct Case {
    int position;
    int line;
    int column;
  };
  for (const Case& test : {Case{0, 1, 1}, Case{2, 1, 3}, Case{3, 2, 1}, Case{7, 3, 2}, Case{8, 3, 3}}) {
    editor.SetSelection(test.position, test.position);
    TextPlace place = editor.CaretPlace();
    EXPECT_EQ(place.line, test.line) << test.position;
    EXPECT_EQ(place.column, test.column) << test.position;
  }
  editor.SetSelection(-4, 99);
  EXPECT_EQ(editor.Selection().start, 0);
  EXPECT_EQ(editor.Selection().end, 8);
}

TEST_F(RichEditEditorTest, ReplacesTheSelectionAndKeepsItsCopyInStep) {
  editor.SetText("ab\r\ncd\r\nef");
  editor.SetSelection(1, 4);
  editor.ReplaceSelection("X\nY", true);
  EXPECT_EQ(editor.Text(), "aX\nYd\nef");
  EXPECT_EQ(ControlText(), "aX\nYd\nef");
  EXPECT_EQ(editor.Selection().start, 4);
  EXPECT_EQ(editor.Selection().end, 4);
  EXPECT_TRUE(editor.IsModified());
  SendMessageW(editor.Handle(), EM_UNDO, 0, 0);
  EXPECT_EQ(editor.Text(), "ab\ncd\nef");
}

TEST_F(RichEditEditorTest, ReportsTheUsersChangesOnlyOnceAskedAndNeverForANewText) {
  editor.SetText("abc");
  editor.SetSelection(3, 3);
  Type(L'x');
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(editor.Text(), "abcx");

  editor.EnableChangeNotifications();
  editor.SetText("new\r\ntext");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(editor.IsModified());
  editor.SetSelection(0, 0);
  Type(L'y');
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(editor.Text(), "ynew\ntext");
  EXPECT_TRUE(editor.IsModified());
  editor.SetModified(false);
  EXPECT_FALSE(editor.IsModified());
  EXPECT_GT(caretMoves, 0);
}

TEST_F(RichEditEditorTest, RefusesTheUsersEditsWhileReadOnly) {
  editor.SetText("fixed");
  editor.SetReadOnly(true);
  editor.SetSelection(0, 0);
  Type(L'z');
  SendMessageW(editor.Handle(), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(editor.Text(), "fixed");
  EXPECT_FALSE(editor.IsModified());
  editor.SetReadOnly(false);
  Type(L'z');
  EXPECT_EQ(editor.Text(), "zfixed");
}

TEST_F(RichEditEditorTest, ScrollsToTheFirstVisibleLineAsked) {
  std::string text;
  for (int line = 1; line <= 300; ++line) text += "line " + std::to_string(line) + "\r\n";
  editor.SetText(text);
  EXPECT_EQ(editor.FirstVisibleLine(), 0);
  editor.SetFirstVisibleLine(120);
  EXPECT_EQ(editor.FirstVisibleLine(), 120);
  editor.SetFirstVisibleLine(5);
  EXPECT_EQ(editor.FirstVisibleLine(), 5);
  editor.SetSelection(editor.TextLength() - 20, editor.TextLength() - 20);
  editor.ScrollCaretIntoView();
  EXPECT_GT(editor.FirstVisibleLine(), 200);
}

}  // namespace
}  // namespace qv
