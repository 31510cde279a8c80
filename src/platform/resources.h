#pragma once
// Raw-data resources carried inside the program's own file.

#include <string_view>

namespace qv {

inline constexpr int kCarriedDefinitionsResource = 2001;  // QVX5_SND_CMD.INC
inline constexpr int kCarriedMacrosResource = 2002;       // QVX5_SND_MACS.INC

// The resource's bytes; false when the program carries no such resource.
bool findRawResource(int id, std::string_view& bytes);

}  // namespace qv
