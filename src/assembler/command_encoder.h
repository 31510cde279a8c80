#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"

namespace qv {

class Compiler;

// The bytes of one statement (label already removed). Unknown keywords add
// "Unrecognized command: " + keyword to the compiler's messages.
std::vector<std::uint8_t> EncodeStatement(Compiler& compiler, std::string_view statement,
                                          const ExpressionEvaluator& evaluator);

}  // namespace qv
