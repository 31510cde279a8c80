#pragma once
// The integer expression evaluator shared by conditions, defines and the
// assembler passes. Values are signed 32-bit; sums and products wrap.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Read access to a case-insensitive table of named values.
class SymbolLookup {
 public:
  virtual ~SymbolLookup() = default;
  virtual bool lookupValue(std::string_view name, std::int32_t& value) const = 0;

  // Names normally start with a letter or "_"; a table that knows it holds
  // none with a leading digit lets the evaluator read a number without
  // looking it up first.
  virtual bool holdsNameWithLeadingDigit() const { return true; }
};

// Gives the value of "$".
using LocationProvider = std::int32_t (*)();

struct ExpressionEvaluator {
  const SymbolLookup* symbols = nullptr;
  LocationProvider locationProvider = nullptr;

  // True when text is a valid expression; value is 0 on failure.
  bool evaluate(std::string_view text, std::int32_t& value) const;
  bool evaluateTerm(std::string_view text, std::int32_t& value) const;
};

// Decimal, "0x" hexadecimal or "0b" binary, with an optional sign; reads as
// C strtol with a 32-bit long (saturating) and must consume the whole text.
bool parseIntegerLiteral(std::string_view text, std::int32_t& value);

// Trimmed, with parentheses that enclose the whole text removed repeatedly.
std::string stripOuterParentheses(std::string_view text);

}  // namespace qv
