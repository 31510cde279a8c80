#include "assembler/layout_walk.h"

#include "assembler/block_tracker.h"
#include "assembler/location_value.h"
#include "assembler/statement_size.h"
#include "assembler/symbol_table.h"
#include "compile/compiler.h"

namespace qv {

namespace {

void placeInstruction(Compiler& compiler, std::size_t index, const SourceLine& line, const LineWords& words,
                      const ExpressionEvaluator& evaluator, LayoutVisitor& visitor) {
  setLocationValue(static_cast<std::int32_t>(compiler.currentAddress));
  LabelSplit split = ParseLabel(words);
  if (!split.label.empty()) visitor.onLabel(line, split.label, compiler.currentAddress);
  if (split.statement.empty()) return;
  std::uint32_t size = 0;
  if (split.command == Command::Play) {
    std::string_view handle = PlayHandle(split.statement);
    size = PlaySize(handle, evaluator);
    visitor.onPlay(index, line, handle, compiler.currentAddress, size);
  } else {
    size = StatementSize(split.command, split.statement, evaluator);
  }
  compiler.currentAddress += size;
}

}  // namespace

void WalkLayout(Compiler& compiler, const std::vector<SourceLine>& lines, LayoutVisitor& visitor) {
  compiler.currentAddress = 0;
  const ExpressionEvaluator evaluator = assemblerEvaluator(compiler);
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
        placeInstruction(compiler, i, line, words, evaluator, visitor);
        break;
      case LineRole::Ignored:
        break;
    }
  }
}

}  // namespace qv
