#include "window/win32/editor/rich_edit_mirror.h"

#include <richedit.h>

#include <algorithm>

#include "window/win32/editor/rich_edit_text.h"

namespace qv {

namespace {

int lineBreaksIn(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

const std::string& CRichEditMirror::Text() const {
  if (!m_known && m_edit != nullptr) {
    int length = ControlLength();
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX query{};
    query.cb = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    query.flags = GT_DEFAULT;
    query.codepage = 1200;
    LRESULT copied =
        SendMessageW(m_edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
    m_text = RichEditOutput(wide);
    m_lineCount = lineBreaksIn(m_text) + 1;
    m_known = true;
  }
  return m_text;
}

int CRichEditMirror::Length() const { return m_known ? static_cast<int>(m_text.size()) : ControlLength(); }

int CRichEditMirror::LineCount() const {
  Text();
  return m_lineCount;
}

void CRichEditMirror::Reset(std::wstring_view text) {
  m_text = RichEditOutput(text);
  m_lineCount = lineBreaksIn(m_text) + 1;
  m_known = ControlLength() == static_cast<int>(m_text.size());
}

TextChange CRichEditMirror::Replace(int from, int to, std::wstring_view text) {
  Text();
  m_ownChange = true;
  return Apply(from, to, RichEditOutput(text));
}

void CRichEditMirror::CheckLength() {
  int length = ControlLength();
  m_ownChange = false;
  if (m_known && length != static_cast<int>(m_text.size())) m_known = false;
}

bool CRichEditMirror::BeginUserEdit(UserEdit edit) {
  if (m_inUserEdit) return false;
  m_inUserEdit = true;
  m_userEdit = edit;
  if (edit != UserEdit::None && m_known) {
    m_lengthBefore = static_cast<int>(m_text.size());
    m_selectionBefore = ControlSelection();
  }
  return true;
}

void CRichEditMirror::EndUserEdit() {
  m_inUserEdit = false;
  m_userEdit = UserEdit::None;
}

std::optional<TextChange> CRichEditMirror::OnControlChange() {
  if (m_ownChange) return std::nullopt;
  TextChange change;
  if (m_known && PlaceUserEdit(change)) {
    // A second report of the same edit starts from this one.
    m_lengthBefore = static_cast<int>(m_text.size());
    m_selectionBefore = ControlSelection();
    return change;
  }
  m_known = false;
  return TextChange{};
}

bool CRichEditMirror::PlaceUserEdit(TextChange& change) {
  if (m_userEdit == UserEdit::None) return false;
  int length = ControlLength();
  CHARRANGE caret = ControlSelection();
  if (caret.cpMin != caret.cpMax) return false;
  int before = m_lengthBefore;
  if (m_userEdit == UserEdit::Delete) {
    int removed = before - length;
    if (removed < 0 || caret.cpMin < 0 || caret.cpMin + removed > before) return false;
    change = Apply(caret.cpMin, caret.cpMin + removed, {});
    return true;
  }
  int from = m_selectionBefore.cpMin;
  int to = m_selectionBefore.cpMax;
  int inserted = length - before + (to - from);
  if (from < 0 || to < from || to > before || inserted < 0 || caret.cpMin != from + inserted) return false;
  std::wstring text(static_cast<std::size_t>(inserted) + 1, L'\0');
  TEXTRANGEW range{{from, from + inserted}, text.data()};
  LRESULT copied = SendMessageW(m_edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  if (copied != inserted) return false;
  text.resize(static_cast<std::size_t>(inserted));
  change = Apply(from, to, RichEditOutput(text));
  return true;
}

TextChange CRichEditMirror::Apply(int from, int to, const std::string& inserted) {
  std::size_t start = std::min(static_cast<std::size_t>(std::max(from, 0)), m_text.size());
  std::size_t end = std::clamp(static_cast<std::size_t>(std::max(to, 0)), start, m_text.size());
  TextChange change{true, static_cast<int>(start), lineBreaksIn(std::string_view(m_text).substr(start, end - start)),
                    lineBreaksIn(inserted)};
  m_text.replace(start, end - start, inserted);
  m_lineCount += change.addedLines - change.removedLines;
  return change;
}

int CRichEditMirror::ControlLength() const {
  if (m_edit == nullptr) return 0;
  GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<int>(SendMessageW(m_edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

CHARRANGE CRichEditMirror::ControlSelection() const {
  CHARRANGE range{};
  if (m_edit != nullptr) SendMessageW(m_edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

}  // namespace qv
