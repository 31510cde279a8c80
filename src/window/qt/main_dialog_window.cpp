#include "window/qt/main_dialog_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "platform/error_report.h"
#include "window/qt/output_tab_bar.h"
#include "window/qt/qt_text.h"
#include "window/qt/editor/source_editor.h"
#include "window/window_texts.h"

namespace qv {

namespace {

QFont dialogFont() {
  QFont font(QString::fromLatin1(kDialogFontFace));
  font.setPointSize(kDialogFontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

DialogBaseUnits baseUnitsOf(const QFont& font) {
  QFontMetrics metrics(font);
  return BaseUnitsFromFont(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                           metrics.height());
}

QWidget* makeControl(const TemplateControl& entry, QWidget* parent) {
  QString text = QString::fromLatin1(entry.text);
  switch (entry.kind) {
    case ControlKind::Label: return new QLabel(text, parent);
    case ControlKind::LineEdit: return new QLineEdit(parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case ControlKind::CheckBox: return new QCheckBox(text, parent);
    case ControlKind::TabStrip: return new COutputTabBar(parent);
    case ControlKind::Editor: return new CSourceEditor(parent);
  }
  return nullptr;
}

WindowKey windowKeyOf(int key) {
  switch (key) {
    case Qt::Key_Insert: return WindowKey::Insert;
    case Qt::Key_F: return WindowKey::F;
    case Qt::Key_G: return WindowKey::G;
    case Qt::Key_S: return WindowKey::S;
    case Qt::Key_Y: return WindowKey::Y;
    case Qt::Key_Z: return WindowKey::Z;
    case Qt::Key_F3: return WindowKey::F3;
    case Qt::Key_F4: return WindowKey::F4;
    case Qt::Key_F5: return WindowKey::F5;
    case Qt::Key_Return:
    case Qt::Key_Enter: return WindowKey::Enter;
    default: return WindowKey::Other;
  }
}

// "Description (*.a)|*.a|...||": Qt reads the patterns from the
// description's parentheses, so the descriptions are the filters.
QStringList nameFilters(const std::string& filter) {
  QStringList parts = toQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    filters << parts[i];
  }
  return filters;
}

}  // namespace

CMainDialogWindow::CMainDialogWindow(SettingsStore& settings, std::string userDataFolder, QWidget* parent)
    : QDialog(parent), m_userDataFolder(std::move(userDataFolder)), m_model(*this, settings, parent) {
  setFont(dialogFont());
  setWindowModality(Qt::ApplicationModal);
  CreateControls();
  ConnectControls();
  PixelRect size = DialogToPixels(kMainDialogTemplateSize, baseUnitsOf(font()));
  resize(size.width, size.height);
}

int CMainDialogWindow::TemplateWindowWidth() const {
  int frame = frameGeometry().width() - geometry().width();
  return DialogToPixels(kMainDialogTemplateSize, baseUnitsOf(font())).width + frame;
}

DialogBaseUnits CMainDialogWindow::BaseUnits() const { return baseUnitsOf(font()); }

int CMainDialogWindow::TextWidth(const std::string& text) const { return fontMetrics().horizontalAdvance(toQt(text)); }

void CMainDialogWindow::CreateControls() {
  DialogBaseUnits units = baseUnitsOf(font());
  for (const TemplateControl& entry : MainDialogTemplate()) {
    QWidget* widget = makeControl(entry, this);
    PixelRect rect = DialogToPixels(entry.position, units);
    // The template height of the drop-down is its open list.
    if (entry.kind == ControlKind::ComboBox) rect.height = widget->sizeHint().height();
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    m_controls[entry.id] = widget;
  }
  m_tabBar = static_cast<COutputTabBar*>(Control(ControlId::OutputTab));
  m_tabList = new QToolButton(this);
  m_tabList->setArrowType(Qt::DownArrow);
  m_tabList->setToolTip(QStringLiteral("All tabs"));
  m_tabList->setFocusPolicy(Qt::NoFocus);
  QRect strip = m_tabBar->geometry();
  PlaceTabStrip({strip.x(), strip.y(), strip.width(), strip.height()});
  m_editor = static_cast<CSourceEditor*>(Control(ControlId::OutputText));
  m_colourer = new CSourceColourer(*m_editor);
  m_status = static_cast<QLabel*>(Control(ControlId::Status));
  CreateCaretPlace();
  m_recent = static_cast<QComboBox*>(Control(ControlId::RecentSources));
}

void CMainDialogWindow::ConnectControls() {
  auto onClick = [this](ControlId id, void (CMainDialog::*operation)()) {
    connect(static_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this,
            [this, operation] { (m_model.*operation)(); });
  };
  onClick(ControlId::Browse, &CMainDialog::OnBrowse);
  onClick(ControlId::Compile, &CMainDialog::OnCompile);
  onClick(ControlId::SaveFiles, &CMainDialog::OnSaveFiles);
  onClick(ControlId::FindNext, &CMainDialog::OnFindNext);
  onClick(ControlId::FindPrev, &CMainDialog::OnFindPrev);
  connect(static_cast<QPushButton*>(Control(ControlId::Exit)), &QPushButton::clicked, this, [this] { reject(); });

  connect(static_cast<QLineEdit*>(Control(ControlId::Suffix)), &QLineEdit::textChanged, this,
          [this] { m_model.OnSuffixChanged(); });
  connect(m_recent, &QComboBox::activated, this, [this](int index) {
    m_model.OnRecentSourceChosen(fromQt(m_recent->itemText(index)));
  });
  connect(m_tabBar, &QTabBar::currentChanged, this, [this] { m_model.OnTabChanged(); });
  connect(m_tabList, &QToolButton::clicked, this, [this] { ShowTabList(); });
  connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { m_model.OnEditorCaretMoved(); });
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    m_model.OnActivateApp(state == Qt::ApplicationActive);
  });
  connect(m_editor->document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
    m_editorText.Apply(*m_editor->document(), position, removed, added);
  });
  qApp->installEventFilter(this);
  m_editor->viewport()->installEventFilter(this);
  m_timer = new QTimer(this);
  m_timer->setSingleShot(true);
  connect(m_timer, &QTimer::timeout, this, [this] { m_model.OnTimer(); });
}

int CMainDialogWindow::DoModal() {
  m_model.OnInitDialog();
  int result = exec();
  m_model.OnDestroy();
  return result;
}

void CMainDialogWindow::reject() {
  // Exit App and the close button both end here.
  if (m_model.CanClose()) done(kCancelCode);
}

bool CMainDialogWindow::event(QEvent* event) {
  bool handled = QDialog::event(event);
  // The window frame becomes known some time after the window is shown.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize: FitPendingOuterRect(); break;
    default: break;
  }
  return handled;
}

void CMainDialogWindow::resizeEvent(QResizeEvent* event) {
  // Without a window manager nothing holds the window to its minimum size.
  QSize least = size().expandedTo(minimumSize());
  if (least != size()) {
    resize(least);
    return;
  }
  QDialog::resizeEvent(event);
  m_model.OnSize(width(), height());
}

void CMainDialogWindow::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape reach the window only from controls that ignore them;
  // the window closes through Exit App and its close button alone.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
  }
}

bool CMainDialogWindow::IsOwnKeyPress(QObject* receiver) const {
  // Keys bubble up from the focused control to its parents; only the first
  // delivery counts.
  QWidget* focus = QApplication::focusWidget();
  QWidget* target = focus != nullptr ? focus : const_cast<CMainDialogWindow*>(this);
  return receiver == target && (target == this || isAncestorOf(target));
}

bool CMainDialogWindow::PreTranslateKey(QKeyEvent* event) {
  bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  bool alt = event->modifiers().testFlag(Qt::AltModifier);
  bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (m_model.PreTranslateKeyDown({windowKeyOf(event->key()), ctrl, alt, shift})) return true;
  QString text = event->text();
  return text.size() == 1 && text[0].unicode() < 256 &&
         m_model.PreTranslateChar(static_cast<char>(text[0].unicode()), ctrl, alt);
}

bool CMainDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == m_status) PlaceCaretPlace();
  if (event->type() == QEvent::KeyPress && IsOwnKeyPress(watched)) {
    return PreTranslateKey(static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::MouseButtonDblClick && watched == m_editor->viewport()) {
    QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
    // The editor's own word selection would undo the caret just placed.
    if (m_model.OnEditorDoubleClick(m_editor->cursorForPosition(point).position())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CMainDialogWindow::ShowTabList() {
  QMenu list(this);
  std::vector<std::string> labels = m_model.TabListLabels();
  int current = m_tabBar->currentIndex();
  for (std::size_t tab = 0; tab < labels.size(); ++tab) {
    QAction* item = list.addAction(toQt(labels[tab]));
    item->setData(static_cast<int>(tab));
    item->setCheckable(true);
    item->setChecked(static_cast<int>(tab) == current);
  }
  QAction* chosen = list.exec(m_tabList->mapToGlobal(QPoint(m_tabList->width(), m_tabList->height())));
  if (chosen != nullptr) m_model.OnTabListChosen(chosen->data().toInt());
}

MessageBoxAnswer CMainDialogWindow::ShowMessageBox(const std::string& text, MessageBoxButtons buttons,
                                                   MessageBoxIcon icon) {
  QMessageBox::StandardButtons choices = QMessageBox::Ok;
  if (buttons == MessageBoxButtons::YesNo) choices = QMessageBox::Yes | QMessageBox::No;
  if (buttons == MessageBoxButtons::YesNoCancel) choices = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  QMessageBox::Icon shown = QMessageBox::NoIcon;
  if (icon == MessageBoxIcon::Question) shown = QMessageBox::Question;
  if (icon == MessageBoxIcon::Stop) shown = QMessageBox::Critical;

  QMessageBox box(shown, QStringLiteral("Quaverton"), toQt(text), choices, this);
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageBoxAnswer::Yes;
    case QMessageBox::No: return MessageBoxAnswer::No;
    case QMessageBox::Cancel: return MessageBoxAnswer::Cancel;
    default: return MessageBoxAnswer::Ok;
  }
}

std::string CMainDialogWindow::UserDataFolder() const { return m_userDataFolder; }

void CMainDialogWindow::SetSingleShotTimer(int milliseconds) { m_timer->start(milliseconds); }

std::optional<int> CMainDialogWindow::AskLineNumber(int currentLine, int lastLine) {
  bool ok = false;
  int line = QInputDialog::getInt(this, QStringLiteral("Go to Line"),
                                  QStringLiteral("Line number (1 - %1):").arg(lastLine), currentLine, 1, lastLine, 1,
                                  &ok);
  if (!ok) return std::nullopt;
  return line;
}

std::string CMainDialogWindow::AskOpenFile(const OpenFileRequest& request) {
  QFileDialog dialog(this);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDirectory(toQt(request.initialFolder));
  dialog.setDefaultSuffix(toQt(request.defaultExtension));
  dialog.setNameFilters(nameFilters(request.filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return fromQt(dialog.selectedFiles().first());
}

}  // namespace qv
