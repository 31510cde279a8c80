#include "window/qt/editor/editor_folding.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "window/model/files/text_file.h"

namespace qv {

namespace {

// A surrogate pair is one character; the length is the number of units it takes.
char32_t characterAt(const QString& text, qsizetype index, qsizetype& length) {
  char16_t unit = text[index].unicode();
  length = 1;
  if (QChar::isHighSurrogate(unit) && index + 1 < text.size() && text[index + 1].isLowSurrogate()) {
    length = 2;
    return QChar::surrogateToUcs4(unit, text[index + 1].unicode());
  }
  return unit;
}

std::string folded(char32_t character) { return foldTo7Bit(std::u32string_view(&character, 1)); }

}  // namespace

std::string EditorTextBytes(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  qsizetype length = 1;
  for (qsizetype i = 0; i < text.size(); i += length) {
    char32_t character = characterAt(text, i, length);
    if (character < 256) {
      bytes += static_cast<char>(character);
    } else {
      bytes += folded(character);
    }
  }
  return bytes;
}

bool FoldInsertedCharacters(QTextDocument& document, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, document.characterCount() - 1);
  if (from >= to) return false;
  QTextCursor cursor(&document);
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  // Line breaks come back as paragraph separators, one unit each, so the
  // offsets stay the document's.
  QString inserted = cursor.selectedText();

  struct Replacement {
    int position;
    int length;
    std::string text;
  };
  std::vector<Replacement> replacements;
  qsizetype length = 1;
  for (qsizetype i = 0; i < inserted.size(); i += length) {
    char32_t character = characterAt(inserted, i, length);
    if (character < 128 || character == QChar::ParagraphSeparator) continue;
    replacements.push_back({from + static_cast<int>(i), static_cast<int>(length), folded(character)});
  }
  if (replacements.empty()) return false;

  cursor.joinPreviousEditBlock();
  // From the end, so that each replacement leaves the earlier positions as they were.
  for (auto replacement = replacements.rbegin(); replacement != replacements.rend(); ++replacement) {
    cursor.setPosition(replacement->position);
    cursor.setPosition(replacement->position + replacement->length, QTextCursor::KeepAnchor);
    cursor.insertText(QString::fromLatin1(replacement->text.data(), static_cast<qsizetype>(replacement->text.size())));
  }
  cursor.endEditBlock();
  return true;
}

}  // namespace qv
