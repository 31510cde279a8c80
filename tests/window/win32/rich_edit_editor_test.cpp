// The Win32 window's shared editor in a hidden window: what the model
// relies on, with the control's own handling of keys and messages.
#include <gtest/gtest.h>

#include <richedit.h>

#include <functional>
#include <string>

#include "window/model/layout/window_colours.h"
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

  COLORREF ColourAt(int position) const {
    CHARRANGE range{position, position + 1};
    SendMessageW(editor.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(editor.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format.crTextColor;
  }

  static COLORREF colourRef(const Rgb& colour) { return RGB(colour.red, colour.green, colour.blue); }

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

// The copy the model reads follows the control through the user's own edits.
TEST_F(RichEditEditorTest, FollowsTheUsersEdits) {
  struct Case {
    const char* name;
    int start;
    int end;
    std::function<void(HWND)> edit;
    std::string expected;
  };
  auto key = [](WPARAM code) { return [code](HWND edit) { SendMessageW(edit, WM_KEYDOWN, code, 1); }; };
  auto character = [](wchar_t typed) { return [typed](HWND edit) { SendMessageW(edit, WM_CHAR, typed, 1); }; };
  auto message = [](UINT sent) { return [sent](HWND edit) { SendMessageW(edit, sent, 0, 0); }; };
  for (const Case& test : {
           Case{"Delete", 2, 2, key(VK_DELETE), "abX\ncd\nef"},
           Case{"Delete after a line", 4, 4, key(VK_DELETE), "ab\nXcd\nef"},
           Case{"Backspace", 4, 4, key(VK_BACK), "ab\n\ncd\nef"},
           Case{"Backspace over a selection", 1, 6, key(VK_BACK), "ad\nef"},
           Case{"typing over a selection", 1, 6, character(L'z'), "azd\nef"},
           Case{"cut", 0, 4, message(WM_CUT), "\ncd\nef"},
       }) {
    editor.SetText("ab\r\nX\r\ncd\r\nef");
    editor.SetSelection(test.start, test.end);
    test.edit(editor.Handle());
    EXPECT_EQ(editor.Text(), test.expected) << test.name;
    EXPECT_EQ(ControlText(), test.expected) << test.name;
    EXPECT_EQ(editor.TextLength(), static_cast<int>(test.expected.size())) << test.name;
  }
  // What was cut comes back where the caret is.
  editor.SetSelection(2, 2);
  SendMessageW(editor.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(ControlText(), editor.Text());
}

// Colours appear where the text is drawn, and a new text brings none of them.
TEST_F(RichEditEditorTest, ColoursTheSourceLinesInSight) {
  ShowWindow(host.Handle(), SW_SHOWNA);
  EditorColouring colouring;
  colouring.source = true;
  colouring.switchedOffLines = {1};
  editor.SetColouring(colouring);
  editor.SetText("; note\r\nLABEL EQU 1\r\n        PLAY 5\r\n");
  UpdateWindow(editor.Handle());
  EXPECT_EQ(ColourAt(1), colourRef(kSourceColours.comment));
  EXPECT_EQ(ColourAt(8), colourRef(kSourceColours.switchedOff));
  EXPECT_EQ(ColourAt(28), colourRef(kSourceColours.command));
  EXPECT_EQ(ColourAt(32), colourRef(kSourceColours.number));
  EXPECT_FALSE(editor.IsModified());
  EXPECT_EQ(SendMessageW(editor.Handle(), EM_CANUNDO, 0, 0), 0);

  // Typed after the comment, on a line of its own: coloured as what it is.
  editor.SetSelection(6, 6);
  editor.ReplaceSelection("\nPLAY", true);
  UpdateWindow(editor.Handle());
  // The colours took not the caret.
  EXPECT_EQ(editor.Selection().start, 11);
  EXPECT_EQ(editor.Selection().end, 11);
  EXPECT_EQ(ColourAt(8), colourRef(kSourceColours.command));
  EXPECT_EQ(ColourAt(13), colourRef(kSourceColours.switchedOff));
  EXPECT_EQ(editor.Text(), "; note\nPLAY\nLABEL EQU 1\n        PLAY 5\n");

  editor.SetColouring({});
  editor.SetText("; plain\r\n");
  UpdateWindow(editor.Handle());
  EXPECT_EQ(ColourAt(1), RGB(0, 0, 0));
}

// The window may take a double-click for itself, and the control then does
// nothing with it.
TEST_F(RichEditEditorTest, OffersDoubleClicksAtTheirTextPosition) {
  editor.SetText("alpha beta\r\ngamma");
  for (bool taken : {true, false}) {
    int clicked = -1;
    editor.SetEvents({{}, {}, [&](int position) {
                        clicked = position;
                        return taken;
                      }});
    editor.SetSelection(0, 0);
    POINTL place{};
    SendMessageW(editor.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), 7);
    LPARAM point = MAKELPARAM(place.x + 1, place.y + 2);
    SendMessageW(editor.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(editor.Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(clicked, 7) << taken;
    if (taken) {
      EXPECT_EQ(editor.Selection().end, 0);
    }
  }
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
