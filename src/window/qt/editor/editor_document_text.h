#pragma once
// The shared editor's text on its way in and out of the Qt document, quick
// for big texts.

#include <QString>
#include <string>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace qv {

// Every byte one character; CR LF, CR and LF each one line break. A text of
// many lines is cut into blocks of several lines each (line separators
// inside, paragraph breaks between), which the document loads many times
// faster than one block per line; positions and the plain text stay the
// same, but block numbers are no line numbers there.
QString EditorDocumentText(const std::string& text, int linesPerBlock);

// 1, or more for a text of many lines: fewer for one that is typed in.
int LinesPerEditorBlock(const std::string& text, bool typedIn);

// Line numbers, not block numbers, where a block may hold several lines.
// The document's layout counts each block's lines (QTextBlock::lineCount,
// the sum of which QTextBlock::firstLineNumber and the scroll bar go by)
// only for the blocks it has laid out, and one for any other.
// Sets every block's count for a text just loaded with linesPerBlock, and
// tells the layout that the document's size changed.
void SetBlockLineCounts(QTextDocument& document, int linesPerBlock);
// After the layout has set them back to one, as it does when the editor's
// width changes; does nothing when the first block's count is right.
void RestoreBlockLineCounts(QTextDocument& document);
// Line (from 1) and column (from 1) of the caret.
struct CaretLine {
  int line = 1;
  int column = 1;
};
CaretLine LineOfCaret(const QTextCursor& caret);

// The editor's plain text as the model reads it, kept up to date change by
// change, so that reading it after a keystroke does not convert the whole
// document.
class CEditorTextMirror {
 public:
  // The text just given to the document, as the document gives it back.
  void Reset(const std::string& text);
  // A change the document reports; ignored while paused.
  void Apply(const QTextDocument& document, int position, int removed, int added);
  const std::string& Text(const QTextDocument& document);

  // For changes whose text the window knows or that change no text.
  class Pause {
   public:
    explicit Pause(CEditorTextMirror& mirror) : m_mirror(mirror), m_was(mirror.m_paused) { m_mirror.m_paused = true; }
    ~Pause() { m_mirror.m_paused = m_was; }
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

   private:
    CEditorTextMirror& m_mirror;
    bool m_was;
  };

 private:
  std::string m_text;
  bool m_valid = false;
  bool m_paused = false;
};

}  // namespace qv
