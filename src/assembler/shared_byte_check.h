#pragma once
// Operands that the encodings add, uncut, into a byte they share with other
// fields (INITIATE_SOUND's trigger, DELAY_SOUND's mode, PLAY's flags,
// MASK_COMPARE's skip): a value beyond the operand's own bits changes the
// bits of its neighbours, even of the command. Such a value is reported with
// the byte it made; the bytes stay as they are.

#include <cstdint>
#include <span>

#include "assembler/command_set.h"
#include "preprocess/source_line.h"

namespace qv {

class MessageList;

// values are command's operands in source order, bytes what it assembled to.
void reportSharedByteOperands(MessageList& messages, const SourceLine& line, Command command,
                              std::span<const std::int32_t> values, std::span<const std::uint8_t> bytes);

}  // namespace qv
