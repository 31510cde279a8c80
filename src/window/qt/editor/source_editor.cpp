#include "window/qt/editor/source_editor.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "window/qt/editor/editor_document_text.h"

namespace qv {

namespace {

constexpr int kGutterPadding = 4;
const QColor kGutterBackground(232, 232, 232);
const QColor kGutterNumbers(110, 110, 110);

// The strip left of the text; the editor paints it.
class CLineNumberGutter : public QWidget {
 public:
  explicit CLineNumberGutter(CSourceEditor* editor) : QWidget(editor), m_editor(editor) {}

 protected:
  void paintEvent(QPaintEvent* event) override { m_editor->PaintGutter(event); }

 private:
  CSourceEditor* m_editor;
};

int digitsOf(int number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

}  // namespace

CSourceEditor::CSourceEditor(QWidget* parent) : QPlainTextEdit(parent), m_gutter(new CLineNumberGutter(this)) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // Undo and redo are the window's, one history per tab, which outlives
  // every replacement of the text.
  setUndoRedoEnabled(false);
  m_gutter->hide();
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
  // A long text holds several lines to a block: the gutter counts lines.
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  connect(layout, &QAbstractTextDocumentLayout::update, this, [this] { RestoreBlockLineCounts(*document()); });
  // Queued: the layout reports a new size while it lays out a block, which a
  // new gutter width would lay out again.
  connect(layout, &QAbstractTextDocumentLayout::documentSizeChanged, this, [this] { UpdateGutterWidth(); },
          Qt::QueuedConnection);
  connect(this, &QPlainTextEdit::updateRequest, this, &CSourceEditor::UpdateGutter);
}

void CSourceEditor::ShowLineNumbers(bool shown) {
  if (shown == m_lineNumbers) return;
  m_lineNumbers = shown;
  m_gutter->setVisible(shown);
  m_gutterDigits = 0;
  UpdateGutterWidth();
}

int CSourceEditor::GutterWidth() const {
  if (!m_lineNumbers) return 0;
  // Room for the digits of the last line, and never less than three.
  int digits = std::max(digitsOf(document()->lineCount()), 3);
  return 2 * kGutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void CSourceEditor::UpdateGutterWidth() {
  int digits = m_lineNumbers ? digitsOf(document()->lineCount()) : 0;
  // Only a new count of digits changes the width.
  if (digits == m_gutterDigits && m_gutterDigits != 0) return;
  m_gutterDigits = digits;
  setViewportMargins(GutterWidth(), 0, 0, 0);
  QRect area = contentsRect();
  m_gutter->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void CSourceEditor::UpdateGutter(const QRect& rect, int dy) {
  if (!m_lineNumbers) return;
  if (dy != 0) {
    m_gutter->scroll(0, dy);
  } else {
    m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
  }
}

void CSourceEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  QRect area = contentsRect();
  m_gutter->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void CSourceEditor::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  // The digits' width follows the editor's font.
  if (event->type() == QEvent::FontChange) {
    m_gutterDigits = 0;
    UpdateGutterWidth();
  }
}

void CSourceEditor::PaintGutter(QPaintEvent* event) {
  QPainter painter(m_gutter);
  painter.fillRect(event->rect(), kGutterBackground);
  painter.setPen(kGutterNumbers);
  painter.setFont(font());
  int right = m_gutter->width() - kGutterPadding;
  int lineHeight = fontMetrics().height();
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  // Only the lines in sight are painted, however long the text.
  while (block.isValid() && top <= event->rect().bottom()) {
    int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      QTextLayout* lines = block.layout();
      for (int line = 0; line < lines->lineCount(); ++line) {
        painter.drawText(0, top + qRound(lines->lineAt(line).y()), right, lineHeight, Qt::AlignRight,
                         QString::number(block.firstLineNumber() + line + 1));
      }
    }
    block = block.next();
    top = bottom;
  }
}

}  // namespace qv
