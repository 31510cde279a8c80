#pragma once
// The shared editor holds 7-bit text, as the files it saves: characters
// from 128 up that reach it are folded to their look-alikes (or "?") by the
// same table as reading and saving.

#include <QString>
#include <string>

class QTextDocument;

namespace qv {

// The editor's characters as the bytes of the window's buffers: each
// character below 256 as its byte (the window shows its buffers one byte
// per character), every other one folded.
std::string EditorTextBytes(const QString& text);

// Folds the characters from 128 up in [from, to) of the document, joined to
// the edit that inserted them so that one undo takes back both. True when
// anything changed.
bool FoldInsertedCharacters(QTextDocument& document, int from, int to);

}  // namespace qv
