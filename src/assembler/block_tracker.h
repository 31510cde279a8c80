#pragma once

#include "assembler/line_classification.h"

namespace qv {

// What one active line means to the assembler passes.
enum class LineRole {
  Ignored,      // blank, directive, macro header or body, CBLOCK's closing ENDC
  CBlockStart,  // the CBLOCK line itself
  CBlockCell,   // a line between CBLOCK and ENDC
  Definition,   // NAME EQU/SET/= value, #DEFINE/DEFINE NAME value
  Instruction,  // a statement, a label, or both
};

// Follows macro bodies and CBLOCK blocks through the active lines of one
// pass, in order, and says what each line is for.
class BlockTracker {
 public:
  LineRole classify(const LineWords& line);

 private:
  bool inMacro_ = false;
  bool inCBlock_ = false;
};

}  // namespace qv
