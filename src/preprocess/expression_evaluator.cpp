#include "preprocess/expression_evaluator.h"

namespace qv {

bool ExpressionEvaluator::evaluate(std::string_view, std::int32_t& value) const { value = 0; return false; }
bool ExpressionEvaluator::evaluateTerm(std::string_view, std::int32_t& value) const { value = 0; return false; }
bool parseIntegerLiteral(std::string_view, std::int32_t& value) { value = 0; return false; }
std::string stripOuterParentheses(std::string_view text) { return std::string(text); }

}  // namespace qv
