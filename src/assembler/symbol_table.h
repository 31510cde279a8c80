#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/name_index.h"
#include "assembler/symbol_record.h"
#include "preprocess/expression_evaluator.h"
#include "common/text.h"

namespace qv {

struct Assembly;

// The symbols in first-definition order, with a case-insensitive name index
// over the same records.
class SymbolTable : public SymbolLookup {
 public:
  bool lookupValue(std::string_view name, std::int32_t& value) const override;
  bool holdsNameWithLeadingDigit() const override { return anyNameStartsWithDigit_; }

  const SymbolRecord* lookup(std::string_view name) const;

  // Records in first-definition order.
  const std::vector<SymbolRecord>& symbols() const { return records_; }

  // The records for which keep(record) holds, in name order (the symbol
  // index's order).
  template <typename Keep>
  std::vector<const SymbolRecord*> selectInNameOrder(Keep keep) const {
    std::vector<const SymbolRecord*> selected;
    for (const SymbolRecord& record : records_) {
      if (keep(record)) selected.push_back(&record);
    }
    sortByName(selected);
    return selected;
  }

  // Calls visit(record) for every record in name order.
  template <typename Visit>
  void forEachInNameOrder(Visit visit) const {
    for (const SymbolRecord* record : selectInNameOrder([](const SymbolRecord&) { return true; })) visit(*record);
  }

  // Inserts a new record, or returns the existing one of the same name.
  // Returns the stored record and whether it was inserted.
  std::pair<SymbolRecord*, bool> insert(SymbolRecord record);

  SymbolRecord* find(std::string_view name);
  // Position as in symbols(); the record is the index entry as well.
  void setValue(std::size_t position, std::int32_t value);
  std::size_t size() const { return records_.size(); }
  void clear();
  // Gives back the room the records' growth left spare: on a large source
  // almost half of it, held to the end of the compile otherwise.
  void shrinkToFit() { records_.shrink_to_fit(); }
  // Once the image is made no name is looked up again: the index gives its
  // room back, and the records stay for the outputs (a lookup finds nothing).
  void releaseIndex() { index_.clear(); }
  // Hands the records over in first-definition order, leaving the table empty.
  std::vector<SymbolRecord> takeRecords();

 private:
  // Name order is wanted once per compile, lookups for every operand: the
  // index is a hash, and name order is sorted out when asked for.
  static void sortByName(std::vector<const SymbolRecord*>& records);

  std::vector<SymbolRecord> records_;
  NameIndex index_;
  // Only a definition line can give a name a leading digit.
  bool anyNameStartsWithDigit_ = false;
};

// Defines a symbol; a second definition of a name keeps the first record
// (with its file, line and definition text), takes the new value and is
// reported as a collision and a "Duplicate symbol: " message.
void addSymbol(Assembly& assembly, std::string_view name, std::int32_t value, SymbolKind kind,
               std::string_view file, std::int32_t line, const std::string& definitionText);

// The evaluator the assembler passes use: the assembly's symbols, "$" from
// the process-wide location value.
ExpressionEvaluator assemblerEvaluator(const Assembly& assembly);

// Re-evaluates definition texts, at most 6 rounds, so that definitions
// that use later names take their final values. "$" reads 0 meanwhile.
void SettleValues(Assembly& assembly);

}  // namespace qv
