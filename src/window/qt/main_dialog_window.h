#pragma once
// The workbench window on Qt Widgets: builds the controls of the template,
// turns widget events into CMainDialog operations and carries out the
// model's requests to the screen.

#include <QDialog>
#include <map>
#include <optional>
#include <utility>

#include "window/main_dialog.h"
#include "window/main_dialog_view.h"
#include "window/qt/editor/editor_document_text.h"
#include "window/qt/editor/source_colourer.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace qv {

class COutputTabBar;
class CSourceEditor;

class CMainDialogWindow : public QDialog, public MainDialogView {
  Q_OBJECT

 public:
  // The end code of Exit App and of the window's close button.
  static constexpr int kCancelCode = 2;

  // The settings live in the store, which must outlive the window; files
  // named without a folder keep their backups under userDataFolder.
  CMainDialogWindow(SettingsStore& settings, std::string userDataFolder, QWidget* parent = nullptr);

  CMainDialog& Model() { return m_model; }

  // OnInitDialog, then the modal loop; settings are saved when it ends.
  int DoModal();

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
  void SetFirstVisibleLine(int line) override;
  int VisibleLineCount() const override;
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

 public slots:
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateCaretPlace();
  void PlaceCaretPlace();
  void ConnectControls();
  QWidget* Control(ControlId id) const;
  bool IsOwnKeyPress(QObject* receiver) const;
  bool PreTranslateKey(QKeyEvent* event);
  void FitPendingOuterRect();
  // The tab strip, with the button of the list of all tabs at its end.
  void PlaceTabStrip(const PixelRect& rect);
  void ShowTabList();
  void NoteInsertedText(int position, int added);
  bool FoldInsertedText();

  std::map<ControlId, QWidget*> m_controls;
  COutputTabBar* m_tabBar = nullptr;
  QToolButton* m_tabList = nullptr;
  CSourceEditor* m_editor = nullptr;
  QLabel* m_status = nullptr;
  // At the status line's right end, over its words.
  QLabel* m_caretPlace = nullptr;
  QComboBox* m_recent = nullptr;
  QProgressBar* m_progress = nullptr;
  WindowColours m_colours;
  // An outer rectangle asked for before the window frame was known.
  std::optional<PixelRect> m_pendingOuterRect;
  bool m_changeNotifications = false;
  // Set while the model replaces the editor's text, which is not folded.
  bool m_settingEditorText = false;
  // Where the user's edits inserted text since it was last folded.
  std::optional<std::pair<int, int>> m_insertedText;
  // What GetEditorText returns, kept up to date as the document changes.
  mutable CEditorTextMirror m_editorText;
  CSourceColourer* m_colourer = nullptr;
  QTimer* m_timer = nullptr;
  std::string m_userDataFolder;
  CMainDialog m_model;
};

}  // namespace qv
