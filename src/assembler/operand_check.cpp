#include "assembler/operand_check.h"

#include <array>
#include <string>
#include <vector>

#include "assembler/line_classification.h"
#include "assembler/statement.h"
#include "common/message_list.h"
#include "common/warnings.h"

namespace qv {

namespace {

using F = OperandField;
using R = FieldRange;

constexpr F any(std::string_view name) { return {name, R::Any}; }
constexpr F lowBits(std::string_view name, int bits) { return {name, R::LowBits, 0, (1 << bits) - 1}; }
constexpr F byte(std::string_view name) { return {name, R::Byte, -128, 255}; }
constexpr F byteOrZero(std::string_view name) { return {name, R::ByteOrZero, 0, 255}; }
constexpr F shared(std::string_view name, std::uint32_t bits) {
  F field{name, R::Shared};
  field.bits = bits;
  return field;
}
// A trigger number fills its byte, but the decoder knows only 0 to 127.
constexpr F triggerNumber() { return {"trigger", R::Byte, 0, 127}; }

constexpr F named(F field, NamePart first, NamePart second = {}) {
  field.names = {first, second};
  return field;
}

constexpr NamePart trigger{"TRIG_", 0xFF};

constexpr std::array<F, 1> schemeStartFields{lowBits("number", 5)};
constexpr std::array<F, 1> versionFields{named(byteOrZero("version"), {"VERSION_", 0xFF})};
constexpr std::array<F, 1> channelFields{byteOrZero("channel")};
constexpr std::array<F, 2> initiateFields{named(shared("trigger", 0x7F), trigger),
                                          named(any("preempt"), {"PRI_", 0x07}, {"PREEMPT_", 0x80})};
constexpr std::array<F, 1> branchFields{any("target")};
constexpr std::array<F, 3> delayFields{named(shared("mode", 0x80), {"DELAY_FIXED DELAY_RANDOM", 0x80}),
                                       lowBits("ticks", 7),
                                       named(lowBits("scope", 1), {"DELAY_CHANNEL DELAY_GLOBAL", 0x01})};
constexpr std::array<F, 2> skipFields{named(lowBits("logic", 2), {"SKIP_IF_", 0x03}), named(triggerNumber(), trigger)};
constexpr std::array<F, 1> generateFields{named(triggerNumber(), trigger)};
// A break is a loop mode in its low two bits plus break flags.
constexpr std::array<F, 3> playFields{F{"handle", R::Handle, 0, 255},
                                      named(lowBits("break", 5), {"BRK_", 0x03}, {"BRK_", 0x1C, true}),
                                      named(shared("flags", 0x38), {"PLAYF_", 0xFF, true})};
constexpr std::array<F, 4> modifierFields{named(lowBits("type", 4), {"MOD_", 0x0F}), byte("arg1"), byte("arg2"),
                                          byte("arg3")};
constexpr std::array<F, 5> maskCompareFields{named(byte("source"), {"SRC_", 0xFF}),
                                             named(any("immediate"), {"CMP_", 0x04}), byte("target"), byte("mask"),
                                             shared("skip", 0x03)};

// What the encodings keep of a value the field cannot hold.
std::int64_t storedValue(const OperandField& field, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  switch (field.range) {
    case R::LowBits: return bits & static_cast<std::uint32_t>(field.highest);
    case R::Byte: return bits & 0xFF;
    case R::ByteOrZero: return 0;
    case R::Handle: return isLongPlay(value) ? bits & 0xFF : bits & 0x3F;
    case R::Shared:
    case R::Any: break;
  }
  return value;
}

std::string joined(std::string_view subject, std::string_view what) {
  std::string text(subject);
  text += ' ';
  text += what;
  return text;
}

void reportUnevaluable(MessageList& messages, const SourceLine& line, std::string_view subject, std::string_view what,
                       std::string_view text) {
  messages.warn(warning::unevaluable(placeOf(line), joined(subject, what), text, isIdentifier(text)));
}

}  // namespace

std::span<const OperandField> operandFieldsOf(Command command) {
  switch (command) {
    case Command::SkemeStart: return schemeStartFields;
    case Command::SdlVersion: return versionFields;
    case Command::ChannelStart: return channelFields;
    case Command::InitiateSound: return initiateFields;
    case Command::BranchTo:
    case Command::BranchTo16:
    case Command::XgotoSnd: return branchFields;
    case Command::DelaySound: return delayFields;
    case Command::SkipOnTrigger: return skipFields;
    case Command::GenerateTrigger: return generateFields;
    case Command::Play: return playFields;
    case Command::LoadModifier: return modifierFields;
    case Command::MaskCompare: return maskCompareFields;
    case Command::EndSound:
    case Command::ChannelEnd:
    case Command::Db:
    case Command::SchemeClose:
    case Command::None: break;
  }
  return {};
}

bool fieldHolds(const OperandField& field, std::int32_t value) {
  if (field.range == R::Shared) return (static_cast<std::uint32_t>(value) & ~field.bits) == 0;
  return value >= field.lowest && value <= field.highest;
}

std::int32_t reportedValue(MessageList& messages, const SourceLine& line, std::string_view subject,
                           std::string_view what, std::string_view text, const ExpressionEvaluator& evaluator) {
  if (std::optional<std::int32_t> value = valueOf(text, evaluator)) return *value;
  reportUnevaluable(messages, line, subject, what, text);
  return 0;
}

void reportUnevaluableOperand(MessageList& messages, const SourceLine& line, Command command, const OperandField& field,
                              std::string_view text) {
  reportUnevaluable(messages, line, commandKeyword(command), field.name, text);
}

void reportOutOfRange(MessageList& messages, const SourceLine& line, Command command, const OperandField& field,
                      std::int32_t value) {
  messages.warn(warning::outOfRange(placeOf(line), joined(commandKeyword(command), field.name), value, field.lowest,
                                    field.highest, storedValue(field, value)));
}

void reportMissingOperands(MessageList& messages, const SourceLine& line, Command command, std::size_t given) {
  std::span<const OperandField> fields = operandFieldsOf(command);
  std::vector<std::string_view> missing;
  for (std::size_t i = given; i < fields.size(); ++i) missing.push_back(fields[i].name);
  messages.warn(warning::missingOperands(placeOf(line), commandKeyword(command), missing));
}

}  // namespace qv
