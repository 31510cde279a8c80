#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"

namespace qv {

using OperandList = std::vector<std::string>;

struct SplitStatementResult {
  std::string mnemonic;  // upper-cased; empty when the statement has no token
  OperandList operands;
};

// Mnemonic and operands: comma-separated when the operand text holds a
// comma (empty pieces dropped), else white-space separated.
SplitStatementResult SplitStatement(std::string_view statement);

// The operand's value: evaluated, else read as a plain number, else 0 (also
// for a missing operand).
std::int32_t OperandValue(const OperandList& operands, int index, const ExpressionEvaluator& evaluator);

}  // namespace qv
