#pragma once

#include <cstdint>
#include <string_view>

#include "preprocess/expression_evaluator.h"

namespace qv {

// Bytes the statement (label removed) takes in the image. PLAY is sized by
// the value its handle operand has now.
std::uint32_t StatementSize(std::string_view statement, const ExpressionEvaluator& evaluator);

}  // namespace qv
