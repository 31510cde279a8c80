#pragma once
// Byte strings of the window on Qt's side. File names and control texts are
// in the local 8-bit encoding, as the file system takes them. The editor
// shows every byte as one character, so its positions and the model's agree.

#include <QString>
#include <string>

#include "window/qt/editor/editor_folding.h"

namespace qv {

inline QString toQt(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) { return text.toLocal8Bit().toStdString(); }

inline QString toEditorQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Folds what the editor may still hold beyond one byte per character, so
// that no listed character becomes "?".
inline std::string fromEditorQt(const QString& text) { return EditorTextBytes(text); }

}  // namespace qv
