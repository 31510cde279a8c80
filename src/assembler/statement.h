#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/expression_evaluator.h"

namespace qv {

// Views into the statement text, which must outlive them. The first kHeld
// are kept in the list itself: no command takes more, so only a long DB
// list goes to the heap, and splitting a statement allocates nothing.
class OperandList {
 public:
  static constexpr std::size_t kHeld = 6;

  OperandList() = default;
  OperandList(std::initializer_list<std::string_view> operands) {
    for (std::string_view operand : operands) push_back(operand);
  }

  void push_back(std::string_view operand) {
    if (size_ < kHeld) {
      held_[size_++] = operand;
      return;
    }
    if (spilled_.empty()) spilled_.assign(held_.begin(), held_.end());
    spilled_.push_back(operand);
    ++size_;
  }

  const std::string_view* begin() const { return size_ > kHeld ? spilled_.data() : held_.data(); }
  const std::string_view* end() const { return begin() + size_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view operator[](std::size_t index) const { return begin()[index]; }
  std::string_view front() const { return begin()[0]; }

  friend bool operator==(const OperandList& a, const OperandList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  std::array<std::string_view, kHeld> held_{};
  std::vector<std::string_view> spilled_;
  std::size_t size_ = 0;
};

struct StatementParts {
  std::string mnemonic;  // upper-cased; empty when the statement has no token
  OperandList operands;
};

// Mnemonic and operands: comma-separated when the operand text holds a
// comma (empty pieces dropped), else white-space separated.
StatementParts splitStatement(std::string_view statement);

// The text's value: evaluated, else read as a plain number; nothing when
// neither works.
std::optional<std::int32_t> valueOf(std::string_view text, const ExpressionEvaluator& evaluator);

// valueOf, or 0 when the text has no value.
std::int32_t valueOrZero(std::string_view text, const ExpressionEvaluator& evaluator);

}  // namespace qv
