#include "window/qt/editor/editor_document_text.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "window/model/tabs/editor_text.h"
#include "window/qt/qt_text.h"

namespace qv {

namespace {

// Below this many lines a text keeps one block per line.
constexpr int kGroupingLineCount = 10000;
// Fewer for text that is typed in, as a keystroke lays out its whole block
// again; more for the outputs, which load faster so.
constexpr int kLinesPerTypedBlock = 32;
constexpr int kLinesPerReadBlock = 128;

constexpr char16_t kNoBreakSpace = 0x00A0;

// As the document's plain text has them: every line or paragraph break a
// line feed, a no-break space a space.
void toPlainCharacters(QString& text) {
  for (QChar& character : text) {
    switch (character.unicode()) {
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator: character = u'\n'; break;
      case kNoBreakSpace: character = u' '; break;
      default: break;
    }
  }
}

}  // namespace

int LinesPerEditorBlock(const std::string& text, bool typedIn) {
  if (std::count(text.begin(), text.end(), '\n') < kGroupingLineCount) return 1;
  return typedIn ? kLinesPerTypedBlock : kLinesPerReadBlock;
}

QString EditorDocumentText(const std::string& text, int linesPerBlock) {
  if (linesPerBlock <= 1) return toEditorQt(text);
  QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* out = shown.data();
  int line = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char byte = text[i];
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      *out++ = ++line % linesPerBlock == 0 ? QChar(QChar::ParagraphSeparator) : QChar(QChar::LineSeparator);
    } else {
      *out++ = QChar(static_cast<char16_t>(static_cast<unsigned char>(byte)));
    }
  }
  shown.truncate(out - shown.data());
  return shown;
}

namespace {

int linesIn(const QTextBlock& block) { return static_cast<int>(block.text().count(QChar::LineSeparator)) + 1; }

void announceSize(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace

void SetBlockLineCounts(QTextDocument& document, int linesPerBlock) {
  if (linesPerBlock <= 1) return;
  QTextBlock last = document.lastBlock();
  for (QTextBlock block = document.begin(); block != last; block = block.next()) block.setLineCount(linesPerBlock);
  last.setLineCount(linesIn(last));
  announceSize(document);
}

void RestoreBlockLineCounts(QTextDocument& document) {
  QTextBlock first = document.begin();
  if (!first.isValid() || first.lineCount() == linesIn(first)) return;
  for (QTextBlock block = first; block.isValid(); block = block.next()) block.setLineCount(linesIn(block));
  announceSize(document);
}

CaretLine LineOfCaret(const QTextCursor& caret) {
  QTextBlock block = caret.block();
  QString before = block.text().left(caret.positionInBlock());
  int lineStart = static_cast<int>(before.lastIndexOf(QChar::LineSeparator)) + 1;
  return {block.firstLineNumber() + static_cast<int>(before.count(QChar::LineSeparator)) + 1,
          caret.positionInBlock() - lineStart + 1};
}

void CEditorTextMirror::Reset(const std::string& text) {
  m_text = WithLfLineEnds(text).text;
  std::replace(m_text.begin(), m_text.end(), static_cast<char>(kNoBreakSpace), ' ');
  m_valid = true;
}

void CEditorTextMirror::Apply(const QTextDocument& document, int position, int removed, int added) {
  if (m_paused || !m_valid) return;
  int length = document.characterCount() - 1;
  std::size_t from = static_cast<std::size_t>(position);
  // The document sometimes counts its own final break in a change; such a
  // change, or any other that does not fit, is read whole next time.
  if (position < 0 || removed < 0 || added < 0 || from + static_cast<std::size_t>(removed) > m_text.size() ||
      position + added > length) {
    m_valid = false;
    return;
  }
  QTextCursor range(const_cast<QTextDocument*>(&document));
  range.setPosition(position);
  range.setPosition(position + added, QTextCursor::KeepAnchor);
  QString inserted = range.selectedText();
  toPlainCharacters(inserted);
  std::string bytes = fromEditorQt(inserted);
  // A character that is not one byte would move every later position.
  if (bytes.size() != static_cast<std::size_t>(added)) {
    m_valid = false;
    return;
  }
  m_text.replace(from, static_cast<std::size_t>(removed), bytes);
  m_valid = m_text.size() == static_cast<std::size_t>(length);
}

const std::string& CEditorTextMirror::Text(const QTextDocument& document) {
  if (!m_valid) {
    m_text = fromEditorQt(document.toPlainText());
    m_valid = true;
  }
  return m_text;
}

}  // namespace qv
