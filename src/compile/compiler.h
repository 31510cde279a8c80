#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assembler/encoded_line.h"
#include "assembler/symbol_table.h"
#include "common/built_in_include_provider.h"
#include "common/compile_request.h"
#include "compile/compile_result.h"
#include "preprocess/preprocessor.h"

namespace qv {

// A PLAY statement as the harvest pass sized it.
struct SizedPlay {
  std::size_t line;         // index in the line list
  std::size_t handleBegin;  // where its handle operand lies in the line's code
  std::size_t handleLength;
  std::uint32_t address;
  std::uint32_t size;
};

// Runs one compile and holds the state its passes share. Make a fresh one
// for every compile; compile() clears it anyway, so reuse is harmless.
class Compiler {
 public:
  void setBuiltInIncludeProvider(BuiltInIncludeProvider provider);

  CompileResult compile(const std::string& sourcePath, const CompileRequest& request);

  Preprocessor preprocessor;

  // Adds a message about the given place (none by default).
  void report(std::string message, MessagePlace place = {});

  // Symbol table members.
  std::vector<std::string> messages;
  // Where each message is about, index for index.
  std::vector<MessagePlace> messagePlaces;
  std::vector<SymbolCollision> collisions;
  SymbolTable symbolTable;

  std::vector<EncodedLine> emitted;

  // Pass state.
  std::uint32_t currentAddress = 0;
  std::uint32_t schemeBase = 0;

  // Address the harvest pass gave each labelled line, in line order; the
  // label relocation step compares against it.
  std::vector<std::uint32_t> labelAddresses;
  // Every PLAY the harvest pass sized, in line order: the only statements
  // whose size can change once the values are settled.
  std::vector<SizedPlay> harvestedPlays;
  // Definition lines whose value did not evaluate when the harvest met them;
  // most name a later constant and are settled afterwards.
  std::vector<std::size_t> unevaluatedDefinitions;

 private:
  void reset();
};

}  // namespace qv
