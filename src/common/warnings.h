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

namespace qv {

// Every warning by name, so that options, tests and the reference can name one.
enum class WarningId : unsigned char {
  None,
  FieldOverflow,
  Unevaluable,
  MissingOperands,
  OutOfRange,
  ReachesNeighbour,
  OpenIf,
  StrayConditional,
  DuplicateSymbol,
  LetterCaseMatches,
  LabelBeforeUnknownCommand,
  // The system's own texts, which carry no "WARNING:" prefix.
  DuplicateSymbolName,
  UnrecognizedCommand,
  RecursiveInclude,
};

struct Warning {
  WarningId id = WarningId::None;
  std::string text;
  MessagePlace place;
};

}  // namespace qv

namespace qv::warning {

// "WARNING: song.asm:12: BRANCH_TO offset 5000 does not fit in 12 bits (stored as 904)"
Warning fieldOverflow(const MessagePlace& place, std::string_view what, std::int64_t value, int bits);

// "WARNING: song.asm:9: BRANCH_TO target "IDEL" is not defined (0 stored)" for
// a name, else "... "0xFG" cannot be evaluated (0 stored)", with a hint where
// one helps ("A << 2": there is no << operator).
Warning unevaluable(const MessagePlace& place, std::string_view what, std::string_view text, bool isName);

// "WARNING: song.asm:4: PLAY is missing its break and flags operands (0 stored)"
Warning missingOperands(const MessagePlace& place, std::string_view command,
                            const std::vector<std::string_view>& operands);

// "WARNING: song.asm:7: DELAY_SOUND ticks 200 is outside 0..127 (stored as 72)"
Warning outOfRange(const MessagePlace& place, std::string_view what, std::int64_t value, std::int64_t lowest,
                       std::int64_t highest, std::int64_t stored);
// The same with the range said in words: "... DELAY_SOUND mode 256 is
// neither 0 nor 128 (stored as 0)".
Warning outOfRange(const MessagePlace& place, std::string_view what, std::int64_t value, std::string_view range,
                   std::int64_t stored);

// A value that its field cannot hold and that reaches the bits of the fields
// beside it: "WARNING: song.asm:3: INITIATE_SOUND trigger 200 is outside
// 0..127: its top bit sets the preempt bit (second byte C8)".
Warning reachesNeighbour(const MessagePlace& place, std::string_view what, std::int64_t value,
                         std::string_view range, std::string_view effect, std::string_view byte);

// "WARNING: song.asm:3: IF is not closed by an ENDIF before the end of the file"
// and, when the block left the lines after it switched off,
// ": the rest of the file is switched off".
Warning openIf(const MessagePlace& place, bool restSwitchedOff);

// "WARNING: song.asm:8: ENDIF without IF (ignored)"; directive is ELSE or ENDIF.
Warning strayConditional(const MessagePlace& place, std::string_view directive);

// "WARNING: song.asm:14: START is defined again (first defined at song.asm:13)"
Warning duplicateSymbol(const MessagePlace& place, std::string_view name, const MessagePlace& first);

// "WARNING: song.asm:2: 2 files match /p/Waves.inc apart from letter case; using /p/WAVES.inc"
Warning letterCaseMatches(const MessagePlace& place, std::size_t count, std::string_view path,
                              std::string_view used);

// "WARNING: song.asm:5: PLAYY is taken as a label because the word after it is no command (a misspelt command?)"
Warning labelBeforeUnknownCommand(const MessagePlace& place, std::string_view label);

}  // namespace qv::warning
