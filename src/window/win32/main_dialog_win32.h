#pragma once
// The workbench window on the Win32 API: the dialog of main_dialog.rc. Its
// dialog procedure turns messages into CMainDialog operations, as the Qt
// view turns widget signals into them, and it carries out the model's
// requests to the screen.

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "window/main_dialog.h"
#include "window/main_dialog_view.h"
#include "window/win32/editor/rich_edit_editor.h"
#include "window/win32/tab_list_button.h"
#include "window/win32/tab_tool_tips.h"
#include "window/win32/window_brushes.h"

namespace qv {

class CMainDialogWin32 : public MainDialogView {
 public:
  // The end code of Exit App and of the window's close button.
  static constexpr int kCancelCode = IDCANCEL;

  // The settings live in the store, which must outlive the window; files
  // named without a folder keep their backups under userDataFolder.
  CMainDialogWin32(SettingsStore& settings, std::string userDataFolder);
  ~CMainDialogWin32() override;
  CMainDialogWin32(const CMainDialogWin32&) = delete;
  CMainDialogWin32& operator=(const CMainDialogWin32&) = delete;

  CMainDialog& Model() { return m_model; }
  HWND Handle() const { return m_window; }

  // Creates the dialog and runs its modal loop; -1 when it could not be made.
  int DoModal();
  // Creates the dialog, initialised and shown, without a loop of its own:
  // for tests that run their own. False when it could not be made.
  bool Create();
  // Turns one message of the thread's queue into the window's keys first,
  // then the dialog's own keys; true when it was used up. For tests that run
  // their own loop.
  bool PreTranslateMessage(MSG& message);
  // True once the dialog has ended.
  bool Ended() const { return m_ended; }

  // MainDialogView
  bool WindowExists() const override;
  int TemplateWindowWidth() const override;
  void SetWindowTitle(const std::string& title) override;
  void MakeResizable() override;
  void SetMinimumClientSize(int width, int height) override;
  void SetWindowColours(const WindowColours& colours) override;
  PixelRect WorkArea() const override;
  PixelRect GetWindowRect() const override;
  bool IsWindowMaximized() const override;
  void MoveWindow(const PixelRect& outer) override;
  void ShowWindow(bool maximized) override;
  void BringToForeground() override;
  bool IsWindowVisible() const override;
  void RepaintWindow() override;
  void PumpPaintMessages() override;
  void RunAwayFromWindowThread(const std::function<void()>& work, const std::function<void()>& poll) override;

  DialogBaseUnits BaseUnits() const override;
  int TextWidth(const std::string& text) const override;
  bool ControlExists(ControlId id) const override;
  const void* ControlHandle(ControlId id) const override;
  std::string GetControlText(ControlId id) const override;
  void SetControlText(ControlId id, const std::string& text) override;
  void SelectAllControlText(ControlId id) override;
  bool IsChecked(ControlId id) const override;
  void SetChecked(ControlId id, bool checked) override;
  std::optional<PixelRect> ControlRect(ControlId id) const override;
  void MoveControl(ControlId id, const PixelRect& rect) override;
  int ControlHeightHint(ControlId id) const override;
  void ShowControl(ControlId id, bool visible) override;
  void FocusControl(ControlId id) override;
  bool ControlHasFocus(ControlId id) const override;
  void SetToolTip(ControlId id, const std::string& text) override;
  void SetToolTipDelay(int milliseconds) override;

  void SetRecentItems(const std::vector<std::string>& items) override;
  void SelectRecentItem(int index) override;

  void SetTabItems(const std::vector<std::string>& labels) override;
  void SetTabLabel(int tab, const std::string& label) override;
  int GetCurrentTab() const override;
  void SetCurrentTab(int tab) override;
  void SetTabToolTip(int tab, const std::string& text) override;

  const std::string& GetEditorText() const override;
  void SetEditorText(const std::string& text) override;
  void SetEditorColouring(const EditorColouring& colouring) override;
  int EditorTextLength() const override;
  EditorSelection GetEditorSelection() const override;
  void SetEditorSelection(int start, int end) override;
  void ReplaceEditorSelection(const std::string& text, bool undoable) override;
  void ScrollCaretIntoView() override;
  int GetFirstVisibleLine() const override;
  int VisibleLineCount() const override;
  void SetFirstVisibleLine(int line) override;
  void SetEditorRedraw(bool on) override;
  void SetEditorTextColour(const Rgb& colour) override;
  void SetEditorReadOnly(bool readOnly) override;
  bool IsEditorModified() const override;
  void SetEditorModified(bool modified) override;
  void RepaintEditor() override;
  void EnableEditorChangeNotifications() override;
  bool SetEditorFont(const EditorFont& font) override;
  TextPlace GetCaretPlace() const override;
  void ShowLineNumbers(bool shown) override;

  void SetStatusLine(const std::string& text, bool highlight) override;
  void SetCaretPlace(const std::string& text) override;
  void CreateProgressBar(int range) override;
  void SetProgressPosition(int position) override;

  MessageBoxAnswer ShowMessageBox(const std::string& text, MessageBoxButtons buttons, MessageBoxIcon icon) override;
  std::optional<int> AskLineNumber(int currentLine, int lastLine) override;
  std::string AskOpenFile(const OpenFileRequest& request) override;
  std::string UserDataFolder() const override;
  void SetSingleShotTimer(int milliseconds) override;

 private:
  static LRESULT CALLBACK EraseTabStripBackground(HWND tabStrip, UINT message, WPARAM wParam, LPARAM lParam,
                                                  UINT_PTR, DWORD_PTR self);
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialogControls();
  void FindTemplateControls();
  void ReplaceTemplateEditor();
  void OnCommand(WORD id, WORD code, HWND control);
  bool OnNotify(const NMHDR& header, LRESULT& result);
  LRESULT OnCtlColor(HDC dc, HWND control, UINT message);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  void OnClose();
  void EndDialog(int code);
  bool PreTranslateKey(const MSG& message);
  HWND Control(ControlId id) const;
  void PlaceCaretPlace();
  // The tooltip control of the window's own controls, made when first asked for.
  HWND ToolTip();

  std::string m_userDataFolder;
  HWND m_window = nullptr;
  std::map<ControlId, HWND> m_controls;
  CRichEditEditor m_editor;
  HWND m_toolTip = nullptr;
  TabToolTips m_tabToolTips;
  TabListButton m_tabList;
  // The drop-down's height with its list open, which moving keeps.
  int m_recentDroppedHeight = 0;
  HWND m_caretPlace = nullptr;
  HFONT m_dialogFont = nullptr;
  WindowBrushes m_brushes;
  bool m_statusHighlight = false;
  SIZE m_minimumClient{0, 0};
  // Set while the work of RunAwayFromWindowThread runs: closing is refused.
  bool m_busy = false;
  bool m_ended = false;
  int m_endCode = 0;
  CMainDialog m_model;
};

}  // namespace qv
