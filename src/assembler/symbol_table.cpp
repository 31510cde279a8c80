#include "assembler/symbol_table.h"

#include <algorithm>
#include <utility>

#include "assembler/location_value.h"
#include "assembler/assembly.h"
#include "common/warnings.h"

namespace qv {

namespace {

constexpr int kMaxSettleRounds = 6;

const char* collisionKindWord(SymbolKind kind) { return kind == SymbolKind::Label ? "label" : "symbol"; }

}  // namespace

const char* symbolKindWord(SymbolKind kind) {
  switch (kind) {
    case SymbolKind::Variable: return "Variable";
    case SymbolKind::Label: return "Label";
    case SymbolKind::Handle: return "Handle";
    case SymbolKind::CBlockCell: return "CBlockCell";
    default: return "Constant";
  }
}

const char* symbolKindGroupTitle(SymbolKind kind) {
  switch (kind) {
    case SymbolKind::Constant: return "Constants";
    case SymbolKind::Variable: return "Variables";
    case SymbolKind::Label: return "Labels";
    case SymbolKind::Handle: return "Handles";
    case SymbolKind::CBlockCell: return "C Block Cells";
    default: return "Other Symbols";
  }
}

bool SymbolTable::lookupValue(std::string_view name, std::int32_t& value) const {
  const SymbolRecord* record = lookup(name);
  if (record == nullptr) return false;
  value = record->value;
  return true;
}

const SymbolRecord* SymbolTable::lookup(std::string_view name) const {
  std::optional<std::size_t> position = index_.find(name, records_);
  return position ? &records_[*position] : nullptr;
}

SymbolRecord* SymbolTable::find(std::string_view name) {
  return const_cast<SymbolRecord*>(std::as_const(*this).lookup(name));
}

std::pair<SymbolRecord*, bool> SymbolTable::insert(SymbolRecord record) {
  auto [position, inserted] = index_.insert(record.name, records_.size(), records_);
  if (!inserted) return {&records_[position], false};
  if (!record.name.empty() && isDigit(record.name.front())) anyNameStartsWithDigit_ = true;
  records_.push_back(std::move(record));
  return {&records_.back(), true};
}

void SymbolTable::setValue(std::size_t position, std::int32_t value) { records_[position].value = value; }

void SymbolTable::clear() {
  records_.clear();
  index_.clear();
  anyNameStartsWithDigit_ = false;
}

std::vector<SymbolRecord> SymbolTable::takeRecords() {
  std::vector<SymbolRecord> records = std::move(records_);
  clear();
  return records;
}

void SymbolTable::sortByName(std::vector<const SymbolRecord*>& records) {
  std::sort(records.begin(), records.end(), [](const SymbolRecord* a, const SymbolRecord* b) {
    return compareNoCase(a->name, b->name) < 0;
  });
}

void addSymbol(Assembly& assembly, std::string_view name, std::int32_t value, SymbolKind kind,
               std::string_view file, std::int32_t line, const std::string& definitionText) {
  auto [existing, inserted] =
      assembly.symbolTable.insert(SymbolRecord{toUpperAscii(name), value, kind, std::string(file), line, definitionText, {}});
  if (inserted) return;

  const std::string upperName = toUpperAscii(name);
  const std::string kindWord = collisionKindWord(kind);
  existing->collisionNote = existing->collisionNote.empty() ? "Collision" + kindWord
                                                            : existing->collisionNote + "; " + kindWord;
  existing->value = value;
  std::string message = "Duplicate symbol: " + upperName;
  assembly.collisions.push_back(
      SymbolCollision{SymbolRecord{upperName, value, kind, std::string(file), line, definitionText, {}}, message + " as " + kindWord});
  MessagePlace place{std::string(file), line};
  assembly.messages.warn(WarningId::DuplicateSymbolName, std::move(message), place);
  assembly.messages.warn(warning::duplicateSymbol(place, upperName, MessagePlace{existing->file, existing->line}));
}

ExpressionEvaluator assemblerEvaluator(const Assembly& assembly) {
  return ExpressionEvaluator{&assembly.symbolTable, &locationValue};
}

void SettleValues(Assembly& assembly) {
  SymbolTable& table = assembly.symbolTable;
  const ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  for (int round = 0; round < kMaxSettleRounds; ++round) {
    setLocationValue(0);
    bool changed = false;
    const std::vector<SymbolRecord>& records = table.symbols();
    for (std::size_t position = 0; position < records.size(); ++position) {
      const SymbolRecord& record = records[position];
      if (record.definitionText.empty()) continue;
      std::int32_t value = 0;
      if (evaluator.evaluate(record.definitionText, value) && value != record.value) {
        table.setValue(position, value);
        changed = true;
      }
    }
    if (!changed) break;
  }
}

}  // namespace qv
