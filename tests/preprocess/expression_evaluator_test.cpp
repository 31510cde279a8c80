#include "preprocess/expression_evaluator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/text.h"

namespace qv {
namespace {

class NamedValues : public SymbolLookup {
 public:
  NamedValues(std::initializer_list<std::pair<const std::string, std::int32_t>> values) : values_(values) {}
  bool lookupValue(std::string_view name, std::int32_t& value) const override {
    auto found = values_.find(name);
    if (found == values_.end()) return false;
    value = found->second;
    return true;
  }

 private:
  std::map<std::string, std::int32_t, NoCaseLess> values_;
};

const NamedValues kSymbols{{"A", 0x1FF},        {"B", 0xFF},          {"MIN", INT32_MIN},
                           {"MINUS1", -1},      {"BEEFH", 7},         {"SCV3_VLTR_BAL", 99},
                           {"_UNDER", 12}};

std::int32_t location() { return 0x40; }

std::optional<std::int32_t> evaluated(std::string_view text, LocationProvider provider = &location) {
  ExpressionEvaluator evaluator{&kSymbols, provider};
  std::int32_t value = 12345;
  if (!evaluator.evaluate(text, value)) {
    EXPECT_EQ(value, 0) << "a failed evaluation leaves 0: " << text;
    return std::nullopt;
  }
  return value;
}

std::optional<std::int32_t> literal(std::string_view text) {
  std::int32_t value = 12345;
  if (!parseIntegerLiteral(text, value)) {
    EXPECT_EQ(value, 0) << text;
    return std::nullopt;
  }
  return value;
}

struct Case {
  const char* text;
  std::optional<std::int32_t> expected;
};

constexpr std::nullopt_t kFails = std::nullopt;

TEST(ExpressionEvaluator, Expressions) {
  const Case cases[] = {
      // precedence and left-to-right products
      {"1+2*3", 7},
      {"2*3-4/2", 4},
      {"7/2", 3},
      {"-7/2", -3},
      {"2*3*4", 24},
      {"100/7/2", 7},
      {"A+1&0xFF", 0},
      {"0x12 & 0x0F", 2},
      {"1&3&5", 1},
      {"A&B", 0xFF},
      // signs: set, not multiplied; blanks only fail between operators
      {"-5", -5},
      {"+5", 5},
      {"3--2", 1},
      {"1+-2", -1},
      {"5+", 5},
      {"5+ ", 5},
      {"2--", 2},
      {"5+ +1", kFails},
      {"A&", kFails},
      {"&A", kFails},
      {"A& &B", kFails},
      {"*2", kFails},
      {"2*", kFails},
      {"2/0", kFails},
      {"", kFails},
      {"   ", kFails},
      {"()", kFails},
      // parentheses group only around a whole expression or a whole term
      {"(2+3)", 5},
      {" ( ( 2 + 3 ) ) ", 5},
      {"(2+3)*2", kFails},
      {"(-5)*2", -10},
      {"(A)*2", 0x3FE},
      {"1)+(2", kFails},
      {"(1", kFails},
      // terms
      {"~0", -1},
      {"~ 0", -1},
      {"~A+1", -0x1FF},
      {"~~A", 0x1FF},
      {"~", kFails},
      {"high(0x1234)", 0x12},
      {"LOW(0x1234)", 0x34},
      {"High(A+1)", 2},
      {"high(-1)", 255},
      {"low(-1)", 255},
      {"high(1)+low(2)", 2},
      {"high((0x100))", 1},
      {"high()", kFails},
      {"high(1+)", 0},
      {"high(&)", kFails},
      {"high (1)", kFails},
      {"$", 0x40},
      {"$+2", 0x42},
      {"a", 0x1FF},
      {"_under*2", 24},
      {"UNDEFINED", kFails},
      // numbers
      {"0FFh", 255},
      {"10H", 16},
      {"beefh", 7},
      {"BEFh", 0xBEF},
      {"BRANCH", kFails},
      {"12xh", kFails},
      {"h", kFails},
      {"0b101", 5},
      {"-0x10", -16},
      {"0x10+10h+16", 48},
      {"0x", kFails},
      {"007", 7},
      {"08", 8},
      {"4294967295", 2147483647},
      {"-2147483648", -2147483647},
      {"0FFFFFFFFFh", 2147483647},
      {"1e5", kFails},
      // the balance form of a sound channel
      {"SCV12_VLTR_BAL", 11},
      {"scv5_vltr_bal", 4},
      {"SCV5_VLTR_BALANCE", 4},
      {"SCV3_VLTR_BAL", 99},
      {"SCVX_VLTR_BAL", kFails},
      {"SCV_VLTR_BAL", kFails},
      {"SCV1_VLTR_BAL+1", 1},
      // 32-bit wrapping
      {"2147483647+1", INT32_MIN},
      {"65536*65536", 0},
      {"-2147483647-2", 2147483647},
      {"MIN/MINUS1", INT32_MIN},
      {"MIN*MINUS1", INT32_MIN},
      {"-MIN", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(evaluated(c.text), c.expected) << c.text;
}

TEST(ExpressionEvaluator, LocationWithoutProviderIsZero) {
  EXPECT_EQ(evaluated("$", nullptr), 0);
  EXPECT_EQ(evaluated("$+1", nullptr), 1);
}

TEST(ExpressionEvaluator, WorksWithoutSymbols) {
  ExpressionEvaluator evaluator;
  std::int32_t value = 0;
  EXPECT_TRUE(evaluator.evaluate("high(0x1234)+1", value));
  EXPECT_EQ(value, 0x13);
  EXPECT_FALSE(evaluator.evaluate("A", value));
}

TEST(ExpressionEvaluator, TermIsTheInnermostLevel) {
  ExpressionEvaluator evaluator{&kSymbols, &location};
  std::int32_t value = 1;
  EXPECT_TRUE(evaluator.evaluateTerm(" (~a) ", value));
  EXPECT_EQ(value, ~0x1FF);
  EXPECT_TRUE(evaluator.evaluateTerm("low(A+1)", value));
  EXPECT_EQ(value, 0);
  EXPECT_FALSE(evaluator.evaluateTerm("2+3", value));
  EXPECT_EQ(value, 0);
  EXPECT_FALSE(evaluator.evaluateTerm("", value));
}

TEST(ExpressionEvaluator, IntegerLiterals) {
  const Case cases[] = {
      {"", kFails},
      {"+", kFails},
      {"-", kFails},
      {"0x", kFails},
      {"0b", kFails},
      {"-0x", kFails},
      {"+7", 7},
      {"-0x10", -16},
      {"0X1f", 31},
      {"0B11", 3},
      {"0b102", kFails},
      {"010", 10},
      {"12a", kFails},
      {"0x1G", kFails},
      {"1 2", kFails},
      // what strtol itself accepts: white space, a sign, a "0x" in base 16
      {" 5", 5},
      {"5 ", kFails},
      {"--5", 5},
      {"-+5", -5},
      {"0x0x10", 16},
      {"0x-0x10", -16},
      {"0x 10", 16},
      {"0x0x", kFails},
      {"0b0b1", kFails},
      {"0b-1", -1},
      // a 32-bit long saturates
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"4294967295", 2147483647},
      {"99999999999999999999", 2147483647},
      {"0xFFFFFFFF", 2147483647},
      {"-4294967295", -2147483647},
      {"0x-80000000", INT32_MIN},
      {"0x-FFFFFFFFF", INT32_MIN},
      {"--2147483648", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(literal(c.text), c.expected) << c.text;
}

TEST(ExpressionEvaluator, StripOuterParentheses) {
  const std::pair<const char*, const char*> cases[] = {
      {"(A)", "A"},          {"((A))", "A"},        {"(A)+(B)", "(A)+(B)"}, {"((A)", "(A"},
      {" ( ( A ) ) ", "A"},  {"()", ""},            {"(A))", "(A))"},       {"(()())", "()()"},
      {"(((x)+(y)))", "(x)+(y)"}, {"  x ", "x"},    {"( (A) )x)", "( (A) )x)"}, {"((( A", "((( A"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(stripOuterParentheses(text), expected) << text;
}

std::string nested(const std::string& open, int levels, const std::string& inner) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += open;
  text += inner;
  if (open.find('(') != std::string::npos) text += std::string(static_cast<std::size_t>(levels), ')');
  return text;
}

TEST(ExpressionEvaluator, DeepNestingFailsWithoutCrashing) {
  EXPECT_EQ(stripOuterParentheses(nested("(", 100000, "7")), "7");
  EXPECT_EQ(stripOuterParentheses(nested("( ", 100000, "7")), "7");

  EXPECT_EQ(evaluated(nested("(", 1000, "7")), 7);
  EXPECT_EQ(evaluated(nested("~", 1000, "0")), 0);
  EXPECT_EQ(evaluated(nested("high(", 1000, "1")), 0);
  EXPECT_EQ(evaluated(nested("low(", 1000, "0x1FF")), 0xFF);

  EXPECT_EQ(evaluated(nested("(", 100000, "7")), kFails);
  EXPECT_EQ(evaluated(nested("~", 100000, "0")), kFails);
  EXPECT_EQ(evaluated(nested("high(", 100000, "1")), kFails);
  EXPECT_EQ(evaluated(nested("~(", 100000, "1")), kFails);
  EXPECT_EQ(evaluated(std::string(100000, '(')), kFails);

  ExpressionEvaluator evaluator{&kSymbols, &location};
  std::int32_t value = 0;
  EXPECT_FALSE(evaluator.evaluateTerm(nested("~", 100000, "0"), value));
}

}  // namespace
}  // namespace qv
