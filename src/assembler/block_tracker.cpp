#include "assembler/block_tracker.h"

#include "assembler/keyword_match.h"

namespace qv {

LineRole BlockTracker::classify(const LineWords& line) {
  std::string_view first = line.first();
  if (first.empty()) return LineRole::Ignored;
  if (IsMacroHeader(line)) {
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
  if (HasDefinitionForm(line)) return LineRole::Definition;
  if (IsInstructionLine(line)) return LineRole::Instruction;
  return LineRole::Ignored;
}

}  // namespace qv
