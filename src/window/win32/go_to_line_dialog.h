#pragma once
// The small Go to Line dialog (Ctrl+G) of main_dialog.rc.

#include <windows.h>

#include <optional>

namespace qv {

// A line number from 1 to lastLine, offering currentLine; none when cancelled.
std::optional<int> askLineNumber(HWND owner, int currentLine, int lastLine);

}  // namespace qv
