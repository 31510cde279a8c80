#pragma once
// The compile's messages on the console, in the "FILE:LINE: error: TEXT"
// form that editors and build servers read.

#include <cstdio>
#include <string>

#include "compile/compile_result.h"

namespace qv {

// "song.asm:12: warning: TEXT", or "warning: TEXT" when there is no place;
// the word is the message's kind, and TEXT drops the message's own
// "ERROR: " or "WARNING: " and a repeated place. The message ends at a NUL
// byte, as in the log.
std::string consoleLine(const std::string& message, const MessagePlace& place, MessageKind kind);

// Writes consoleLine of every message but the notes, one per line.
void printDiagnostics(std::FILE* out, const CompileResult& result);

bool hasWarnings(const CompileResult& result);

}  // namespace qv
