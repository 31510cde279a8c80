#include "window/win32/editor/rich_edit_colourer.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <algorithm>

#include "window/model/layout/window_colours.h"
#include "window/model/tabs/flag_scope.h"
#include "window/model/tabs/source_colouring.h"

namespace qv {

namespace {

// The text object model's document of a rich edit control.
const IID kTextDocumentId = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

COLORREF colourRef(const Rgb& colour) { return RGB(colour.red, colour.green, colour.blue); }

COLORREF colourOf(SourceWordKind kind) {
  switch (kind) {
    case SourceWordKind::Command: return colourRef(kSourceColours.command);
    case SourceWordKind::Directive: return colourRef(kSourceColours.directive);
    case SourceWordKind::Number: return colourRef(kSourceColours.number);
    case SourceWordKind::Comment: return colourRef(kSourceColours.comment);
    case SourceWordKind::Label: return colourRef(kSourceColours.label);
    case SourceWordKind::String: return colourRef(kSourceColours.string);
  }
  return colourRef(kSourceColours.command);
}

}  // namespace

CRichEditColourer::~CRichEditColourer() { Detach(); }

void CRichEditColourer::Detach() {
  if (m_document != nullptr) m_document->Release();
  m_document = nullptr;
}

bool CRichEditColourer::Attach(HWND edit) {
  m_edit = edit;
  IRichEditOle* ole = nullptr;
  if (!SendMessageW(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole)) || ole == nullptr) return false;
  void* document = nullptr;
  if (SUCCEEDED(ole->QueryInterface(kTextDocumentId, &document))) m_document = static_cast<ITextDocument*>(document);
  ole->Release();
  return m_document != nullptr;
}

void CRichEditColourer::SetColouring(const EditorColouring& colouring) { m_colouring = colouring; }

void CRichEditColourer::TextSet(int lineCount) {
  m_lines.assign(m_colouring.source ? static_cast<std::size_t>(std::max(lineCount, 1)) : 0, 0);
  for (int line : m_colouring.switchedOffLines) {
    if (line >= 0 && line < static_cast<int>(m_lines.size())) m_lines[static_cast<std::size_t>(line)] = kSwitchedOff;
  }
}

void CRichEditColourer::LinesEdited(int line, int removedLines, int addedLines) {
  if (m_lines.empty()) return;
  std::size_t first = static_cast<std::size_t>(std::clamp(line, 0, static_cast<int>(m_lines.size()) - 1));
  auto after = m_lines.begin() + static_cast<std::ptrdiff_t>(first) + 1;
  std::size_t removable = static_cast<std::size_t>(m_lines.end() - after);
  after = m_lines.erase(after, after + static_cast<std::ptrdiff_t>(std::min<std::size_t>(removedLines, removable)));
  // A line broken in two keeps its mark in both halves.
  m_lines.insert(after, static_cast<std::size_t>(std::max(addedLines, 0)), m_lines[first]);
  for (std::size_t i = first; i <= first + static_cast<std::size_t>(std::max(addedLines, 0)) && i < m_lines.size(); ++i) {
    m_lines[i] = static_cast<std::uint8_t>((m_lines[i] & ~kColoured) | kEdited);
  }
}

void CRichEditColourer::AllEdited(int lineCount) {
  if (!m_colouring.source) return;
  m_lines.resize(static_cast<std::size_t>(std::max(lineCount, 1)), 0);
  for (std::uint8_t& mark : m_lines) mark = static_cast<std::uint8_t>((mark & ~kColoured) | kEdited);
}

void CRichEditColourer::SetPlainColour(COLORREF colour) {
  m_plain = colour;
  for (std::uint8_t& mark : m_lines) mark = static_cast<std::uint8_t>((mark & ~kColoured) | kEdited);
}

void CRichEditColourer::SetLineHeight(int pixels) {
  m_lineHeight = std::max(pixels, 1);
  m_shownAt.reset();
}

int CRichEditColourer::FirstShownLine() {
  // Asking the control for its first line costs as much as a long text is
  // long in some versions; its scroll position costs nothing, and with
  // lines of one height the one follows from the other.
  POINT scroll{};
  SendMessageW(m_edit, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  if (!m_shownAt || m_shownAt->y != scroll.y) {
    m_firstShown = static_cast<int>(SendMessageW(m_edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    m_shownAt = scroll;
  }
  return m_firstShown;
}

void CRichEditColourer::ColourShownLines(const std::string& text, bool redrawing) {
  if (m_document == nullptr || m_lines.empty() || m_colouringNow) return;
  // Colours change the layout, which repaints, which would colour again.
  FlagScope colouring(m_colouringNow);
  RECT client;
  GetClientRect(m_edit, &client);
  int first = std::clamp(FirstShownLine(), 0, static_cast<int>(m_lines.size()) - 1);
  int last = std::min(first + static_cast<int>(client.bottom) / m_lineHeight + 1, static_cast<int>(m_lines.size()) - 1);
  auto uncoloured = [this](int line) { return (m_lines[static_cast<std::size_t>(line)] & kColoured) == 0; };
  while (first <= last && !uncoloured(first)) ++first;
  while (last >= first && !uncoloured(last)) --last;
  if (first > last) return;

  // Colours are no edit: they neither mark the text modified nor take an undo step.
  LRESULT modified = SendMessageW(m_edit, EM_GETMODIFY, 0, 0);
  if (redrawing) SendMessageW(m_edit, WM_SETREDRAW, FALSE, 0);
  // Colours are set on the selection, which is the user's again afterwards,
  // and in sight as it was.
  CHARRANGE selection{};
  SendMessageW(m_edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  POINT scroll{};
  SendMessageW(m_edit, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  m_document->Undo(tomSuspend, nullptr);
  for (int line = first; line <= last; ++line) {
    if (uncoloured(line)) ColourLine(line, text);
  }
  m_document->Undo(tomResume, nullptr);
  SendMessageW(m_edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  POINT scrolled{};
  SendMessageW(m_edit, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
  if (scrolled.x != scroll.x || scrolled.y != scroll.y) SendMessageW(m_edit, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  SendMessageW(m_edit, EM_SETMODIFY, modified != 0 ? TRUE : FALSE, 0);
  if (redrawing) {
    SendMessageW(m_edit, WM_SETREDRAW, TRUE, 0);
    // The band of the lines coloured, a line more on either side for a line
    // scrolled part of the way.
    int shownFirst = FirstShownLine();
    RECT band{0, (first - shownFirst - 1) * m_lineHeight, client.right, (last - shownFirst + 2) * m_lineHeight};
    InvalidateRect(m_edit, &band, FALSE);
  }
}

void CRichEditColourer::ColourLine(int line, const std::string& text) {
  std::uint8_t& mark = m_lines[static_cast<std::size_t>(line)];
  LRESULT start = SendMessageW(m_edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  if (start < 0 || static_cast<std::size_t>(start) > text.size()) return;
  std::size_t end = text.find('\n', static_cast<std::size_t>(start));
  if (end == std::string::npos) end = text.size();
  long from = static_cast<long>(start);
  long to = static_cast<long>(end);
  if ((mark & kSwitchedOff) != 0) {
    Paint(from, to, colourRef(kSourceColours.switchedOff));
  } else {
    // A line that was edited may hold the colours of what stood there.
    if ((mark & kEdited) != 0) Paint(from, to, m_plain);
    std::string_view shown(text.data() + start, end - static_cast<std::size_t>(start));
    for (const SourceSpan& span : ColourSourceLine(shown)) {
      Paint(from + static_cast<long>(span.start), from + static_cast<long>(span.start + span.length), colourOf(span.kind));
    }
  }
  mark = static_cast<std::uint8_t>((mark | kColoured) & ~kEdited);
}

void CRichEditColourer::Paint(long start, long end, COLORREF colour) {
  if (start >= end) return;
  // Through the selection rather than a text range of the object model: a
  // range costs as much more as it lies further into the text in some
  // versions of the control.
  CHARRANGE range{start, end};
  SendMessageW(m_edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  SendMessageW(m_edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace qv
