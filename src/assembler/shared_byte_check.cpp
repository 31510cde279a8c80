#include "assembler/shared_byte_check.h"

#include <array>
#include <bit>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/operand_check.h"
#include "common/message_list.h"
#include "common/text.h"
#include "common/warnings.h"
#include "output/hex_digits.h"

namespace qv {

namespace {

struct BitField {
  std::uint8_t bits = 0;
  std::string_view name;
};

struct SharedOperand {
  Command command;
  std::size_t size;       // of the command's form
  std::size_t operand;    // index in source order
  std::size_t byte;       // the byte it is added into
  std::uint32_t taken;    // the bits of the value the encoding adds in
  std::string_view part;  // what of the value reaches the other fields
  std::array<BitField, 3> fields;  // of that byte, its own named where a carry can reach it
};

constexpr std::uint32_t kWhole = 0xFFFFFFFF;

constexpr std::array<SharedOperand, 5> kSharedOperands{{
    {Command::InitiateSound, 2, 0, 1, kWhole, "its top bit", {{{0x80, "preempt bit"}}}},
    {Command::DelaySound, 2, 0, 1, kWhole, "it", {{{0x7F, "ticks"}, {0x80, "mode bit"}}}},
    {Command::Play, 2, 2, 0, kWhole, "it", {{{0x07, "break bits"}, {0x38, "flag bits"}, {0xC0, "command bits"}}}},
    {Command::Play, 4, 2, 2, kWhole, "it", {{{0x07, "break bits"}, {0x38, "flag bits"}, {0xC0, "top two bits"}}}},
    {Command::MaskCompare, 4, 4, 0, 0x07, "it", {{{0x04, "immediate bit"}, {0xF8, "command bits"}}}},
}};

// "is outside 0..127", "is neither 0 nor 128", "is not a sum of 8, 16 and 32".
std::string rangeOf(std::uint8_t own) {
  if (std::has_single_bit(static_cast<unsigned>(own) + 1)) return "is outside 0.." + std::to_string(own);
  if (std::has_single_bit(own)) return "is neither 0 nor " + std::to_string(own);
  std::vector<std::string> values;
  for (unsigned bit = 1; bit <= own; bit <<= 1) {
    if ((own & bit) != 0) values.push_back(std::to_string(bit));
  }
  return "is not a sum of " + joinedList({values.begin(), values.end()});
}

// "its top bit sets the preempt bit", "it changes the ticks and sets the
// mode bit", "it changes the break bits and the flag bits".
std::string effectOn(const SharedOperand& shared, std::uint8_t changed, std::uint8_t made) {
  std::string text(shared.part);
  std::string_view lastVerb;
  for (const BitField& field : shared.fields) {
    if ((field.bits & changed) == 0) continue;
    std::string_view verb = !std::has_single_bit(field.bits) ? "changes" : (made & field.bits) != 0 ? "sets" : "clears";
    text += lastVerb.empty() ? " " : " and ";
    if (verb != lastVerb) text += std::string(verb) + " ";
    text += "the " + std::string(field.name);
    lastVerb = verb;
  }
  return text;
}

std::string byteText(std::size_t index, std::uint8_t value) {
  static constexpr std::array<std::string_view, 4> kOrdinals{"first", "second", "third", "fourth"};
  std::string text(kOrdinals[index]);
  text += " byte ";
  appendHexByte(text, value);
  return text;
}

void check(MessageList& messages, const SourceLine& line, const SharedOperand& shared, std::int32_t value,
           std::uint8_t made) {
  const OperandField& field = operandFieldsOf(shared.command)[shared.operand];
  if (fieldHolds(field, value)) return;
  const auto own = static_cast<std::uint8_t>(field.bits);
  const std::uint32_t added = static_cast<std::uint32_t>(value) & shared.taken;
  const std::uint32_t meant = added & own;
  // The byte as it would be had the value kept to its own bits.
  const auto fitting = static_cast<std::uint8_t>(made - (added & 0xFF) + meant);
  const std::string what = std::string(commandKeyword(shared.command)) + " " + std::string(field.name);
  const MessagePlace place = placeOf(line);
  if (fitting == made) {
    messages.warn(warning::outOfRange(place, what, value, rangeOf(own), meant));
    return;
  }
  messages.warn(warning::reachesNeighbour(place, what, value, rangeOf(own),
                                          effectOn(shared, static_cast<std::uint8_t>(fitting ^ made), made),
                                          byteText(shared.byte, made)));
}

}  // namespace

void reportSharedByteOperands(MessageList& messages, const SourceLine& line, Command command,
                              std::span<const std::int32_t> values, std::span<const std::uint8_t> bytes) {
  for (const SharedOperand& shared : kSharedOperands) {
    if (shared.command != command || shared.size != bytes.size()) continue;
    check(messages, line, shared, values[shared.operand], bytes[shared.byte]);
  }
}

}  // namespace qv
