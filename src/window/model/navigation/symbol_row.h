#pragma once
// The symbol name on a line of the Symbols tab, for double-click navigation.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The first token that does not look like a number: the sequence number and
// the hexadecimal value around a name are skipped. Nothing for an empty line,
// the header row, or a name that itself looks hexadecimal (such as FACE),
// which cannot be told from the columns around it.
std::optional<std::string> NameFromSymbolsLine(std::string_view line);

}  // namespace qv
