#pragma once
// Colours SDL source in the rich edit control: the words as the assembler
// reads them, in the colours of kSourceColours, and the lines the last
// compile switched off in grey. Only lines in sight are coloured, each once
// until it is edited, so a long source opens as quickly as a short one and
// other texts cost nothing. Colouring takes no undo step (the control's text
// object model holds its undo meanwhile) and leaves the selection and the
// scroll position as they were.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/main_dialog_view.h"

struct ITextDocument;

namespace qv {

class CRichEditColourer {
 public:
  CRichEditColourer() = default;
  ~CRichEditColourer();
  CRichEditColourer(const CRichEditColourer&) = delete;
  CRichEditColourer& operator=(const CRichEditColourer&) = delete;

  // False when the control offers no text object model: then nothing is coloured.
  bool Attach(HWND edit);
  // Before the control goes.
  void Detach();

  // For the text the control is given next.
  void SetColouring(const EditorColouring& colouring);
  bool ColoursSource() const { return m_colouring.source; }
  // A new text of lineCount lines, all in the plain colour.
  void TextSet(int lineCount);
  // From line on, removedLines line breaks gave way to addedLines: those
  // lines are coloured again when next seen.
  void LinesEdited(int line, int removedLines, int addedLines);
  // An edit of unknown place: every line is coloured again when next seen.
  void AllEdited(int lineCount);
  // Text outside every span; all lines are coloured again when next seen.
  void SetPlainColour(COLORREF colour);

  // Of the control's font.
  void SetLineHeight(int pixels);
  // The lines in sight that are not coloured yet; text is the control's.
  // With redrawing on, the control is drawn once afterwards rather than
  // after every colour.
  void ColourShownLines(const std::string& text, bool redrawing);
  // While it colours, the control's reports of changes are the colourer's.
  bool Colouring() const { return m_colouringNow; }

 private:
  enum LineMark : std::uint8_t { kColoured = 1, kSwitchedOff = 2, kEdited = 4 };
  int FirstShownLine();
  void ColourLine(int line, const std::string& text);
  void Paint(long start, long end, COLORREF colour);

  HWND m_edit = nullptr;
  ITextDocument* m_document = nullptr;
  EditorColouring m_colouring;
  COLORREF m_plain = RGB(0, 0, 0);
  // One per line of the control.
  std::vector<std::uint8_t> m_lines;
  bool m_colouringNow = false;
  int m_lineHeight = 16;
  // The scroll position at which the first line in sight was last asked.
  std::optional<POINT> m_shownAt;
  int m_firstShown = 0;
};

}  // namespace qv
