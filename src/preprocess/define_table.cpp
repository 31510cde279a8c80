#include "preprocess/define_table.h"

namespace qv {

namespace {

std::int32_t locationInDefines() { return 0; }

}  // namespace

bool DefineTable::set(std::string_view name, std::int32_t value) {
  auto found = values_.find(name);
  if (found == values_.end()) {
    values_.emplace(std::string(name), value);
    return true;
  }
  if (found->second == value) return false;
  found->second = value;
  return true;
}

bool DefineTable::lookupValue(std::string_view name, std::int32_t& value) const {
  auto found = values_.find(name);
  if (found == values_.end()) return false;
  value = found->second;
  return true;
}

bool evaluateWithDefines(std::string_view text, const SymbolLookup& defines, std::int32_t& value) {
  ExpressionEvaluator evaluator;
  evaluator.symbols = &defines;
  evaluator.locationProvider = locationInDefines;
  return evaluator.evaluate(text, value);
}

}  // namespace qv
