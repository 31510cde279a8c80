#pragma once
// The rich edit control's text as the model reads it (LF line breaks, one
// byte a character), kept in step change by change: reading a long text
// back out of the control after every keystroke would cost more than the
// keystroke itself.

#include <windows.h>
#include <richedit.h>

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Where a change fell, for the colours to follow it.
struct TextChange {
  // False when the change could not be placed: any line may have changed.
  bool placed = false;
  int position = 0;
  int removedLines = 0;
  int addedLines = 0;
};

class CRichEditMirror {
 public:
  // What the user's key or message does to the text, as far as it is known
  // before the control handles it.
  enum class UserEdit {
    None,
    // Replaces the selection by what it inserts (typing, pasting).
    Replace,
    // Removes text and leaves the caret where it was removed (Delete,
    // Backspace, cutting).
    Delete,
  };

  void Attach(HWND edit) { m_edit = edit; }

  const std::string& Text() const;
  int Length() const;
  int LineCount() const;

  // The control was just given text.
  void Reset(std::wstring_view text);
  // The editor itself replaces [from, to) by text; taken before the control
  // has it, as the control reports the change before it returns.
  TextChange Replace(int from, int to, std::wstring_view text);
  // Once the control has made the editor's own change: read whole next time
  // if the two differ.
  void CheckLength();

  // Around the control's handling of a message that may edit. A message
  // the control sends itself while it handles another is part of that one:
  // false then, and no end is due.
  bool BeginUserEdit(UserEdit edit);
  void EndUserEdit();
  bool InUserEdit() const { return m_inUserEdit; }
  // The control reports a change: where it fell, or none for the editor's
  // own, which is known already.
  std::optional<TextChange> OnControlChange();

 private:
  int ControlLength() const;
  CHARRANGE ControlSelection() const;
  TextChange Apply(int from, int to, const std::string& inserted);
  bool PlaceUserEdit(TextChange& change);

  HWND m_edit = nullptr;
  mutable std::string m_text;
  mutable int m_lineCount = 1;
  mutable bool m_known = true;
  // The editor's own change the control is making.
  bool m_ownChange = false;
  bool m_inUserEdit = false;
  UserEdit m_userEdit = UserEdit::None;
  // Before the user's edit, or its last change.
  int m_lengthBefore = 0;
  CHARRANGE m_selectionBefore{};
};

}  // namespace qv
