#pragma once

#include <cstdint>
#include <string_view>

#include "assembler/command_set.h"
#include "preprocess/expression_evaluator.h"

namespace qv {

// Bytes the statement (label removed) takes in the image. PLAY is sized by
// the value its handle operand has now.
std::uint32_t StatementSize(std::string_view statement, const ExpressionEvaluator& evaluator);

// The same when the statement's command is known already.
std::uint32_t StatementSize(Command command, std::string_view statement, const ExpressionEvaluator& evaluator);

}  // namespace qv
