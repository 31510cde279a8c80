#pragma once
// The editor's font: columns of source text line up only in a fixed-pitch face.

#include <QFont>

namespace qv {

// The named face when the machine's face for that name advances every
// 7-bit character by the same width; else the system's fixed-pitch font.
// Measured rather than taken from the font's own fixed-pitch flag, which
// some monospaced faces with wide symbols leave unset.
QFont FixedPitchFont(const char* face, int points, bool bold);

// True when the font's printable 7-bit characters all advance by the same width.
bool HasFixedAdvance(const QFont& font);

}  // namespace qv
