#include "window/qt/source_highlighter.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <algorithm>
#include <vector>

#include "window/qt/qt_text.h"
#include "window/source_colouring.h"
#include "window/window_colours.h"

namespace qv {

namespace {

// What a block knows of its own colouring. A block holds one line, or
// several (line separators between) in a long text.
class BlockColouring : public QTextBlockUserData {
 public:
  bool coloured = false;
  // Lines of the block, counted from its first, that the compile switched off.
  std::vector<int> switchedOff;
};

QTextCharFormat foreground(const Rgb& colour) {
  QTextCharFormat format;
  format.setForeground(QColor(colour.red, colour.green, colour.blue));
  return format;
}

const Rgb& colourOf(SourceWordKind kind) {
  switch (kind) {
    case SourceWordKind::Command: return kSourceColours.command;
    case SourceWordKind::Directive: return kSourceColours.directive;
    case SourceWordKind::Number: return kSourceColours.number;
    case SourceWordKind::Comment: return kSourceColours.comment;
    case SourceWordKind::Label: return kSourceColours.label;
    case SourceWordKind::String: return kSourceColours.string;
  }
  return kSourceColours.command;
}

}  // namespace

CSourceHighlighter::CSourceHighlighter(QPlainTextEdit& editor)
    : QSyntaxHighlighter(editor.document()), m_editor(editor), m_switchedOffFormat(foreground(kSourceColours.switchedOff)) {
  for (SourceWordKind kind : {SourceWordKind::Command, SourceWordKind::Directive, SourceWordKind::Number,
                              SourceWordKind::Comment, SourceWordKind::Label, SourceWordKind::String}) {
    m_wordFormats[static_cast<std::size_t>(kind)] = foreground(colourOf(kind));
  }
  m_editor.viewport()->installEventFilter(this);
}

void CSourceHighlighter::SetColouring(const EditorColouring& colouring) { m_colouring = colouring; }

CSourceHighlighter::Loading::Loading(CSourceHighlighter& highlighter, int linesPerBlock) : m_highlighter(highlighter) {
  m_highlighter.m_loading = true;
  m_highlighter.m_loadedLinesPerBlock = linesPerBlock;
}

CSourceHighlighter::Loading::~Loading() { m_highlighter.m_loading = false; }

void CSourceHighlighter::highlightBlock(const QString& text) {
  if (!m_colouring.source) return;
  auto* block = static_cast<BlockColouring*>(currentBlockUserData());
  if (m_loading) {
    // Only the marks now; the colours when the block is first drawn.
    auto* loaded = new BlockColouring;
    int first = currentBlock().blockNumber() * m_loadedLinesPerBlock;
    int end = first + static_cast<int>(text.count(QChar::LineSeparator)) + 1;
    const std::vector<int>& off = m_colouring.switchedOffLines;
    for (auto line = std::lower_bound(off.begin(), off.end(), first); line != off.end() && *line < end; ++line) {
      loaded->switchedOff.push_back(*line - first);
    }
    setCurrentBlockUserData(loaded);
    return;
  }
  // A block made by editing has no marks of its own.
  if (block == nullptr) {
    block = new BlockColouring;
    setCurrentBlockUserData(block);
  }
  block->coloured = true;
  int line = 0;
  int start = 0;
  while (start <= text.size()) {
    int end = static_cast<int>(text.indexOf(QChar::LineSeparator, start));
    if (end < 0) end = static_cast<int>(text.size());
    if (std::binary_search(block->switchedOff.begin(), block->switchedOff.end(), line)) {
      setFormat(start, end - start, m_switchedOffFormat);
    } else {
      ColourLine(text, start, end - start);
    }
    start = end + 1;
    ++line;
  }
}

void CSourceHighlighter::ColourLine(const QString& text, int start, int length) {
  for (const SourceSpan& span : ColourSourceLine(fromEditorQt(text.mid(start, length)))) {
    setFormat(start + static_cast<int>(span.start), static_cast<int>(span.length),
              m_wordFormats[static_cast<std::size_t>(span.kind)]);
  }
}

bool CSourceHighlighter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && m_colouring.source) ColourShownBlocks();
  return QSyntaxHighlighter::eventFilter(watched, event);
}

void CSourceHighlighter::ColourShownBlocks() {
  // New colours are no change of the text: the window must not take them
  // for typing.
  QSignalBlocker quiet(&m_editor);
  QTextBlock last = m_editor.cursorForPosition(QPoint(0, m_editor.viewport()->height())).block();
  for (QTextBlock block = m_editor.cursorForPosition(QPoint(0, 0)).block(); block.isValid(); block = block.next()) {
    auto* colouring = static_cast<BlockColouring*>(block.userData());
    if (colouring != nullptr && !colouring->coloured) rehighlightBlock(block);
    if (block == last) break;
  }
}

}  // namespace qv
