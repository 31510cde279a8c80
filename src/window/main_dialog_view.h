#pragma once
// What the main window's logic asks of the screen. The Qt dialog is one
// implementation; tests use a fake. Editor positions count every line break
// as one character, in the text that GetEditorText returns.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/model/layout/dialog_template.h"
#include "window/model/layout/window_colours.h"
#include "window/model/layout/window_geometry.h"

namespace qv {

enum class MessageBoxButtons { Ok, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Question, Stop };
enum class MessageBoxAnswer { Ok, Yes, No, Cancel };

struct EditorSelection {
  int start = 0;
  int end = 0;
};

// A line and a column, both counted from 1.
struct TextPlace {
  int line = 1;
  int column = 1;
};

struct EditorFont {
  const char* face = "";
  int points = 0;
  bool bold = false;
};

// How the editor colours the text it is given next.
struct EditorColouring {
  // As SDL source; otherwise plain.
  bool source = false;
  // Lines (from 0) that the last compile switched off, to be greyed.
  std::vector<int> switchedOffLines;
};

struct OpenFileRequest {
  std::string initialFolder;
  std::string defaultExtension;
  // Pairs of description and pattern list separated by "|", ending "||".
  std::string filter;
};

class MainDialogView {
 public:
  virtual ~MainDialogView() = default;

  // The window as a whole.
  // False before the window is made and once it is gone.
  virtual bool WindowExists() const = 0;
  // The outer width of the window at the template's size.
  virtual int TemplateWindowWidth() const = 0;
  virtual void SetWindowTitle(const std::string& title) = 0;
  virtual void MakeResizable() = 0;
  virtual void SetMinimumClientSize(int width, int height) = 0;
  virtual void SetWindowColours(const WindowColours& colours) = 0;
  virtual PixelRect WorkArea() const = 0;
  virtual PixelRect GetWindowRect() const = 0;
  virtual bool IsWindowMaximized() const = 0;
  virtual void MoveWindow(const PixelRect& outer) = 0;
  virtual void ShowWindow(bool maximized) = 0;
  virtual void BringToForeground() = 0;
  virtual bool IsWindowVisible() const = 0;
  virtual void RepaintWindow() = 0;
  // Draws what is pending without handling any other event.
  virtual void PumpPaintMessages() = 0;
  // Runs work on another thread and returns once it has ended. Meanwhile the
  // window stays drawn but no user input reaches it, and poll runs on the
  // window's thread every few milliseconds.
  virtual void RunAwayFromWindowThread(const std::function<void()>& work, const std::function<void()>& poll) = 0;

  // The template's dialog units, and the width of a text, in the window's font.
  virtual DialogBaseUnits BaseUnits() const = 0;
  virtual int TextWidth(const std::string& text) const = 0;

  // Any control of the template, and the progress bar once made.
  virtual bool ControlExists(ControlId id) const = 0;
  // Identity of the control for trace lines; null when absent.
  virtual const void* ControlHandle(ControlId id) const = 0;
  virtual std::string GetControlText(ControlId id) const = 0;
  virtual void SetControlText(ControlId id, const std::string& text) = 0;
  virtual void SelectAllControlText(ControlId id) = 0;
  virtual bool IsChecked(ControlId id) const = 0;
  virtual void SetChecked(ControlId id, bool checked) = 0;
  // Client coordinates; absent when the control does not exist.
  virtual std::optional<PixelRect> ControlRect(ControlId id) const = 0;
  virtual void MoveControl(ControlId id, const PixelRect& rect) = 0;
  // The least height at which the control shows its text and frame whole;
  // 0 when it needs no particular height.
  virtual int ControlHeightHint(ControlId id) const = 0;
  virtual void ShowControl(ControlId id, bool visible) = 0;
  virtual void FocusControl(ControlId id) = 0;
  virtual bool ControlHasFocus(ControlId id) const = 0;
  virtual void SetToolTip(ControlId id, const std::string& text) = 0;
  virtual void SetToolTipDelay(int milliseconds) = 0;

  // The recent-sources drop-down, items in the order given; -1 selects none.
  virtual void SetRecentItems(const std::vector<std::string>& items) = 0;
  virtual void SelectRecentItem(int index) = 0;

  // The tab strip. Setting items or the current tab sends no change event.
  virtual void SetTabItems(const std::vector<std::string>& labels) = 0;
  virtual void SetTabLabel(int tab, const std::string& label) = 0;
  virtual int GetCurrentTab() const = 0;
  virtual void SetCurrentTab(int tab) = 0;
  // Shown when the pointer rests on the tab; empty for none.
  virtual void SetTabToolTip(int tab, const std::string& text) = 0;

  // The shared editor.
  // Valid until the editor's text changes.
  virtual const std::string& GetEditorText() const = 0;
  virtual void SetEditorText(const std::string& text) = 0;
  virtual void SetEditorColouring(const EditorColouring& colouring) = 0;
  virtual int EditorTextLength() const = 0;
  virtual EditorSelection GetEditorSelection() const = 0;
  virtual void SetEditorSelection(int start, int end) = 0;
  virtual void ReplaceEditorSelection(const std::string& text, bool undoable) = 0;
  virtual void ScrollCaretIntoView() = 0;
  virtual int GetFirstVisibleLine() const = 0;
  virtual void SetFirstVisibleLine(int line) = 0;
  // How many whole lines the editor shows at its present size.
  virtual int VisibleLineCount() const = 0;
  virtual void SetEditorRedraw(bool on) = 0;
  virtual void SetEditorTextColour(const Rgb& colour) = 0;
  // The user's keys, pastes and drops change nothing while it is read-only.
  virtual void SetEditorReadOnly(bool readOnly) = 0;
  virtual bool IsEditorModified() const = 0;
  virtual void SetEditorModified(bool modified) = 0;
  virtual void RepaintEditor() = 0;
  virtual void EnableEditorChangeNotifications() = 0;
  // True when the font made has the requested weight.
  virtual bool SetEditorFont(const EditorFont& font) = 0;
  virtual TextPlace GetCaretPlace() const = 0;
  // The line numbers beside the editor's text.
  virtual void ShowLineNumbers(bool shown) = 0;

  // Status line and progress bar.
  virtual void SetStatusLine(const std::string& text, bool highlight) = 0;
  // The caret's place, shown at the status line's end; empty for none.
  virtual void SetCaretPlace(const std::string& text) = 0;
  virtual void CreateProgressBar(int range) = 0;
  virtual void SetProgressPosition(int position) = 0;

  // Modal questions.
  virtual MessageBoxAnswer ShowMessageBox(const std::string& text, MessageBoxButtons buttons,
                                          MessageBoxIcon icon) = 0;
  // A line number from 1 to lastLine, offering the current one; none when
  // cancelled.
  virtual std::optional<int> AskLineNumber(int currentLine, int lastLine) = 0;
  // The chosen full path; empty when cancelled.
  virtual std::string AskOpenFile(const OpenFileRequest& request) = 0;

  // The user's own folder for the program's files, such as the backups of
  // files named without a folder and the recovery copies of unsaved edits;
  // empty when there is none.
  virtual std::string UserDataFolder() const = 0;

  // The one timer: CMainDialog::OnTimer runs once, on the window's thread,
  // milliseconds after the last call; each call starts the wait afresh.
  virtual void SetSingleShotTimer(int milliseconds) = 0;
};

}  // namespace qv
