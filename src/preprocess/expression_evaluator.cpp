#include "preprocess/expression_evaluator.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "common/text.h"

namespace qv {

namespace {

// Beyond this many nested parentheses, "~" or high/low levels an expression
// fails instead of exhausting the stack.
constexpr int kMaxNesting = 1000;

// ---------------------------------------------------------------- numbers

constexpr std::uint64_t kMagnitudeCap = 0x80000000u;

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool isHexDigit(char c) { return digitValue(c) < 16; }

std::int32_t wrapToInt32(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

std::int32_t negateWrapping(std::int32_t value) {
  return wrapToInt32(0u - static_cast<std::uint32_t>(value));
}

// Reads text as C strtol does with a 32-bit long (white space, sign, a "0x"
// prefix in base 16, saturation), and accepts it only when it reads all of it.
bool readWholeAsStrtol(std::string_view text, int base, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (base == 16 && i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      isHexDigit(text[i + 2])) {
    i += 2;
  }
  const std::size_t firstDigit = i;
  std::uint64_t magnitude = 0;
  for (; i < text.size() && digitValue(text[i]) < base; ++i) {
    magnitude = std::min(magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digitValue(text[i])),
                         kMagnitudeCap);
  }
  if (i == firstDigit || i != text.size()) return false;
  if (negative) {
    value = wrapToInt32(static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(magnitude)));
  } else {
    value = static_cast<std::int32_t>(std::min<std::uint64_t>(magnitude, kMagnitudeCap - 1));
  }
  return true;
}

bool parseLiteral(std::string_view text, std::int32_t& value) {
  if (text.empty()) return false;
  bool negate = false;
  if (text.front() == '+' || text.front() == '-') {
    negate = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  int base = 10;
  if (startsWithNoCase(text, "0x")) {
    base = 16;
    text.remove_prefix(2);
  } else if (startsWithNoCase(text, "0b")) {
    base = 2;
    text.remove_prefix(2);
  }
  if (text.empty() || !readWholeAsStrtol(text, base, value)) return false;
  if (negate) value = negateWrapping(value);
  return true;
}

// "0FFh": hexadecimal digits only, then the suffix.
bool parseHexWithSuffix(std::string_view text, std::int32_t& value) {
  std::string_view digits = text.substr(0, text.size() - 1);
  return std::all_of(digits.begin(), digits.end(), isHexDigit) && readWholeAsStrtol(digits, 16, value);
}

bool parseNumberForm(std::string_view text, std::int32_t& value) {
  if (text.size() >= 2 && startsWithNoCase(text, "0x")) return parseLiteral(text, value);
  if (text.size() >= 2 && (text.back() == 'h' || text.back() == 'H')) return parseHexWithSuffix(text, value);
  return parseLiteral(text, value);
}

// SCV<n>_VLTR_BAL names the balance of sound channel n, counted from 1.
bool parseBalanceForm(std::string_view text, std::int32_t& value) {
  if (!startsWithNoCase(text, "SCV")) return false;
  const std::size_t marker = toUpperAscii(text).find("_VLTR_BAL");
  if (marker == std::string::npos || marker <= 3) return false;
  std::string_view digits = text.substr(3, marker - 3);
  if (!std::all_of(digits.begin(), digits.end(), isDigit)) return false;
  std::int32_t channel = 0;
  if (!readWholeAsStrtol(digits, 10, channel)) return false;
  value = wrapToInt32(static_cast<std::uint32_t>(channel) - 1u);
  return true;
}

// ------------------------------------------------------------ parentheses

std::string_view stripOuterParenthesesView(std::string_view text) {
  text = trimView(text);
  if (text.empty() || text.front() != '(' || text.back() != ')') return text;

  // The candidates for enclosing parentheses are the opening run at the
  // front. closingOf[k] is where the (k+1)-th of them closes: where the
  // running depth first falls back to k. One scan serves every round.
  std::size_t end = 0;
  while (end < text.size() && (text[end] == '(' || isSpace(text[end]))) ++end;
  std::vector<std::size_t> closingOf;
  std::ptrdiff_t depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++depth;
      if (i < end) closingOf.push_back(std::string_view::npos);
    } else if (text[i] == ')') {
      --depth;
      if (depth >= 0 && static_cast<std::size_t>(depth) < closingOf.size() &&
          closingOf[static_cast<std::size_t>(depth)] == std::string_view::npos) {
        closingOf[static_cast<std::size_t>(depth)] = i;
      }
    }
  }

  std::size_t first = 0;
  std::size_t last = text.size() - 1;
  for (std::size_t level = 0;; ++level) {
    if (closingOf[level] < last) break;
    ++first;
    --last;
    while (first <= last && isSpace(text[first])) ++first;
    while (last >= first && isSpace(text[last])) --last;
    if (first > last) return {};
    if (text[first] != '(' || text[last] != ')') break;
  }
  return text.substr(first, last - first + 1);
}

int deepestNesting(std::string_view text) {
  std::ptrdiff_t depth = 0;
  std::ptrdiff_t deepest = 0;
  for (char c : text) {
    if (c == '(') deepest = std::max(deepest, ++depth);
    if (c == ')') --depth;
  }
  return static_cast<int>(std::min<std::ptrdiff_t>(deepest, kMaxNesting + 1));
}

// Calls visit(piece, separator) for the pieces of text cut at the operator
// characters met at parenthesis depth 0; separator is the character that
// ended the piece, '\0' for the last one. Stops when visit returns false.
template <typename Visit>
bool forEachPiece(std::string_view text, std::string_view operators, Visit visit) {
  std::ptrdiff_t depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (depth == 0 && std::find(operators.begin(), operators.end(), c) != operators.end()) {
      if (!visit(text.substr(start, i - start), c)) return false;
      start = i + 1;
    }
  }
  return visit(text.substr(start), '\0');
}

// Most operands are a lone name or number: without parentheses or operator
// characters the three splitting levels would hand the text down unchanged.
bool isSingleTerm(std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '(':
      case ')':
      case '&':
      case '+':
      case '-':
      case '*':
      case '/':
        return false;
      default:
        break;
    }
  }
  return true;
}

// ------------------------------------------------------------- evaluation

// One evaluation; depth counts the nested "~", high( and low( levels.
class Evaluation {
 public:
  explicit Evaluation(const ExpressionEvaluator& evaluator) : evaluator_(evaluator) {}

  bool expression(std::string_view text, std::int32_t& value, int depth) const {
    if (isSingleTerm(text)) return term(text, value, depth);
    text = stripOuterParenthesesView(text);
    if (text.empty()) return false;
    bool first = true;
    return forEachPiece(text, "&", [&](std::string_view piece, char) {
      piece = trimView(piece);
      std::int32_t part = 0;
      if (piece.empty() || !sum(piece, part, depth)) return false;
      value = first ? part : (value & part);
      first = false;
      return true;
    });
  }

  bool term(std::string_view text, std::int32_t& value, int depth) const {
    if (depth > kMaxNesting) return false;
    text = stripOuterParenthesesView(text);
    if (text.empty()) return false;
    if (text.front() == '~') {
      if (!term(text.substr(1), value, depth + 1)) return false;
      value = ~value;
      return true;
    }
    if (text.back() == ')') {
      if (startsWithNoCase(text, "high(")) {
        if (!expression(text.substr(5, text.size() - 6), value, depth + 1)) return false;
        value = (value >> 8) & 0xFF;
        return true;
      }
      if (startsWithNoCase(text, "low(")) {
        if (!expression(text.substr(4, text.size() - 5), value, depth + 1)) return false;
        value &= 0xFF;
        return true;
      }
    }
    if (text == "$") {
      value = evaluator_.locationProvider != nullptr ? evaluator_.locationProvider() : 0;
      return true;
    }
    if (mightBeSymbol(text) && evaluator_.symbols->lookupValue(text, value)) return true;
    return parseBalanceForm(text, value) || parseNumberForm(text, value);
  }

 private:
  bool sum(std::string_view text, std::int32_t& value, int depth) const {
    std::uint32_t total = 0;
    bool negative = false;
    bool taken = false;
    const bool ok = forEachPiece(text, "+-", [&](std::string_view piece, char separator) {
      if (!piece.empty()) {
        std::int32_t part = 0;
        if (!product(piece, part, depth)) return false;
        const auto bits = static_cast<std::uint32_t>(part);
        total = negative ? total - bits : total + bits;
        taken = true;
      }
      negative = separator == '-';
      return true;
    });
    if (!ok || !taken) return false;
    value = wrapToInt32(total);
    return true;
  }

  bool product(std::string_view text, std::int32_t& value, int depth) const {
    char pending = '\0';
    return forEachPiece(text, "*/", [&](std::string_view piece, char separator) {
      std::int32_t factor = 0;
      if (!term(piece, factor, depth)) return false;
      if (pending == '\0') {
        value = factor;
      } else if (pending == '*') {
        value = wrapToInt32(static_cast<std::uint32_t>(value) * static_cast<std::uint32_t>(factor));
      } else if (factor == 0) {
        return false;
      } else {
        // The one quotient that does not fit stays at the minimum.
        value = factor == -1 ? negateWrapping(value) : value / factor;
      }
      pending = separator;
      return true;
    });
  }

  bool mightBeSymbol(std::string_view text) const {
    const SymbolLookup* symbols = evaluator_.symbols;
    return symbols != nullptr && (!isDigit(text.front()) || symbols->holdsNameWithLeadingDigit());
  }

  const ExpressionEvaluator& evaluator_;
};

// Runs one evaluation entry point; the value is 0 unless it succeeds.
template <typename Step>
bool evaluateGuarded(std::string_view text, std::int32_t& value, Step step) {
  value = 0;
  std::int32_t result = 0;
  if (deepestNesting(text) > kMaxNesting || !step(text, result)) return false;
  value = result;
  return true;
}

// Most operands are a plain decimal or "0x" number short enough not to
// saturate: read at once, with the value the whole evaluation would give.
// Not where a symbol may be named with digits, which it would look up.
bool readPlainNumber(std::string_view text, const SymbolLookup* symbols, std::int32_t& value) {
  constexpr std::size_t kDecimalDigits = 9;
  constexpr std::size_t kHexDigits = 7;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string_view digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits.size() > (hex ? kHexDigits : kDecimalDigits)) return false;
  std::uint32_t magnitude = 0;
  for (char c : digits) {
    const int digit = digitValue(c);
    if (digit >= (hex ? 16 : 10)) return false;
    magnitude = magnitude * (hex ? 16u : 10u) + static_cast<std::uint32_t>(digit);
  }
  if (symbols != nullptr && symbols->holdsNameWithLeadingDigit()) return false;
  value = static_cast<std::int32_t>(magnitude);
  return true;
}

}  // namespace

bool ExpressionEvaluator::evaluate(std::string_view text, std::int32_t& value) const {
  if (readPlainNumber(text, symbols, value)) return true;
  return evaluateGuarded(text, value, [this](std::string_view body, std::int32_t& result) {
    return Evaluation(*this).expression(body, result, 0);
  });
}

bool ExpressionEvaluator::evaluateTerm(std::string_view text, std::int32_t& value) const {
  return evaluateGuarded(text, value, [this](std::string_view body, std::int32_t& result) {
    return Evaluation(*this).term(body, result, 0);
  });
}

bool parseIntegerLiteral(std::string_view text, std::int32_t& value) {
  value = 0;
  std::int32_t result = 0;
  if (!parseLiteral(text, result)) return false;
  value = result;
  return true;
}

std::string stripOuterParentheses(std::string_view text) { return std::string(stripOuterParenthesesView(text)); }

}  // namespace qv
