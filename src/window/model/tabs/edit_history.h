#pragma once
// One tab's undo and redo steps, kept by the window rather than the editor,
// so that they outlive every time the editor's text is replaced (a tab
// switch, a compile, a jump to another file). Each step is the smallest
// replacement that turned one text into the next, cheap to find and to keep
// however long the text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// At position, removed was replaced by inserted.
struct TextEdit {
  std::size_t position = 0;
  std::string removed;
  std::string inserted;
  bool operator==(const TextEdit&) const = default;
};

// The one replacement that turns before into after: their common start and
// end are left out. Empty (nothing removed or inserted) when they are equal.
// Where text went into or out of a run of one letter, any place in the run
// would do: the one nearest preferredStart is taken, else the last.
TextEdit DifferenceOf(std::string_view before, std::string_view after,
                      std::size_t preferredStart = std::string_view::npos);
// Carries the edit out on the text it was found in.
void ApplyEdit(std::string& text, const TextEdit& edit);
// The edit that takes it back.
TextEdit Reversed(const TextEdit& edit);
// The text holds what the edit removes where it removes it.
bool FitsText(std::string_view text, const TextEdit& edit);

class EditHistory {
 public:
  // A change the user made. Typing and deleting that go on where the last
  // step ended join it, up to a line break, so that one undo takes back a
  // run of keys; a step that comes to nothing is dropped.
  void RecordTyping(const TextEdit& edit);
  // A change made in one go, such as reading the file again: a step of its own.
  void RecordStep(const TextEdit& edit);
  // The edit to carry out on the text to go one step back or on; none when
  // there is no step.
  std::optional<TextEdit> Undo();
  std::optional<TextEdit> Redo();
  // The text is as its file has it now.
  void MarkSaved();
  // The file no longer holds the text of any step.
  void ForgetSavedPoint() { m_savedDepth.reset(); }
  // The text holds what was saved, however it got back there.
  bool AtSavedPoint() const { return m_savedDepth && *m_savedDepth == m_undo.size(); }
  // A new file's text: no steps, and saved.
  void Clear();
  // The next edit starts a step of its own.
  void CloseStep() { m_open = false; }

 private:
  bool JoinTyping(const TextEdit& edit);

  std::vector<TextEdit> m_undo;
  std::vector<TextEdit> m_redo;
  // Steps from the start at which the text was saved; none once the saved
  // text can no longer be reached.
  std::optional<std::size_t> m_savedDepth = 0;
  // The last step may still take in typing.
  bool m_open = false;
};

}  // namespace qv
