#include "assembler/label_relocation.h"

#include <map>
#include <optional>
#include <string>

#include "assembler/layout_walk.h"
#include "assembler/line_classification.h"
#include "assembler/location_value.h"
#include "assembler/statement_size.h"
#include "assembler/symbol_table.h"
#include "compile/compiler.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr int maxRounds = 6;

class LabelPlacer : public LayoutVisitor {
 public:
  void onLabel(const SourceLine&, std::string_view, std::uint32_t address) override { addresses.push_back(address); }

  std::vector<std::uint32_t> addresses;
};

// For each defined name, the index (among the labelled lines) of its last
// definition when that is a label, else noLabel: a name last defined as a
// constant or CBLOCK cell keeps the value that definition gave it.
class LastLabelFinder : public LayoutVisitor {
 public:
  static constexpr std::size_t noLabel = static_cast<std::size_t>(-1);

  void onCBlockCell(const SourceLine&, const LineWords& words) override {
    std::string_view name = words.first();
    if (isIdentifier(name)) lastLabel.insert_or_assign(std::string(name), noLabel);
  }

  void onDefinition(const SourceLine&, const LineWords& words) override {
    if (std::optional<DefinitionLine> definition = IsDefinitionLine(words)) {
      lastLabel.insert_or_assign(definition->name, noLabel);
    }
  }

  void onLabel(const SourceLine&, std::string_view label, std::uint32_t) override {
    lastLabel.insert_or_assign(std::string(label), labelCount++);
  }

  std::map<std::string, std::size_t, NoCaseLess> lastLabel;

 private:
  std::size_t labelCount = 0;
};

void storeLabelValues(Compiler& compiler, const LastLabelFinder& finder) {
  for (const auto& [name, index] : finder.lastLabel) {
    if (index >= compiler.labelAddresses.size()) continue;
    if (SymbolRecord* record = compiler.symbolTable.find(name)) {
      record->value = static_cast<std::int32_t>(compiler.labelAddresses[index]);
    }
  }
}

// Only a PLAY's size depends on a value. When every PLAY of the harvest,
// its handle read again at its address with the settled values, keeps its
// size, every statement lies where the harvest put it and a walk would find
// the same label addresses.
bool playsKeepTheirSizes(const Compiler& compiler, const std::vector<SourceLine>& lines) {
  const ExpressionEvaluator evaluator = assemblerEvaluator(compiler);
  for (const SizedPlay& play : compiler.harvestedPlays) {
    setLocationValue(static_cast<std::int32_t>(play.address));
    const std::string_view code = lines[play.line].code;
    if (PlaySize(code.substr(play.handleBegin, play.handleLength), evaluator) != play.size) return false;
  }
  return true;
}

}  // namespace

void RelocateLabels(Compiler& compiler, const std::vector<SourceLine>& lines) {
  if (playsKeepTheirSizes(compiler, lines)) return;
  std::optional<LastLabelFinder> finder;
  for (int round = 0; round < maxRounds; ++round) {
    LabelPlacer placer;
    WalkLayout(compiler, lines, placer);
    if (placer.addresses == compiler.labelAddresses) return;
    compiler.labelAddresses = std::move(placer.addresses);
    if (!finder) {
      finder.emplace();
      WalkLayout(compiler, lines, *finder);
    }
    storeLabelValues(compiler, *finder);
    SettleValues(compiler);
  }
}

}  // namespace qv
