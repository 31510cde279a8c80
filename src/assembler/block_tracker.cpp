#include "assembler/block_tracker.h"

#include "assembler/line_classification.h"
#include "assembler/words.h"
#include "preprocess/text.h"

namespace qv {

LineRole BlockTracker::classify(std::string_view code) {
  std::string_view first = wordAt(code, 0);
  if (first.empty()) return LineRole::Ignored;
  if (IsMacroHeader(code)) {
    inMacro_ = true;
    return LineRole::Ignored;
  }
  if (inMacro_) {
    if (equalsNoCase(first, "ENDM")) inMacro_ = false;
    return LineRole::Ignored;
  }
  if (equalsNoCase(first, "CBLOCK")) {
    inCBlock_ = true;
    return LineRole::CBlockStart;
  }
  if (equalsNoCase(first, "ENDC")) {
    inCBlock_ = false;
    return LineRole::Ignored;
  }
  if (inCBlock_) return LineRole::CBlockCell;
  if (HasDefinitionForm(code)) return LineRole::Definition;
  if (IsInstructionLine(code)) return LineRole::Instruction;
  return LineRole::Ignored;
}

}  // namespace qv
