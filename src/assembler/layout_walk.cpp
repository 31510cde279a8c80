#include "assembler/layout_walk.h"

#include "assembler/block_tracker.h"
#include "assembler/location_value.h"
#include "assembler/statement_size.h"
#include "assembler/symbol_table.h"
#include "assembler/assembly.h"

namespace qv {

namespace {

void placeInstruction(Assembly& assembly, std::size_t index, const SourceLine& line, const LineWords& words,
                      const ExpressionEvaluator& evaluator, LayoutVisitor& visitor) {
  setLocationValue(static_cast<std::int32_t>(assembly.currentAddress));
  LabelSplit split = parseLabel(words);
  visitor.onInstruction(index, line, split);
  if (!split.label.empty()) visitor.onLabel(line, split.label, assembly.currentAddress);
  if (split.statement.empty()) return;
  std::uint32_t size = 0;
  if (split.command == Command::Play) {
    std::string_view handle = playHandle(split.statement);
    size = playSize(handle, evaluator);
    visitor.onPlay(index, line, handle, assembly.currentAddress, size);
  } else {
    size = statementSize(split.command, split.statement, evaluator);
  }
  assembly.currentAddress += size;
}

}  // namespace

void walkLayout(Assembly& assembly, const std::vector<SourceLine>& lines, LayoutVisitor& visitor) {
  assembly.currentAddress = 0;
  const ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  BlockTracker blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    visitor.onLine(i);
    const SourceLine& line = lines[i];
    if (!isAssembled(line)) continue;
    LineWords words(line.code);
    switch (blocks.classify(words)) {
      case LineRole::CBlockStart:
        visitor.onCBlockStart(line, words);
        break;
      case LineRole::CBlockCell:
        visitor.onCBlockCell(line, words);
        break;
      case LineRole::Definition:
        visitor.onDefinition(line, words);
        break;
      case LineRole::Instruction:
        placeInstruction(assembly, i, line, words, evaluator, visitor);
        break;
      case LineRole::Ignored:
        break;
    }
  }
}

}  // namespace qv
