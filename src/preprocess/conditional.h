#pragma once
// Conditional assembly: IF / ELSE / ENDIF blocks of one file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/define_table.h"
#include "preprocess/directive.h"
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
ConditionalDirective matchConditional(const DirectiveWord& first);
ConditionalDirective matchConditional(std::string_view code);

struct IfFrame {
  bool parentActive;
  bool condition;
  bool elseSeen;
  std::int32_t lineNumber;  // of the IF
};

struct ConditionalStep {
  bool keepRecord = false;  // the line belongs in a listing of inactive lines too
  bool stray = false;       // an ELSE or ENDIF outside any block, which changes nothing
};

// An IF that the end of its file leaves open.
struct OpenBlock {
  std::int32_t lineNumber;
  bool restSwitchedOff;  // it switched off the lines after it (its parent had them on)
};

// The blocks open in one file and whether its lines are switched on. Never
// shared with an included file.
class ConditionalState {
 public:
  bool active() const { return active_; }

  // Carries out an IF, ELSE or ENDIF met at lineNumber. A stray ENDIF is not
  // kept, a stray ELSE is.
  ConditionalStep apply(const ConditionalDirective& directive, DefineTable& defines, PendingDefines& pending,
                        std::int32_t lineNumber);

  // The blocks still open, outermost first.
  std::vector<OpenBlock> openBlocks() const;

 private:
  bool active_ = true;
  std::vector<IfFrame> frames_;
};

}  // namespace qv
