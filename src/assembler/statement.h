#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"

namespace qv {

// Views into the statement text, which must outlive them.
using OperandList = std::vector<std::string_view>;

struct StatementParts {
  std::string mnemonic;  // upper-cased; empty when the statement has no token
  OperandList operands;
};

// Mnemonic and operands: comma-separated when the operand text holds a
// comma (empty pieces dropped), else white-space separated.
StatementParts splitStatement(std::string_view statement);

// The text's value: evaluated, else read as a plain number; nothing when
// neither works.
std::optional<std::int32_t> valueOf(std::string_view text, const ExpressionEvaluator& evaluator);

// valueOf, or 0 when the text has no value.
std::int32_t valueOrZero(std::string_view text, const ExpressionEvaluator& evaluator);

}  // namespace qv
