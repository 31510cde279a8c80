#include "preprocess/conditional.h"

#include <array>

#include "preprocess/expression_evaluator.h"
#include "common/text.h"

namespace qv {

namespace {

bool operandValue(std::string_view text, const DefineTable& defines, std::int32_t& value) {
  std::string_view trimmed = trimView(text);
  if (trimmed.empty()) return false;
  if (defines.lookupValue(trimmed, value)) return true;
  return evaluateWithDefines(trimmed, defines, value) || parseIntegerLiteral(trimmed, value);
}

bool compare(std::string_view op, std::int32_t left, std::int32_t right) {
  if (op == "==") return left == right;
  if (op == "!=") return left != right;
  if (op == "<=") return left <= right;
  if (op == ">=") return left >= right;
  if (op == "<") return left < right;
  return left > right;
}

// The operator written at position, read as the longest form it can be.
std::string_view operatorAt(std::string_view text, std::size_t position) {
  std::string_view pair = text.substr(position, 2);
  if (pair == "==" || pair == "!=" || pair == "<=" || pair == ">=") return pair;
  return text.substr(position, 1);
}

}  // namespace

ConditionResult evaluateCondition(std::string_view text, const DefineTable& defines) {
  std::string_view trimmed = trimView(text);
  static constexpr std::array<std::string_view, 6> kOperators = {"==", "!=", "<=", ">=", "<", ">"};
  std::size_t position = std::string_view::npos;
  for (std::string_view op : kOperators) {
    position = trimmed.find(op);
    if (position != std::string_view::npos) break;
  }

  ConditionResult result;
  if (position == std::string_view::npos) {
    std::int32_t value = 0;
    result.evaluated = operandValue(trimmed, defines, value);
    result.value = result.evaluated && value != 0;
    return result;
  }
  std::string_view op = operatorAt(trimmed, position);
  std::int32_t left = 0;
  std::int32_t right = 0;
  result.evaluated = operandValue(trimmed.substr(0, position), defines, left) &&
                     operandValue(trimmed.substr(position + op.size()), defines, right);
  result.value = result.evaluated && compare(op, left, right);
  return result;
}

ConditionalDirective matchConditional(const DirectiveWord& first) {
  ConditionalDirective directive;
  if (first.beginsWith("IF")) {
    directive.kind = ConditionalKind::If;
    directive.condition = first.argument;
  } else if (first.beginsWith("ELSE") || first.beginsWith("#ELSE")) {
    directive.kind = ConditionalKind::Else;
  } else if (first.beginsWith("ENDIF") || first.beginsWith("#ENDIF")) {
    directive.kind = ConditionalKind::EndIf;
  }
  return directive;
}

ConditionalDirective matchConditional(std::string_view code) { return matchConditional(readDirectiveWord(code)); }

ConditionalStep ConditionalState::apply(const ConditionalDirective& directive, DefineTable& defines,
                                        PendingDefines& pending, std::int32_t lineNumber) {
  switch (directive.kind) {
    case ConditionalKind::If: {
      resolvePendingDefines(defines, pending);
      bool condition = evaluateCondition(directive.condition, defines).value;
      frames_.push_back({active_, condition, false, lineNumber});
      active_ = active_ && condition;
      return {true, false};
    }
    case ConditionalKind::Else: {
      if (frames_.empty()) return {true, true};
      IfFrame& frame = frames_.back();
      active_ = frame.parentActive && !frame.condition && !frame.elseSeen;
      frame.elseSeen = true;
      return {true, false};
    }
    case ConditionalKind::EndIf:
      if (frames_.empty()) return {false, true};
      active_ = frames_.back().parentActive;
      frames_.pop_back();
      return {true, false};
    case ConditionalKind::None:
      break;
  }
  return {};
}

std::vector<OpenBlock> ConditionalState::openBlocks() const {
  std::vector<OpenBlock> blocks;
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    // A block's lines run on to the next IF inside it, or to the end.
    bool blockActive = i + 1 < frames_.size() ? frames_[i + 1].parentActive : active_;
    blocks.push_back({frames_[i].lineNumber, frames_[i].parentActive && !blockActive});
  }
  return blocks;
}

}  // namespace qv
