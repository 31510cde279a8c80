#pragma once
// Operand values written with the standard names of the definitions file
// that the written source will include.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assembler/operand_check.h"

namespace qv {

struct Definition {
  std::string name;  // upper-cased
  std::int32_t value = 0;
};

// The names a definitions text gives values to, in their order; a name
// defined twice keeps its first value, as a compile settles it.
std::vector<Definition> readDefinitions(std::string_view text);

class StandardNames {
 public:
  explicit StandardNames(std::vector<Definition> definitions);

  // The names whose values add up to value in the field's groups, such as
  // "PRI_HIGH+PREEMPT_LOWER"; empty when the field has no groups or the
  // value is not exactly one such sum.
  const std::string& nameOf(const OperandField& field, std::int32_t value) const;

 private:
  using ValueNames = std::array<std::string, 256>;
  const ValueNames& tableOf(const OperandField& field) const;

  std::vector<Definition> definitions_;
  // Made the first time a field asks.
  mutable std::vector<std::pair<const OperandField*, std::unique_ptr<ValueNames>>> tables_;
};

}  // namespace qv
