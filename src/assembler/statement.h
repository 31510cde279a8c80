#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"

namespace qv {

// Views into the statement text, which must outlive them.
using OperandList = std::vector<std::string_view>;

struct SplitStatementResult {
  std::string mnemonic;  // upper-cased; empty when the statement has no token
  OperandList operands;
};

// Mnemonic and operands: comma-separated when the operand text holds a
// comma (empty pieces dropped), else white-space separated.
SplitStatementResult SplitStatement(std::string_view statement);

// The text's value: evaluated, else read as a plain number, else 0. Values
// that cannot be worked out count as 0 silently.
std::int32_t ValueOrZero(std::string_view text, const ExpressionEvaluator& evaluator);

// ValueOrZero of the operand; 0 for a missing operand.
std::int32_t OperandValue(const OperandList& operands, int index, const ExpressionEvaluator& evaluator);

}  // namespace qv
