#pragma once
// The compile's messages on the console, in the "FILE:LINE: error: TEXT"
// form that editors and build servers read.

#include <cstdio>
#include <string>
#include <string_view>

#include "compile/compile_result.h"

namespace qv {

enum class MessageClass { Note, Warning, Error };

// Notes: "Define: ..." and the lines saying which file an include used.
// Errors: messages holding "ERROR:" and output files that could not be
// written. Everything else warns.
MessageClass classifyMessage(std::string_view message);

// "song.asm:12: warning: TEXT", or "warning: TEXT" when there is no place;
// TEXT drops the message's own "ERROR: " or "WARNING: " and a repeated
// place. The message ends at a NUL byte, as in the log.
std::string consoleLine(const std::string& message, const MessagePlace& place);

// Writes consoleLine of every message but the notes, one per line.
void printDiagnostics(std::FILE* out, const CompileResult& result);

bool hasWarnings(const CompileResult& result);

}  // namespace qv
