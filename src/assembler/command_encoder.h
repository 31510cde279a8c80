#pragma once

#include <cstdint>
#include <string_view>

#include "assembler/image_bytes.h"

#include "assembler/command_set.h"
#include "preprocess/expression_evaluator.h"
#include "preprocess/source_line.h"

namespace qv {

struct Assembly;

// The bytes of one statement (label already removed). Unknown keywords add
// "Unrecognized command: " + keyword to the assembly's messages; a branch
// offset that does not fit its field adds a warning naming line.
ImageBytes encodeStatement(Assembly& assembly, std::string_view statement, const ExpressionEvaluator& evaluator,
                           const SourceLine& line);

// The same for a statement whose command (of its first word) the caller has
// looked up already.
ImageBytes encodeStatement(Assembly& assembly, Command command, std::string_view statement,
                           const ExpressionEvaluator& evaluator, const SourceLine& line);

}  // namespace qv
