#pragma once
// Conditional assembly: IF / ELSE / ENDIF blocks of one file.

#include <string>
#include <string_view>
#include <vector>

#include "preprocess/define_table.h"
#include "preprocess/pending_defines.h"

namespace qv {

struct ConditionResult {
  bool value = false;
  bool evaluated = false;
};

// "left op right" with the first of ==, !=, <=, >=, <, > (tried in that
// order) that occurs anywhere, or a single operand that is true when not 0.
// Unevaluable means false.
ConditionResult evaluateCondition(std::string_view text, const DefineTable& defines);

enum class ConditionalKind { None, If, Else, EndIf };

struct ConditionalDirective {
  ConditionalKind kind = ConditionalKind::None;
  std::string condition;  // of an IF
};

// IF (any first word beginning IF, such as IFDEF), ELSE (also ELSEIF) or
// ENDIF, with or without a leading "#"; tested in that order.
ConditionalDirective matchConditional(std::string_view code);

struct IfFrame {
  bool parentActive;
  bool condition;
  bool elseSeen;
};

// The blocks open in one file and whether its lines are switched on. Never
// shared with an included file.
class ConditionalState {
 public:
  bool active() const { return active_; }

  // Carries out an IF, ELSE or ENDIF. True when its line belongs in a listing
  // of inactive lines too; a stray ENDIF does not.
  bool apply(const ConditionalDirective& directive, DefineTable& defines, PendingDefines& pending);

 private:
  bool active_ = true;
  std::vector<IfFrame> frames_;
};

}  // namespace qv
