#pragma once
// The words of the status line.

#include <string>
#include <string_view>

#include "compile/compile_result.h"

namespace qv {

enum class CompileVerdict { Errors, Warnings, Success };

// What a finished compile came to: errors when it failed or reported an
// error, warnings when it warned, else success (notes count for nothing).
// The status line and the Log's last line both tell it.
CompileVerdict VerdictOf(const CompileResult& result);

// What the last compile came to, or why there is none.
std::string StatusWordsFor(bool compiled, const CompileResult& result, bool sourceSelected);

// The status text ("Ready" when empty) followed, outside the success
// highlight, by the typing mode: "   INS" or "   OVR".
std::string StatusLineText(std::string_view statusText, bool highlight, bool overwrite);

}  // namespace qv
