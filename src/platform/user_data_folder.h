#pragma once
// The per-user folder where the program keeps its own files (backups of
// files named without a folder, recovery copies of unsaved edits).

#include <string>

namespace qv {

// On POSIX $XDG_DATA_HOME/Veltrane/Quaverton, or ~/.local/share/... when
// that is unset or not absolute; on Windows the local application data
// folder + \Veltrane\Quaverton. Empty when the system names none.
std::string userDataFolder();

}  // namespace qv
