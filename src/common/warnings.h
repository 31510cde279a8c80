#pragma once
// Every warning a compile gives, as "WARNING: FILE:LINE: ..." text. A warning
// names a mistake that still builds an image; the image stays exactly what
// the source asks for, so a warning never changes a byte or fails a compile.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_place.h"

namespace qv::warning {

// "WARNING: song.asm:12: BRANCH_TO offset 5000 does not fit in 12 bits (stored as 904)"
std::string fieldOverflow(const MessagePlace& place, std::string_view what, std::int64_t value, int bits);

// "WARNING: song.asm:9: BRANCH_TO target "IDEL" is not defined (0 stored)" for
// a name, else "... "0xFG" cannot be evaluated (0 stored)", with a hint where
// one helps ("A << 2": there is no << operator).
std::string unevaluable(const MessagePlace& place, std::string_view what, std::string_view text, bool isName);

// "WARNING: song.asm:4: PLAY is missing its break and flags operands (0 stored)"
std::string missingOperands(const MessagePlace& place, std::string_view command,
                            const std::vector<std::string_view>& operands);

// "WARNING: song.asm:7: DELAY_SOUND delay 200 is outside 0..127 (stored as 72)"
std::string outOfRange(const MessagePlace& place, std::string_view what, std::int64_t value, std::int64_t lowest,
                       std::int64_t highest, std::int64_t stored);

// "WARNING: song.asm:3: IF is not closed by an ENDIF before the end of the file"
// and, when the block left the lines after it switched off,
// ": the rest of the file is switched off".
std::string openIf(const MessagePlace& place, bool restSwitchedOff);

// "WARNING: song.asm:8: ENDIF without IF (ignored)"; directive is ELSE or ENDIF.
std::string strayConditional(const MessagePlace& place, std::string_view directive);

// "WARNING: song.asm:14: START is defined again (first defined at song.asm:13)"
std::string duplicateSymbol(const MessagePlace& place, std::string_view name, const MessagePlace& first);

// "WARNING: song.asm:2: 2 files match /p/Waves.inc apart from letter case; using /p/WAVES.inc"
std::string letterCaseMatches(const MessagePlace& place, std::size_t count, std::string_view path,
                              std::string_view used);

// "WARNING: song.asm:5: PLAYY is taken as a label because the word after it is no command (a misspelt command?)"
std::string labelBeforeUnknownCommand(const MessagePlace& place, std::string_view label);

}  // namespace qv::warning
