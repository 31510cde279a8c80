#include "platform/text_decoding.h"

namespace qv {

// POSIX systems have no ANSI code page: texts of this family come from
// Windows, where it is mostly this one.
std::u32string decodeAnsiCodePage(std::string_view bytes) { return decodeWindows1252(bytes); }

}  // namespace qv
