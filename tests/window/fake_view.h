#pragma once
// A screen for CMainDialog made of plain fields. It behaves like the real
// editor where the model depends on it: a line break counts as one
// character, and replacing the text clears the selection and the modified
// mark. Message boxes record their text and give the queued answers (OK or
// Yes by default).

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/main_dialog_view.h"

namespace qv::test {

class FakeView : public MainDialogView {
 public:
  struct MessageBox {
    std::string text;
    MessageBoxButtons buttons;
    MessageBoxIcon icon;
  };

  FakeView() {
    for (ControlId id : {ControlId::SourcePath, ControlId::Browse, ControlId::RecentSources, ControlId::Compile,
                         ControlId::Suffix, ControlId::NoWrite, ControlId::ShowInactive, ControlId::SaveFiles,
                         ControlId::Exit, ControlId::OutputTab, ControlId::OutputText, ControlId::Status,
                         ControlId::FindLabel, ControlId::FindText, ControlId::FindNext, ControlId::FindPrev,
                         ControlId::MatchCase, ControlId::WholeWord}) {
      existing.insert(id);
    }
  }

  // Window.
  bool WindowExists() const override { return windowExists; }
  int TemplateWindowWidth() const override { return templateWindowWidth; }
  void SetWindowTitle(const std::string& text) override { title = text; }
  void MakeResizable() override { resizable = true; }
  void SetMinimumClientSize(int width, int height) override { minimumClientSize = {0, 0, width, height}; }
  void SetWindowColours(const WindowColours& colours) override { windowColours = colours; }
  PixelRect WorkArea() const override { return workArea; }
  PixelRect GetWindowRect() const override { return windowRect; }
  bool IsWindowMaximized() const override { return maximized; }
  void MoveWindow(const PixelRect& outer) override { windowRect = outer; }
  void ShowWindow(bool maximize) override {
    visible = true;
    maximized = maximize;
  }
  void BringToForeground() override {}
  bool IsWindowVisible() const override { return visible; }
  void RepaintWindow() override {
    if (onRepaintWindow) onRepaintWindow();
  }
  void PumpPaintMessages() override { ++paintPumps; }
  // On the calling thread: progress reports then reach the model at once.
  void RunAwayFromWindowThread(const std::function<void()>& work, const std::function<void()>&) override { work(); }

  DialogBaseUnits BaseUnits() const override { return baseUnits; }
  int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()) * textWidthPerCharacter; }

  // Controls.
  bool ControlExists(ControlId id) const override { return existing.count(id) != 0; }
  const void* ControlHandle(ControlId id) const override { return ControlExists(id) ? this : nullptr; }
  std::string GetControlText(ControlId id) const override {
    auto found = texts.find(id);
    return found == texts.end() ? std::string() : found->second;
  }
  void SetControlText(ControlId id, const std::string& text) override { texts[id] = text; }
  void SelectAllControlText(ControlId) override {}
  bool IsChecked(ControlId id) const override { return checks.count(id) != 0 && checks.at(id); }
  void SetChecked(ControlId id, bool checked) override { checks[id] = checked; }
  std::optional<PixelRect> ControlRect(ControlId id) const override {
    if (!ControlExists(id)) return std::nullopt;
    auto found = rects.find(id);
    return found == rects.end() ? PixelRect{} : found->second;
  }
  void MoveControl(ControlId id, const PixelRect& rect) override { rects[id] = rect; }
  int ControlHeightHint(ControlId id) const override { return heightHints.count(id) != 0 ? heightHints.at(id) : 0; }
  void ShowControl(ControlId id, bool show) override { shown[id] = show; }
  void FocusControl(ControlId id) override { focus = id; }
  bool ControlHasFocus(ControlId id) const override { return focus == id; }
  void SetToolTip(ControlId id, const std::string& text) override { toolTips[id] = text; }
  void SetToolTipDelay(int milliseconds) override { toolTipDelay = milliseconds; }

  // Recent sources.
  void SetRecentItems(const std::vector<std::string>& items) override { recentItems = items; }
  void SelectRecentItem(int index) override { recentSelection = index; }

  // Tab strip.
  void SetTabItems(const std::vector<std::string>& labels) override {
    tabs = labels;
    currentTab = labels.empty() ? -1 : 0;
  }
  void SetTabLabel(int tab, const std::string& label) override {
    if (tab >= 0 && tab < static_cast<int>(tabs.size())) tabs[static_cast<std::size_t>(tab)] = label;
  }
  int GetCurrentTab() const override { return currentTab; }
  void SetCurrentTab(int tab) override {
    if (tab >= 0 && tab < static_cast<int>(tabs.size())) currentTab = tab;
  }
  void SetTabToolTip(int tab, const std::string& text) override { tabToolTips[tab] = text; }

  // Editor.
  const std::string& GetEditorText() const override { return editorText; }
  void SetEditorText(const std::string& text) override {
    lastEditorInput = text;
    editorText.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      editorText += text[i] == '\r' ? '\n' : text[i];
    }
    selection = {};
    firstVisibleLine = 0;
    editorModified = false;
    ++editorTextChanges;
  }
  void SetEditorColouring(const EditorColouring& colouring) override { editorColouring = colouring; }
  int EditorTextLength() const override { return static_cast<int>(editorText.size()); }
  EditorSelection GetEditorSelection() const override { return selection; }
  void SetEditorSelection(int start, int end) override { selection = {start, end}; }
  void ReplaceEditorSelection(const std::string& text, bool) override {
    int from = std::min(selection.start, selection.end);
    int to = std::max(selection.start, selection.end);
    editorText.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), text);
    selection = {from + static_cast<int>(text.size()), from + static_cast<int>(text.size())};
    editorModified = true;
  }
  void ScrollCaretIntoView() override {}
  int GetFirstVisibleLine() const override { return firstVisibleLine; }
  void SetFirstVisibleLine(int line) override { firstVisibleLine = line; }
  int VisibleLineCount() const override { return visibleLineCount; }
  void SetEditorRedraw(bool on) override { redraw = on; }
  void SetEditorTextColour(const Rgb& colour) override { editorTextColour = colour; }
  void SetEditorReadOnly(bool readOnly) override { editorReadOnly = readOnly; }
  bool IsEditorModified() const override { return editorModified; }
  void SetEditorModified(bool modified) override { editorModified = modified; }
  void RepaintEditor() override {}
  void EnableEditorChangeNotifications() override { changeNotifications = true; }
  bool SetEditorFont(const EditorFont& font) override {
    fontRequests.push_back(font.bold);
    return !font.bold || boldFontAvailable;
  }
  TextPlace GetCaretPlace() const override {
    std::size_t caret = std::min(static_cast<std::size_t>(std::max(selection.end, 0)), editorText.size());
    std::string_view before(editorText.data(), caret);
    std::size_t lastBreak = before.rfind('\n');
    std::size_t column = lastBreak == std::string_view::npos ? caret : caret - lastBreak - 1;
    return {1 + static_cast<int>(std::count(before.begin(), before.end(), '\n')), static_cast<int>(column) + 1};
  }
  void ShowLineNumbers(bool show) override { lineNumbers = show; }

  // Status line and progress bar.
  void SetStatusLine(const std::string& text, bool highlight) override {
    statusLine = text;
    statusHighlight = highlight;
    statusHistory.push_back(text);
  }
  void SetCaretPlace(const std::string& text) override { caretPlace = text; }
  void CreateProgressBar(int range) override {
    existing.insert(ControlId::Progress);
    shown[ControlId::Progress] = false;
    progressRange = range;
  }
  void SetProgressPosition(int position) override {
    progressPosition = position;
    progressPositions.push_back(position);
  }

  // Modal questions.
  MessageBoxAnswer ShowMessageBox(const std::string& text, MessageBoxButtons buttons, MessageBoxIcon icon) override {
    messageBoxes.push_back({text, buttons, icon});
    if (answers.empty()) return buttons == MessageBoxButtons::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::Yes;
    MessageBoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<int> AskLineNumber(int currentLine, int lastLine) override {
    lineNumberQuestions.push_back({currentLine, lastLine});
    return lineNumberAnswer;
  }
  std::string AskOpenFile(const OpenFileRequest& request) override {
    openFileRequests.push_back(request);
    return openFileAnswer;
  }
  std::string UserDataFolder() const override { return userDataFolder; }
  void SetSingleShotTimer(int milliseconds) override { timerDueAt = clockMs + milliseconds; }

  // The fake clock moves on; true when the timer ran out meanwhile, which
  // disarms it (the caller then runs CMainDialog::OnTimer).
  bool Elapse(int milliseconds) {
    clockMs += milliseconds;
    if (!timerDueAt || *timerDueAt > clockMs) return false;
    timerDueAt.reset();
    return true;
  }

  // The user's side.
  void TypeInEditor(const std::string& text) {
    if (!editorReadOnly) ReplaceEditorSelection(text, true);
  }

  std::set<ControlId> existing;
  bool windowExists = true;
  // Unknown unless a test sets it: the fallback rectangle keeps its own width.
  int templateWindowWidth = 0;
  std::string title;
  bool resizable = false;
  PixelRect minimumClientSize;
  DialogBaseUnits baseUnits{6, 13};
  // Unknown unless a test sets them: the fixed sizes of the layout hold.
  int textWidthPerCharacter = 0;
  std::map<ControlId, int> heightHints;
  WindowColours windowColours{};
  PixelRect workArea{0, 0, 1920, 1040};
  PixelRect windowRect;
  bool maximized = false;
  bool visible = false;
  std::map<ControlId, std::string> texts;
  std::map<ControlId, bool> checks;
  std::map<ControlId, PixelRect> rects;
  std::map<ControlId, bool> shown;
  ControlId focus = ControlId::Exit;
  std::map<ControlId, std::string> toolTips;
  int toolTipDelay = 0;
  std::vector<std::string> recentItems;
  int recentSelection = -1;
  std::vector<std::string> tabs;
  int currentTab = -1;
  std::map<int, std::string> tabToolTips;
  std::string editorText;
  std::string lastEditorInput;
  EditorColouring editorColouring;
  int editorTextChanges = 0;
  EditorSelection selection;
  int firstVisibleLine = 0;
  int visibleLineCount = 20;
  bool redraw = true;
  Rgb editorTextColour{1, 2, 3};
  bool editorModified = false;
  bool editorReadOnly = false;
  bool changeNotifications = false;
  bool boldFontAvailable = true;
  std::vector<bool> fontRequests;
  bool lineNumbers = false;
  std::string statusLine;
  std::string caretPlace;
  bool statusHighlight = false;
  std::vector<std::string> statusHistory;
  int progressRange = 0;
  int progressPosition = 0;
  std::vector<int> progressPositions;
  int paintPumps = 0;
  // Runs when the model repaints the whole window, as it does just before
  // a compile looks for its source.
  std::function<void()> onRepaintWindow;
  std::vector<MessageBox> messageBoxes;
  std::deque<MessageBoxAnswer> answers;
  // Each question as {current line, last line}; the answer given to all.
  std::vector<std::pair<int, int>> lineNumberQuestions;
  std::optional<int> lineNumberAnswer;
  std::vector<OpenFileRequest> openFileRequests;
  std::string openFileAnswer;
  // No folder: files named without one get no backups, and no edits get
  // recovery copies.
  std::string userDataFolder;
  // The fake clock, in milliseconds, and when the timer runs out.
  long long clockMs = 0;
  std::optional<long long> timerDueAt;
};

}  // namespace qv::test
