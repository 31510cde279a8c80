#pragma once

#include <cstdint>
#include <string_view>

#include "assembler/command_set.h"
#include "preprocess/expression_evaluator.h"

namespace qv {

// Bytes the statement (label removed) takes in the image. PLAY is sized by
// the value its handle operand has now.
std::uint32_t statementSize(std::string_view statement, const ExpressionEvaluator& evaluator);

// The same when the statement's command is known already.
std::uint32_t statementSize(Command command, std::string_view statement, const ExpressionEvaluator& evaluator);

// The handle operand of a PLAY statement (a view into it); empty when the
// statement has none.
std::string_view playHandle(std::string_view statement);

// Bytes of a PLAY whose handle operand reads handle: the value it has now
// picks the long or the short form.
std::uint32_t playSize(std::string_view handle, const ExpressionEvaluator& evaluator);

}  // namespace qv
