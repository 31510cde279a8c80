#pragma once
// What the assembler passes share over one compile: the symbols, the image
// they build, where they are in it, and the list they report to.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assembler/command_set.h"
#include "assembler/encoded_line.h"
#include "assembler/symbol_table.h"
#include "common/message_list.h"

namespace qv {

// A PLAY statement as the harvest pass sized it.
struct SizedPlay {
  std::size_t line;         // index in the line list
  std::size_t handleBegin;  // where its handle operand lies in the line's code
  std::size_t handleLength;
  std::uint32_t address;
  std::uint32_t size;
};

// An instruction line as the harvest pass split it, kept so that the encode
// pass classifies no line again: its label and statement as offsets into
// the line's code, and the statement's command.
struct PlacedStatement {
  std::uint32_t line;  // index in the line list
  std::uint32_t labelBegin;
  std::uint32_t labelLength;  // 0: no label
  std::uint32_t statementBegin;
  std::uint32_t statementLength;
  Command command;
};

struct Assembly {
  // Empties everything and starts again at address 0.
  void reset();

  MessageList messages;
  std::vector<SymbolCollision> collisions;
  SymbolTable symbolTable;
  std::vector<EncodedLine> emitted;

  std::uint32_t currentAddress = 0;
  std::uint32_t schemeBase = 0;

  // Address the harvest pass gave each labelled line, in line order; the
  // label relocation step compares against it.
  std::vector<std::uint32_t> labelAddresses;
  // Every PLAY the harvest pass sized, in line order: the only statements
  // whose size can change once the values are settled.
  std::vector<SizedPlay> harvestedPlays;
  // Every instruction line the harvest pass met, in line order; the encode
  // pass lets them go once it has encoded them.
  std::vector<PlacedStatement> placedStatements;
  // Definition lines whose value did not evaluate when the harvest met them;
  // most name a later constant and are settled afterwards.
  std::vector<std::size_t> unevaluatedDefinitions;
};

}  // namespace qv
