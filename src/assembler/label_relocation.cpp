#include "assembler/label_relocation.h"

#include <map>
#include <optional>
#include <string>

#include "assembler/layout_walk.h"
#include "assembler/line_classification.h"
#include "assembler/location_value.h"
#include "assembler/statement_size.h"
#include "assembler/symbol_table.h"
#include "assembler/assembly.h"
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
    if (std::optional<DefinitionLine> definition = parseDefinitionLine(words)) {
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

void storeLabelValues(Assembly& assembly, const LastLabelFinder& finder) {
  for (const auto& [name, index] : finder.lastLabel) {
    if (index >= assembly.labelAddresses.size()) continue;
    if (SymbolRecord* record = assembly.symbolTable.find(name)) {
      record->value = static_cast<std::int32_t>(assembly.labelAddresses[index]);
    }
  }
}

// Only a PLAY's size depends on a value. When every PLAY of the harvest,
// its handle read again at its address with the settled values, keeps its
// size, every statement lies where the harvest put it and a walk would find
// the same label addresses.
bool playsKeepTheirSizes(const Assembly& assembly, const std::vector<SourceLine>& lines) {
  const ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  for (const SizedPlay& play : assembly.harvestedPlays) {
    setLocationValue(static_cast<std::int32_t>(play.address));
    const std::string_view code = lines[play.line].code;
    if (playSize(code.substr(play.handleBegin, play.handleLength), evaluator) != play.size) return false;
  }
  return true;
}

}  // namespace

void relocateLabels(Assembly& assembly, const std::vector<SourceLine>& lines) {
  if (playsKeepTheirSizes(assembly, lines)) return;
  std::optional<LastLabelFinder> finder;
  for (int round = 0; round < maxRounds; ++round) {
    LabelPlacer placer;
    walkLayout(assembly, lines, placer);
    if (placer.addresses == assembly.labelAddresses) return;
    assembly.labelAddresses = std::move(placer.addresses);
    if (!finder) {
      finder.emplace();
      walkLayout(assembly, lines, *finder);
    }
    storeLabelValues(assembly, *finder);
    SettleValues(assembly);
  }
}

}  // namespace qv
