#pragma once
// Colours SDL source in the shared editor: the words as the assembler reads
// them, in the colours of kSourceColours, and the lines the last compile
// switched off in grey. A block is coloured when it is first drawn, so a
// text of a million lines loads as quickly as a short one.

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>

#include "window/main_dialog_view.h"

class QPlainTextEdit;

namespace qv {

class CSourceHighlighter : public QSyntaxHighlighter {
 public:
  explicit CSourceHighlighter(QPlainTextEdit& editor);

  // For the text the editor is given next.
  void SetColouring(const EditorColouring& colouring);

  // Set while the editor takes a whole new text: its switched-off lines are
  // then known by number and stay with their lines as the text is edited.
  class Loading {
   public:
    Loading(CSourceHighlighter& highlighter, int linesPerBlock);
    ~Loading();
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

   private:
    CSourceHighlighter& m_highlighter;
  };

 protected:
  void highlightBlock(const QString& text) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ColourShownBlocks();
  void ColourLine(const QString& text, int start, int length);

  QPlainTextEdit& m_editor;
  EditorColouring m_colouring;
  bool m_loading = false;
  // Of the text being loaded: each block holds this many lines, the last
  // one fewer.
  int m_loadedLinesPerBlock = 1;
  std::array<QTextCharFormat, 6> m_wordFormats;
  QTextCharFormat m_switchedOffFormat;
};

}  // namespace qv
