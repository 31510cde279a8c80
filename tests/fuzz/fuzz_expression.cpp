// The expression evaluator alone, against a few symbols whose values sit at
// the edges of 32 bits, with "$" at an address of its own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/symbol_table.h"
#include "fuzz_failure.h"
#include "preprocess/expression_evaluator.h"

namespace {

const qv::SymbolTable& smallSymbolTable() {
  static const qv::SymbolTable table = [] {
    qv::SymbolTable made;
    const std::pair<const char*, std::int32_t> entries[] = {
        {"A", 0x1FF},          {"B", 1},           {"ZERO", 0},         {"MINUS_ONE", -1},
        {"MAX", INT32_MAX},    {"MIN", INT32_MIN}, {"VERSION_5", 0x50}, {"SCV2_VLTR_BAL", 77},
        {"HNDL_HORN", 0x10},   {"BEEFH", 3}};
    for (const auto& [name, value] : entries) {
      qv::SymbolRecord record;
      record.name = name;
      record.value = value;
      made.insert(record);
    }
    return made;
  }();
  return table;
}

std::int32_t location() { return 0x1234; }

// A failed evaluation must leave 0, whatever the text.
void checkZeroOnFailure(bool ok, std::int32_t value, std::string_view step, std::string_view text) {
  if (!ok && value != 0) qv::fuzz::failRun(step, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qv::ExpressionEvaluator evaluator{&smallSymbolTable(), location};
  std::int32_t value = 7;
  checkZeroOnFailure(evaluator.evaluate(text, value), value, "evaluate", text);
  value = 7;
  checkZeroOnFailure(evaluator.evaluateTerm(text, value), value, "evaluateTerm", text);
  value = 7;
  checkZeroOnFailure(qv::parseIntegerLiteral(text, value), value, "parseIntegerLiteral", text);
  const std::string stripped = qv::stripOuterParentheses(text);
  if (stripped.size() > text.size()) qv::fuzz::failRun("stripOuterParentheses grew the text", text);
  return 0;
}
