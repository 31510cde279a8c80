#pragma once
// The harvest pass's walk over the lines, shared with label relocation so
// that both place every statement at the same address.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "assembler/line_classification.h"
#include "preprocess/source_line.h"

namespace qv {

struct Assembly;

// What the walk reports. Every hook does nothing unless overridden.
class LayoutVisitor {
 public:
  virtual ~LayoutVisitor() = default;
  // Every line, active or not, before it is looked at.
  virtual void onLine(std::size_t /*index*/) {}
  virtual void onCBlockStart(const SourceLine& /*line*/, const LineWords& /*words*/) {}
  virtual void onCBlockCell(const SourceLine& /*line*/, const LineWords& /*words*/) {}
  virtual void onDefinition(const SourceLine& /*line*/, const LineWords& /*words*/) {}
  // Every instruction line, split into its label and statement (views into
  // its code), before its label is reported.
  virtual void onInstruction(std::size_t /*index*/, const SourceLine& /*line*/, const LabelSplit& /*split*/) {}
  // A labelled instruction line; address is where its statement goes.
  virtual void onLabel(const SourceLine& /*line*/, std::string_view /*label*/, std::uint32_t /*address*/) {}
  // The PLAY statement of line (at index), placed at address, with its
  // handle operand (a view into the line's code) and the size its value gave.
  virtual void onPlay(std::size_t /*index*/, const SourceLine& /*line*/, std::string_view /*handle*/,
                      std::uint32_t /*address*/, std::uint32_t /*size*/) {}
};

// Walks the active lines from address 0 (the assembly's currentAddress),
// sizing each instruction line's statement with "$" at its address.
void walkLayout(Assembly& assembly, const std::vector<SourceLine>& lines, LayoutVisitor& visitor);

}  // namespace qv
