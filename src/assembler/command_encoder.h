#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"
#include "preprocess/source_line.h"

namespace qv {

class Compiler;

// The bytes of one statement (label already removed). Unknown keywords add
// "Unrecognized command: " + keyword to the compiler's messages; a branch
// offset that does not fit its field adds a warning naming line.
std::vector<std::uint8_t> EncodeStatement(Compiler& compiler, std::string_view statement,
                                          const ExpressionEvaluator& evaluator, const SourceLine& line);

}  // namespace qv
