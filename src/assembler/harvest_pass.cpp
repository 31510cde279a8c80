#include "assembler/harvest_pass.h"

#include <string>

#include "assembler/layout_walk.h"
#include "assembler/line_classification.h"
#include "assembler/operand_check.h"
#include "assembler/statement.h"
#include "assembler/symbol_table.h"
#include "assembler/assembly.h"
#include "common/text.h"

namespace qv {

namespace {

class Harvester : public LayoutVisitor {
 public:
  Harvester(Assembly& assembly, const CompileRequest& request, std::size_t lineCount)
      : assembly_(assembly),
        request_(request),
        evaluator_(assemblerEvaluator(assembly)),
        total_(static_cast<std::uint32_t>(2 * lineCount)) {}

  void onLine(std::size_t index) override {
    lineIndex_ = index;
    if (request_.progressCallback != nullptr) {
      request_.progressCallback(request_.progressContext, static_cast<std::uint32_t>(index + 1), total_, "Harvest");
    }
  }

  // Only the second word counts: a start expression holds no blanks.
  void onCBlockStart(const SourceLine& line, const LineWords& words) override {
    std::string_view start = words.second();
    if (start.empty()) {
      nextCell_ = 0;
      return;
    }
    nextCell_ = static_cast<std::uint32_t>(reportedValue(assembly_.messages, line, "CBLOCK", "start", start, evaluator_));
  }

  // A line that names no identifier still takes its number.
  void onCBlockCell(const SourceLine& line, const LineWords& words) override {
    std::string_view name = words.first();
    if (isIdentifier(name)) {
      SymbolKind kind = startsWithNoCase(name, "HNDL_") ? SymbolKind::Handle : SymbolKind::CBlockCell;
      addSymbol(assembly_, name, static_cast<std::int32_t>(nextCell_), kind, line.file, line.lineNumber,
                std::string());
    }
    ++nextCell_;
  }

  void onDefinition(const SourceLine& line, const LineWords& words) override {
    std::optional<DefinitionLine> definition = parseDefinitionLine(words);
    if (!definition) return;
    std::optional<std::int32_t> value = valueOf(definition->valueText, evaluator_);
    if (!value) assembly_.unevaluatedDefinitions.push_back(lineIndex_);
    addSymbol(assembly_, definition->name, value.value_or(0), SymbolKind::Constant, line.file, line.lineNumber,
              definition->valueText);
  }

  void onInstruction(std::size_t index, const SourceLine& line, const LabelSplit& split) override {
    const auto offset = [&line](std::string_view part) {
      return part.empty() ? 0u : static_cast<std::uint32_t>(part.data() - line.code.data());
    };
    assembly_.placedStatements.push_back({static_cast<std::uint32_t>(index), offset(split.label),
                                          static_cast<std::uint32_t>(split.label.size()), offset(split.statement),
                                          static_cast<std::uint32_t>(split.statement.size()), split.command});
  }

  void onLabel(const SourceLine& line, std::string_view label, std::uint32_t address) override {
    addSymbol(assembly_, label, static_cast<std::int32_t>(address), SymbolKind::Label, line.file, line.lineNumber,
              std::string());
    assembly_.labelAddresses.push_back(address);
  }

  void onPlay(std::size_t index, const SourceLine& line, std::string_view handle, std::uint32_t address,
              std::uint32_t size) override {
    const std::size_t handleBegin = handle.empty() ? 0 : static_cast<std::size_t>(handle.data() - line.code.data());
    assembly_.harvestedPlays.push_back({index, handleBegin, handle.size(), address, size});
  }

 private:
  Assembly& assembly_;
  const CompileRequest& request_;
  const ExpressionEvaluator evaluator_;
  const std::uint32_t total_;
  std::uint32_t nextCell_ = 0;  // wraps like the signed counter it stands for
  std::size_t lineIndex_ = 0;
};

}  // namespace

void HarvestPass(Assembly& assembly, const std::vector<SourceLine>& lines, const CompileRequest& request) {
  assembly.labelAddresses.clear();
  assembly.harvestedPlays.clear();
  assembly.unevaluatedDefinitions.clear();
  assembly.placedStatements.clear();
  Harvester harvester(assembly, request, lines.size());
  walkLayout(assembly, lines, harvester);
  assembly.symbolTable.shrinkToFit();
}

void warnUnevaluatedDefinitions(Assembly& assembly, const std::vector<SourceLine>& lines) {
  const ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  for (std::size_t index : assembly.unevaluatedDefinitions) {
    const SourceLine& line = lines[index];
    std::optional<DefinitionLine> definition = parseDefinitionLine(LineWords(line.code));
    reportedValue(assembly.messages, line, "value of", definition->name, definition->valueText, evaluator);
  }
}

}  // namespace qv
