#pragma once
// The last compile as the window reports it: the Log tab's text and the
// Symbols tab's table.

#include <string>

#include "window/model/results/compile_log.h"
#include "window/model/results/last_compile.h"
#include "window/model/settings/window_settings.h"

namespace qv {

// The Log's header names the source and the options as the window holds
// them now; the lines are stamped with the clock's time of day.
CompileLog CompileLogOf(const LastCompile& last, const std::string& sourcePath, const WindowSettings& settings);

// The result's symbol file, or the table made from its symbols when it has none.
std::string SymbolsTabText(const LastCompile& last);

}  // namespace qv
