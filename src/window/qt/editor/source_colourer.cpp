#include "window/qt/editor/source_colourer.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "window/qt/qt_text.h"
#include "window/model/tabs/source_colouring.h"
#include "window/model/layout/window_colours.h"

namespace qv {

namespace {

// Lines longer than this are coloured only around what is in sight, that far
// on either side.
constexpr qsizetype kLongLineLength = 4096;
constexpr int kColouredMargin = 1024;

// What a block knows of its own colouring. A block holds one line, or
// several (line separators between) in a long text.
class BlockColouring : public QTextBlockUserData {
 public:
  bool coloured = false;
  // Lines of the block, counted from its first, that the compile switched off.
  std::vector<int> switchedOff;
  // For a block with a long line: the columns its long lines are coloured in.
  bool windowed = false;
  int from = 0;
  int to = 0;

  bool covers(int shownFrom, int shownTo) const { return !windowed || (shownFrom >= from && shownTo <= to); }
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

BlockColouring& colouringOf(QTextBlock& block) {
  auto* colouring = static_cast<BlockColouring*>(block.userData());
  if (colouring == nullptr) {
    // A block made by editing has no marks of its own.
    colouring = new BlockColouring;
    block.setUserData(colouring);
  }
  return *colouring;
}

}  // namespace

CSourceColourer::CSourceColourer(QPlainTextEdit& editor)
    : QObject(&editor), m_editor(editor), m_switchedOffFormat(foreground(kSourceColours.switchedOff)) {
  for (SourceWordKind kind : {SourceWordKind::Command, SourceWordKind::Directive, SourceWordKind::Number,
                              SourceWordKind::Comment, SourceWordKind::Label, SourceWordKind::String}) {
    m_wordFormats[static_cast<std::size_t>(kind)] = foreground(colourOf(kind));
  }
  connect(editor.document(), &QTextDocument::contentsChange, this, &CSourceColourer::OnContentsChange);
  editor.viewport()->installEventFilter(this);
}

void CSourceColourer::SetColouring(const EditorColouring& colouring) { m_colouring = colouring; }

void CSourceColourer::MarkLoadedLines(int linesPerBlock) {
  if (!m_colouring.source) return;
  const std::vector<int>& off = m_colouring.switchedOffLines;
  auto next = off.begin();
  int first = 0;
  for (QTextBlock block = m_editor.document()->begin(); block.isValid(); block = block.next()) {
    auto* colouring = new BlockColouring;
    for (; next != off.end() && *next < first + linesPerBlock; ++next) colouring->switchedOff.push_back(*next - first);
    block.setUserData(colouring);
    first += linesPerBlock;
  }
}

void CSourceColourer::OnContentsChange(int position, int, int added) {
  if (m_loading || !m_colouring.source) return;
  QTextDocument* document = m_editor.document();
  QTextBlock last = document->findBlock(position + added);
  for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
    ColourBlock(block);
    if (block == last) break;
  }
}

bool CSourceColourer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && m_colouring.source) ColourShownBlocks();
  return QObject::eventFilter(watched, event);
}

CSourceColourer::Columns CSourceColourer::ShownColumns(int margin, bool tabs) const {
  // Fixed pitch: every character but a tab is this wide.
  qreal advance = std::max(QFontMetricsF(m_editor.font()).horizontalAdvance(QLatin1Char('0')), 1.0);
  // A tab is the widest character: the first column in sight is at least this far in.
  qreal widest = tabs ? std::max(m_editor.tabStopDistance() / advance, 1.0) : 1.0;
  qreal scrolled = m_editor.horizontalScrollBar()->value();
  return {std::max(static_cast<int>(scrolled / (advance * widest)) - margin, 0),
          static_cast<int>((scrolled + m_editor.viewport()->width()) / advance) + margin};
}

void CSourceColourer::ColourShownBlocks() {
  // With tabs in a line, fewer columns are in sight.
  Columns shown = ShownColumns(0, false);
  QTextBlock last = m_editor.cursorForPosition(QPoint(0, m_editor.viewport()->height())).block();
  for (QTextBlock block = m_editor.cursorForPosition(QPoint(0, 0)).block(); block.isValid(); block = block.next()) {
    const BlockColouring& colouring = colouringOf(block);
    if (!colouring.coloured || !colouring.covers(shown.from, shown.to)) ColourBlock(block);
    if (block == last) break;
  }
}

void CSourceColourer::ColourBlock(QTextBlock& block) {
  BlockColouring& colouring = colouringOf(block);
  QString text = block.text();
  QList<QTextLayout::FormatRange> ranges;
  Columns window = ShownColumns(kColouredMargin, text.contains(QLatin1Char('\t')));
  colouring.windowed = false;
  int line = 0;
  for (qsizetype start = 0; start <= text.size(); ++line) {
    qsizetype end = text.indexOf(QChar::LineSeparator, start);
    if (end < 0) end = text.size();
    int from = static_cast<int>(start);
    if (std::binary_search(colouring.switchedOff.begin(), colouring.switchedOff.end(), line)) {
      ranges.append({from, static_cast<int>(end - start), m_switchedOffFormat});
    } else {
      bool longLine = end - start > kLongLineLength;
      colouring.windowed = colouring.windowed || longLine;
      for (const SourceSpan& span : ColourSourceLine(fromEditorQt(text.mid(start, end - start)))) {
        bool outside = static_cast<int>(span.start + span.length) < window.from || static_cast<int>(span.start) > window.to;
        if (longLine && outside) continue;
        ranges.append({from + static_cast<int>(span.start), static_cast<int>(span.length),
                       m_wordFormats[static_cast<std::size_t>(span.kind)]});
      }
    }
    start = end + 1;
  }
  block.layout()->setFormats(ranges);
  colouring.from = window.from;
  colouring.to = window.to;
  colouring.coloured = true;
  m_editor.document()->markContentsDirty(block.position(), block.length());
}

}  // namespace qv
