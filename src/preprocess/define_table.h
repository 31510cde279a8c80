#pragma once
// The preprocessing defines that conditions are evaluated against.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "preprocess/expression_evaluator.h"
#include "common/text.h"

namespace qv {

// Define name -> value, names matched without regard to letter case. An
// entry keeps the spelling of its first definition. The evaluator reads it
// directly, so nothing is copied per evaluation.
class DefineTable : public SymbolLookup {
 public:
  // True when the name is new or its value changed.
  bool set(std::string_view name, std::int32_t value);
  bool lookupValue(std::string_view name, std::int32_t& value) const override;
  bool holdsNameWithLeadingDigit() const override { return anyNameStartsWithDigit_; }

 private:
  std::unordered_map<std::string, std::int32_t, NoCaseHash, NoCaseEqual> values_;
  bool anyNameStartsWithDigit_ = false;
};

// Evaluates text against the defines, with "$" reading 0.
bool evaluateWithDefines(std::string_view text, const SymbolLookup& defines, std::int32_t& value);

}  // namespace qv
