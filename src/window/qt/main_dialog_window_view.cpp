// How the Qt dialog carries out the model's requests to the screen.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include "platform/error_report.h"
#include "window/model/tabs/flag_scope.h"
#include "window/qt/editor/editor_font.h"
#include "window/qt/main_dialog_window.h"
#include "window/qt/off_thread_run.h"
#include "window/qt/output_tab_bar.h"
#include "window/qt/qt_text.h"
#include "window/qt/editor/source_editor.h"
#include "window/qt/tool_tip_delay_style.h"

namespace qv {

namespace {

constexpr int kCaretPlaceGap = 8;
constexpr int kTabListPadding = 4;

QColor toColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

PixelRect toPixelRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

QWidget* CMainDialogWindow::Control(ControlId id) const {
  auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

// The window as a whole.

// The dialog is made with its model and lives as long as it does.
bool CMainDialogWindow::WindowExists() const { return true; }

void CMainDialogWindow::SetWindowTitle(const std::string& title) { setWindowTitle(toQt(title)); }

void CMainDialogWindow::MakeResizable() {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
}

void CMainDialogWindow::SetMinimumClientSize(int width, int height) { setMinimumSize(width, height); }

void CMainDialogWindow::SetWindowColours(const WindowColours& colours) {
  m_colours = colours;
  QPalette background = palette();
  background.setColor(QPalette::Window, toColour(colours.dialogBackground));
  setPalette(background);
  setAutoFillBackground(true);
  m_tabBar->SetColours(colours);
}

PixelRect CMainDialogWindow::WorkArea() const {
  QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown == nullptr) return {};
  return toPixelRect(shown->availableGeometry());
}

PixelRect CMainDialogWindow::GetWindowRect() const { return toPixelRect(frameGeometry()); }

bool CMainDialogWindow::IsWindowMaximized() const { return isMaximized(); }

void CMainDialogWindow::MoveWindow(const PixelRect& outer) {
  QSize frame = frameGeometry().size() - geometry().size();
  move(outer.x, outer.y);
  resize(std::max(outer.width - frame.width(), 1), std::max(outer.height - frame.height(), 1));
  // Left as it is, the frame would be added to the size at every start.
  if (!isVisible()) m_pendingOuterRect = outer;
}

void CMainDialogWindow::FitPendingOuterRect() {
  if (!m_pendingOuterRect || !isVisible()) return;
  if (isMaximized() || isFullScreen()) {
    m_pendingOuterRect.reset();
    return;
  }
  if (frameGeometry().size() == geometry().size()) return;
  PixelRect outer = *m_pendingOuterRect;
  m_pendingOuterRect.reset();
  MoveWindow(outer);
}

void CMainDialogWindow::ShowWindow(bool maximized) {
  if (maximized) {
    showMaximized();
  } else {
    show();
  }
}

void CMainDialogWindow::BringToForeground() {
  raise();
  activateWindow();
}

bool CMainDialogWindow::IsWindowVisible() const { return isVisible(); }

void CMainDialogWindow::RepaintWindow() { repaint(); }

void CMainDialogWindow::PumpPaintMessages() {
  // Painting only: processing events here would also run timers and posted
  // events in the middle of a compile.
  if (m_progress != nullptr && m_progress->isVisible()) m_progress->repaint();
  m_status->repaint();
}

void CMainDialogWindow::RunAwayFromWindowThread(const std::function<void()>& work,
                                                const std::function<void()>& poll) {
  RunOffWindowThread(work, poll);
}

// Controls.

bool CMainDialogWindow::ControlExists(ControlId id) const { return Control(id) != nullptr; }

const void* CMainDialogWindow::ControlHandle(ControlId id) const { return Control(id); }

std::string CMainDialogWindow::GetControlText(ControlId id) const {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return fromQt(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return fromQt(combo->currentText());
  if (auto* label = qobject_cast<QLabel*>(widget)) return fromQt(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return fromQt(button->text());
  return {};
}

void CMainDialogWindow::SetControlText(ControlId id, const std::string& text) {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(toQt(text));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(toQt(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(toQt(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(toQt(text));
  }
}

void CMainDialogWindow::SelectAllControlText(ControlId id) {
  if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) edit->selectAll();
}

bool CMainDialogWindow::IsChecked(ControlId id) const {
  auto* box = qobject_cast<QCheckBox*>(Control(id));
  return box != nullptr && box->isChecked();
}

void CMainDialogWindow::SetChecked(ControlId id, bool checked) {
  if (auto* box = qobject_cast<QCheckBox*>(Control(id))) box->setChecked(checked);
}

std::optional<PixelRect> CMainDialogWindow::ControlRect(ControlId id) const {
  QWidget* widget = Control(id);
  if (widget == nullptr) return std::nullopt;
  return toPixelRect(widget->geometry());
}

void CMainDialogWindow::MoveControl(ControlId id, const PixelRect& rect) {
  if (id == ControlId::OutputTab) {
    PlaceTabStrip(rect);
  } else if (QWidget* widget = Control(id)) {
    widget->setGeometry(rect.x, rect.y, std::max(rect.width, 0), std::max(rect.height, 0));
  }
}

void CMainDialogWindow::PlaceTabStrip(const PixelRect& rect) {
  // The list's button takes the strip's right end.
  int button = std::min(std::max(rect.width, 0), m_tabList->sizeHint().width() + kTabListPadding);
  m_tabBar->setGeometry(rect.x, rect.y, std::max(rect.width - button, 0), std::max(rect.height, 0));
  m_tabList->setGeometry(rect.x + rect.width - button, rect.y, button, std::max(rect.height, 0));
}

int CMainDialogWindow::ControlHeightHint(ControlId id) const {
  QWidget* widget = Control(id);
  return widget != nullptr ? widget->sizeHint().height() : 0;
}

void CMainDialogWindow::ShowControl(ControlId id, bool visible) {
  if (QWidget* widget = Control(id)) widget->setVisible(visible);
}

void CMainDialogWindow::FocusControl(ControlId id) {
  if (QWidget* widget = Control(id)) widget->setFocus();
}

bool CMainDialogWindow::ControlHasFocus(ControlId id) const {
  QWidget* widget = Control(id);
  return widget != nullptr && widget->hasFocus();
}

void CMainDialogWindow::SetToolTip(ControlId id, const std::string& text) {
  if (QWidget* widget = Control(id)) widget->setToolTip(toQt(text));
}

void CMainDialogWindow::SetToolTipDelay(int milliseconds) { CToolTipDelayStyle::Apply(milliseconds); }

// The recent-sources drop-down.

void CMainDialogWindow::SetRecentItems(const std::vector<std::string>& items) {
  QSignalBlocker quiet(m_recent);
  m_recent->clear();
  for (const std::string& item : items) m_recent->addItem(toQt(item));
}

void CMainDialogWindow::SelectRecentItem(int index) {
  QSignalBlocker quiet(m_recent);
  m_recent->setCurrentIndex(index);
}

// The tab strip.

void CMainDialogWindow::SetTabItems(const std::vector<std::string>& labels) {
  QSignalBlocker quiet(m_tabBar);
  m_tabBar->SetLabels(labels);
}

void CMainDialogWindow::SetTabLabel(int tab, const std::string& label) { m_tabBar->setTabText(tab, toQt(label)); }

int CMainDialogWindow::GetCurrentTab() const { return m_tabBar->currentIndex(); }

void CMainDialogWindow::SetCurrentTab(int tab) {
  QSignalBlocker quiet(m_tabBar);
  m_tabBar->setCurrentIndex(tab);
}

void CMainDialogWindow::SetTabToolTip(int tab, const std::string& text) { m_tabBar->setTabToolTip(tab, toQt(text)); }

// The shared editor.

const std::string& CMainDialogWindow::GetEditorText() const { return m_editorText.Text(*m_editor->document()); }

void CMainDialogWindow::SetEditorText(const std::string& text) {
  int linesPerBlock = LinesPerEditorBlock(text, m_colourer->ColoursSource());
  {
    CEditorTextMirror::Pause known(m_editorText);
    CSourceColourer::Loading loading(*m_colourer);
    FlagScope setting(m_settingEditorText);
    m_editor->setPlainText(EditorDocumentText(text, linesPerBlock));
  }
  m_insertedText.reset();
  SetBlockLineCounts(*m_editor->document(), linesPerBlock);
  m_colourer->MarkLoadedLines(linesPerBlock);
  m_editorText.Reset(text);
}

void CMainDialogWindow::SetEditorColouring(const EditorColouring& colouring) { m_colourer->SetColouring(colouring); }

int CMainDialogWindow::EditorTextLength() const { return m_editor->document()->characterCount() - 1; }

EditorSelection CMainDialogWindow::GetEditorSelection() const {
  QTextCursor cursor = m_editor->textCursor();
  return {cursor.selectionStart(), cursor.selectionEnd()};
}

void CMainDialogWindow::SetEditorSelection(int start, int end) {
  int length = EditorTextLength();
  QTextCursor cursor = m_editor->textCursor();
  cursor.setPosition(std::clamp(start, 0, length));
  cursor.setPosition(std::clamp(end, 0, length), QTextCursor::KeepAnchor);
  m_editor->setTextCursor(cursor);
}

void CMainDialogWindow::ReplaceEditorSelection(const std::string& text, bool) {
  // The model keeps every tab's undo steps; the editor keeps none.
  m_editor->textCursor().insertText(toEditorQt(text));
}

void CMainDialogWindow::ScrollCaretIntoView() { m_editor->ensureCursorVisible(); }

int CMainDialogWindow::GetFirstVisibleLine() const { return m_editor->verticalScrollBar()->value(); }

void CMainDialogWindow::SetFirstVisibleLine(int line) { m_editor->verticalScrollBar()->setValue(line); }

int CMainDialogWindow::VisibleLineCount() const {
  return m_editor->viewport()->height() / std::max(m_editor->fontMetrics().lineSpacing(), 1);
}

void CMainDialogWindow::SetEditorRedraw(bool on) { m_editor->setUpdatesEnabled(on); }

void CMainDialogWindow::SetEditorTextColour(const Rgb& colour) {
  QPalette text = m_editor->palette();
  text.setColor(QPalette::Text, toColour(colour));
  m_editor->setPalette(text);
}

void CMainDialogWindow::SetEditorReadOnly(bool readOnly) {
  if (m_editor->isReadOnly() == readOnly) return;
  m_editor->setReadOnly(readOnly);
  // The caret still moves, so the text can be read and selected by keys.
  if (readOnly) m_editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool CMainDialogWindow::IsEditorModified() const { return m_editor->document()->isModified(); }

void CMainDialogWindow::SetEditorModified(bool modified) { m_editor->document()->setModified(modified); }

void CMainDialogWindow::RepaintEditor() { m_editor->viewport()->update(); }

void CMainDialogWindow::EnableEditorChangeNotifications() {
  if (m_changeNotifications) return;
  m_changeNotifications = true;
  connect(m_editor->document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { NoteInsertedText(position, added); });
  connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
    // Folding changes the text again, and that change notifies the model.
    if (!FoldInsertedText()) m_model.OnEditorChange();
  });
}

void CMainDialogWindow::NoteInsertedText(int position, int added) {
  if (m_settingEditorText || added <= 0) return;
  int end = position + added;
  if (m_insertedText) {
    position = std::min(position, m_insertedText->first);
    end = std::max(end, m_insertedText->second);
  }
  m_insertedText = {position, end};
}

bool CMainDialogWindow::FoldInsertedText() {
  if (!m_insertedText) return false;
  auto [from, to] = *m_insertedText;
  m_insertedText.reset();
  return FoldInsertedCharacters(*m_editor->document(), from, to);
}

bool CMainDialogWindow::SetEditorFont(const EditorFont& request) {
  QFont font = FixedPitchFont(request.face, request.points, request.bold);
  if (request.bold && !QFontInfo(font).bold()) return false;
  m_editor->setFont(font);
  return true;
}

TextPlace CMainDialogWindow::GetCaretPlace() const {
  CaretLine place = LineOfCaret(m_editor->textCursor());
  return {place.line, place.column};
}

void CMainDialogWindow::ShowLineNumbers(bool shown) { m_editor->ShowLineNumbers(shown); }

// Status line and progress bar.

void CMainDialogWindow::SetStatusLine(const std::string& text, bool highlight) {
  // Every keystroke in a source says "Unsaved changes" again.
  QString shown = toQt(text);
  if (shown == m_status->text() && highlight == m_status->autoFillBackground()) return;
  try {
    QPalette colours = palette();
    if (highlight) {
      colours.setColor(QPalette::Window, toColour(m_colours.statusSuccess));
      colours.setColor(QPalette::WindowText, toColour(m_colours.statusSuccessText));
    }
    m_status->setPalette(colours);
    m_status->setAutoFillBackground(highlight);
  } catch (...) {
    reportUnhandledException("OnCtlColor", 0);
  }
  m_status->setText(shown);
  m_status->repaint();
}

void CMainDialogWindow::CreateCaretPlace() {
  m_caretPlace = new QLabel(m_status);
  m_caretPlace->hide();
}

void CMainDialogWindow::SetCaretPlace(const std::string& text) {
  if (fromQt(m_caretPlace->text()) == text) return;
  m_caretPlace->setText(toQt(text));
  m_caretPlace->setVisible(!text.empty());
  PlaceCaretPlace();
}

void CMainDialogWindow::PlaceCaretPlace() {
  m_caretPlace->adjustSize();
  int width = m_caretPlace->text().isEmpty() ? 0 : m_caretPlace->width();
  m_caretPlace->move(m_status->width() - width, (m_status->height() - m_caretPlace->height()) / 2);
  // The status words end where the caret's place begins.
  m_status->setContentsMargins(0, 0, width == 0 ? 0 : width + kCaretPlaceGap, 0);
}

void CMainDialogWindow::CreateProgressBar(int range) {
  if (m_progress != nullptr) return;
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, range);
  m_progress->setValue(0);
  m_progress->setTextVisible(false);
  m_progress->setGeometry(0, 0, 10, 10);
  m_progress->hide();
  m_controls[ControlId::Progress] = m_progress;
}

void CMainDialogWindow::SetProgressPosition(int position) {
  if (m_progress != nullptr) m_progress->setValue(position);
}

}  // namespace qv
