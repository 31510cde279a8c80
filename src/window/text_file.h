#pragma once
// Source and include files in editor form: LF line ends, tabs expanded,
// every byte 7-bit. The line-end style ("\r\n" or "\n") remembers what a
// file used so that saving writes it back the same way.

#include <string>
#include <string_view>

#include "window/backups.h"

namespace qv {

// Characters from 128 up become 7-bit look-alikes ("-", "'", "(c)", "...")
// or "?"; every character below 128 stays as its byte.
std::string foldTo7Bit(std::u32string_view text);

// UTF-16 with its byte-order mark, strict UTF-8 (with or without one), or
// else Windows-1252; then folded, with CR LF and lone CR turned into LF and
// tabs expanded. The style is "\n" only for a file with bare line ends and
// no CR LF. False, outputs untouched, when the file cannot be read.
bool ReadTextFile(std::string_view path, std::string& text, std::string& lineEnd);

// Backs up the existing file, then writes the folded text with every CR
// dropped and every LF written as lineEnd. The file is replaced only once the
// new content is completely written, so a failed save leaves it as it was.
bool SaveTextFile(std::string_view path, std::string_view text, std::string_view lineEnd,
                  const BackupOptions& backups);

}  // namespace qv
