#pragma once
// The operands each command takes and the values their fields can hold. The
// encoder reads every operand through here once, so that a missing,
// unevaluable or out-of-range operand is reported where it is read. The
// bytes stay what the encodings make of the value: a warning changes none.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "assembler/command_set.h"
#include "assembler/statement.h"
#include "preprocess/expression_evaluator.h"
#include "preprocess/source_line.h"

namespace qv {

class MessageList;

enum class FieldRange {
  Any,         // every value means something (targets, modes, flag sums)
  LowBits,     // 0 .. highest, a power of two less one; the low bits are stored
  Byte,        // -128 .. 255; the low byte is stored
  ByteOrZero,  // 0 .. 255; anything else stores 0
  Handle,      // 0 .. 255; the short form keeps 6 bits, the long one 8
  Shared,      // added uncut into a byte with other fields: checked against
               // the bytes made (shared_byte_check.h)
};

// One part of a value written with the definitions' standard names: the
// value's bits under mask, as one name of the members, or (sum) as a sum of
// distinct ones. Members are blank-separated: prefixes ending in "_", or
// whole names.
struct NamePart {
  std::string_view members;
  std::uint32_t mask = 0;
  bool sum = false;
};

struct OperandField {
  std::string_view name;
  FieldRange range = FieldRange::Any;
  std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  std::int32_t highest = std::numeric_limits<std::int32_t>::max();
  // The names a value is written with, its parts added up; none: a number.
  std::array<NamePart, 2> names{};
  std::uint32_t bits = 0;  // Shared: the bits of its byte the operand fills
};

// Whether field holds value, so that it assembles without a warning.
bool fieldHolds(const OperandField& field, std::int32_t value);

// The operands of command, in source order; DB's are dbValueField each.
std::span<const OperandField> operandFieldsOf(Command command);
inline constexpr OperandField dbValueField{"byte", FieldRange::Byte, -128, 255};

// The text's value (valueOf); 0 with a warning about line naming subject,
// what and the text when it has none.
std::int32_t reportedValue(MessageList& messages, const SourceLine& line, std::string_view subject,
                           std::string_view what, std::string_view text, const ExpressionEvaluator& evaluator);

void reportUnevaluableOperand(MessageList& messages, const SourceLine& line, Command command, const OperandField& field,
                              std::string_view text);
void reportOutOfRange(MessageList& messages, const SourceLine& line, Command command, const OperandField& field,
                      std::int32_t value);
// Reports the operands command takes beyond the given count.
void reportMissingOperands(MessageList& messages, const SourceLine& line, Command command, std::size_t given);

// reportedValue of an operand of command, also reported when its field cannot
// hold the value. Inline: every operand of a source passes here.
inline std::int32_t checkedOperand(MessageList& messages, const SourceLine& line, Command command,
                                   const OperandField& field, std::string_view text,
                                   const ExpressionEvaluator& evaluator) {
  std::optional<std::int32_t> value = valueOf(text, evaluator);
  if (!value) {
    reportUnevaluableOperand(messages, line, command, field, text);
    return 0;
  }
  if (*value < field.lowest || *value > field.highest) reportOutOfRange(messages, line, command, field, *value);
  return *value;
}

}  // namespace qv
