#pragma once
// Warnings for values that the image stores cut to their field's width.

#include <cstdint>
#include <string_view>

#include "preprocess/source_line.h"

namespace qv {

class MessageList;

// Adds a warning about line to messages when value lies
// outside 0 .. 2^bits - 1: "WARNING: song.asm:12: BRANCH_TO offset 5000 does
// not fit in 12 bits (stored as 904)".
void warnIfFieldOverflows(MessageList& messages, const SourceLine& line, std::string_view what, std::int64_t value,
                          int bits);

}  // namespace qv
