#pragma once
// Source and include files in editor form: LF line ends, tabs expanded,
// every byte 7-bit. The line-end style ("\r\n" or "\n") remembers what a
// file used so that saving writes it back the same way.

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "window/model/files/backups.h"

namespace qv {

// Characters from 128 up become 7-bit look-alikes ("-", "'", "(c)", "...")
// or "?"; every character below 128 stays as its byte.
std::string foldTo7Bit(std::u32string_view text);

// UTF-16 with its byte-order mark, strict UTF-8 (with or without one), or
// else the system's ANSI code page (Windows-1252 on POSIX); then folded, with CR LF and lone CR turned into LF and
// tabs expanded. The style is "\r\n" when the file has any CR LF, else
// "\n" (also for a file without line ends). When asked, foldedCount tells
// how many characters from 128 up the folding replaced. False, outputs
// untouched, when the file cannot be read or is larger than a compile
// reads; failure (if given) then says why ("permission denied").
bool ReadTextFile(std::string_view path, std::string& text, std::string& lineEnd,
                  std::size_t* foldedCount = nullptr, std::string* failure = nullptr);

// The line ends a save writes for a file read with readStyle: on POSIX the
// file's own style (LF when it had none); a Windows build always writes
// CR LF.
std::string_view SavedLineEnd(std::string_view readStyle);

// Backs up the existing file, then writes the folded text with every CR
// dropped and every LF written as SavedLineEnd(lineEnd), all or nothing
// (writeWholeFile): a failed save leaves the file as it was.
bool SaveTextFile(std::string_view path, std::string_view text, std::string_view lineEnd,
                  const BackupOptions& backups);

// The text as SaveTextFile would write it, kept as the next backup of the
// file at path instead (KeepAsBackup); the file itself is not touched.
std::optional<std::string> KeepTextAsBackup(std::string_view path, std::string_view text, std::string_view lineEnd,
                                            const BackupOptions& backups);

}  // namespace qv
