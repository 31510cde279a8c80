#pragma once
// Colours SDL source in the shared editor: the words as the assembler reads
// them, in the colours of kSourceColours, and the lines the last compile
// switched off in grey. A block is coloured when it is first drawn or
// edited, never all at once, so a source of a million lines opens as
// quickly as a short one and other texts cost nothing. Of a very long line
// only the stretch around what is in sight is coloured, and coloured again
// as it scrolls: every coloured word costs the editor's layout and drawing
// of the whole line.

#include <QObject>
#include <QTextCharFormat>
#include <array>

#include "window/model/tabs/flag_scope.h"
#include "window/main_dialog_view.h"

class QPlainTextEdit;
class QTextBlock;

namespace qv {

class CSourceColourer : public QObject {
 public:
  explicit CSourceColourer(QPlainTextEdit& editor);

  // For the text the editor is given next.
  void SetColouring(const EditorColouring& colouring);
  bool ColoursSource() const { return m_colouring.source; }

  // Held while the editor takes a whole new text.
  class Loading : public FlagScope {
   public:
    explicit Loading(CSourceColourer& colourer) : FlagScope(colourer.m_loading) {}
  };
  // Once the new text is in, with this many lines to a block: the switched-off
  // lines are marked on their blocks and stay with them as the text is edited.
  void MarkLoadedLines(int linesPerBlock);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnContentsChange(int position, int removed, int added);
  void ColourShownBlocks();
  void ColourBlock(QTextBlock& block);
  // The columns in sight, widened by margin on either side; fewer with tabs.
  struct Columns {
    int from = 0;
    int to = 0;
  };
  Columns ShownColumns(int margin, bool tabs) const;

  QPlainTextEdit& m_editor;
  EditorColouring m_colouring;
  bool m_loading = false;
  std::array<QTextCharFormat, 6> m_wordFormats;
  QTextCharFormat m_switchedOffFormat;
};

}  // namespace qv
