#include "window/model/tabs/edit_history.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

// Compared a block at a time: a keystroke near the start of a long text
// leaves megabytes of the same end to find.
constexpr std::size_t kBlock = 4096;

std::size_t commonStartLength(std::string_view a, std::string_view b) {
  std::size_t limit = std::min(a.size(), b.size());
  std::size_t same = 0;
  while (same + kBlock <= limit && std::memcmp(a.data() + same, b.data() + same, kBlock) == 0) same += kBlock;
  while (same < limit && a[same] == b[same]) ++same;
  return same;
}

std::size_t commonEndLength(std::string_view a, std::string_view b) {
  std::size_t limit = std::min(a.size(), b.size());
  std::size_t same = 0;
  while (same + kBlock <= limit &&
         std::memcmp(a.data() + a.size() - same - kBlock, b.data() + b.size() - same - kBlock, kBlock) == 0) {
    same += kBlock;
  }
  while (same < limit && a[a.size() - 1 - same] == b[b.size() - 1 - same]) ++same;
  return same;
}

bool isEmpty(const TextEdit& edit) { return edit.removed.empty() && edit.inserted.empty(); }

// One key's worth: what typing, overwriting and deleting a character give.
bool isKeystroke(const TextEdit& edit) {
  return edit.inserted.size() <= 1 && edit.removed.size() <= 1 && edit.inserted != "\n";
}

}  // namespace

TextEdit DifferenceOf(std::string_view before, std::string_view after, std::size_t preferredStart) {
  std::size_t shorter = std::min(before.size(), after.size());
  std::size_t latest = commonStartLength(before, after);
  std::size_t sameEnd = commonEndLength(before, after);
  std::size_t earliest = shorter - std::min(sameEnd, shorter);
  std::size_t start = std::clamp(preferredStart, std::min(earliest, latest), latest);
  std::size_t end = std::min(sameEnd, shorter - start);
  return {start, std::string(before.substr(start, before.size() - start - end)),
          std::string(after.substr(start, after.size() - start - end))};
}

void ApplyEdit(std::string& text, const TextEdit& edit) {
  text.replace(edit.position, edit.removed.size(), edit.inserted);
}

TextEdit Reversed(const TextEdit& edit) { return {edit.position, edit.inserted, edit.removed}; }

bool FitsText(std::string_view text, const TextEdit& edit) {
  return edit.position <= text.size() && text.substr(edit.position, edit.removed.size()) == edit.removed;
}

bool EditHistory::JoinTyping(const TextEdit& edit) {
  // The saved text is the one after the last step, which must stay as it is.
  if (!m_open || m_undo.empty() || !isKeystroke(edit) || AtSavedPoint()) return false;
  TextEdit& last = m_undo.back();
  std::size_t lastEnd = last.position + last.inserted.size();
  if (edit.position == lastEnd) {
    // On from where the step ended: typing, overwriting, Delete.
    last.removed += edit.removed;
    last.inserted += edit.inserted;
  } else if (edit.inserted.empty() && edit.position + edit.removed.size() == lastEnd) {
    // Backspace: first over what the step typed, then over what was there before it.
    std::size_t back = edit.removed.size();
    if (back <= last.inserted.size()) {
      last.inserted.resize(last.inserted.size() - back);
    } else {
      last.removed.insert(0, edit.removed.substr(0, back - last.inserted.size()));
      last.inserted.clear();
      last.position = edit.position;
    }
  } else {
    return false;
  }
  if (isEmpty(last)) {
    m_undo.pop_back();
    m_open = false;
  }
  return true;
}

void EditHistory::RecordTyping(const TextEdit& edit) {
  if (isEmpty(edit) || JoinTyping(edit)) return;
  RecordStep(edit);
  m_open = edit.inserted.size() <= 1 && edit.inserted != "\n";
}

void EditHistory::RecordStep(const TextEdit& edit) {
  if (isEmpty(edit)) return;
  // Steps undone and not redone are gone, and with them a saved text among them.
  if (m_savedDepth && *m_savedDepth > m_undo.size()) m_savedDepth.reset();
  m_redo.clear();
  m_undo.push_back(edit);
  m_open = false;
}

std::optional<TextEdit> EditHistory::Undo() {
  m_open = false;
  if (m_undo.empty()) return std::nullopt;
  m_redo.push_back(std::move(m_undo.back()));
  m_undo.pop_back();
  return Reversed(m_redo.back());
}

std::optional<TextEdit> EditHistory::Redo() {
  m_open = false;
  if (m_redo.empty()) return std::nullopt;
  m_undo.push_back(std::move(m_redo.back()));
  m_redo.pop_back();
  return m_undo.back();
}

void EditHistory::MarkSaved() {
  m_savedDepth = m_undo.size();
  m_open = false;
}

void EditHistory::Clear() {
  m_undo.clear();
  m_redo.clear();
  m_savedDepth = 0;
  m_open = false;
}

}  // namespace qv
