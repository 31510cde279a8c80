#include "assembler/block_tracker.h"

#include "assembler/keyword_match.h"

namespace qv {

LineRole BlockTracker::classify(const LineWords& line) {
  std::string_view first = line.first();
  if (first.empty()) return LineRole::Ignored;
  if (isMacroHeader(line)) {
    inMacro_ = true;
    return LineRole::Ignored;
  }
  if (inMacro_) {
    if (isKeyword(first, "ENDM")) inMacro_ = false;
    return LineRole::Ignored;
  }
  if (isKeyword(first, "CBLOCK")) {
    inCBlock_ = true;
    return LineRole::CBlockStart;
  }
  if (isKeyword(first, "ENDC")) {
    inCBlock_ = false;
    return LineRole::Ignored;
  }
  if (inCBlock_) return LineRole::CBlockCell;
  if (hasDefinitionForm(line)) return LineRole::Definition;
  if (isInstructionLine(line)) return LineRole::Instruction;
  return LineRole::Ignored;
}

}  // namespace qv
