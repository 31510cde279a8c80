#pragma once

#include <string>
#include <vector>

#include "assembler/encoded_line.h"
#include "assembler/symbol_record.h"
#include "common/message_list.h"
#include "common/message_place.h"
#include "preprocess/source_line.h"

namespace qv {

// Everything one compile produced; a plain value owned by the caller.
struct CompileResult {
  std::string sourcePath;
  SourceStore sourceStore;  // what lines and emitted view
  std::vector<SourceLine> lines;
  std::vector<SymbolRecord> symbols;
  std::vector<SymbolCollision> collisions;
  std::vector<EncodedLine> emitted;
  std::string mapText;
  std::string listingText;
  std::string hexText;
  std::string symbolText;
  std::vector<std::string> messages;
  // messagePlaces[i] is where messages[i] is about and messageKinds[i] what
  // its reporter called it; all three always have the same length.
  std::vector<MessagePlace> messagePlaces;
  std::vector<MessageKind> messageKinds;
  // The files the outputs are for, HEX, MAP, LST and SYM, also when none
  // is written (No Write); none when the compile failed before writing.
  std::vector<std::string> outputFiles;
  std::vector<std::string> writtenFiles;
  bool failed = false;
};

// The kind of messages[index]; a hand-made result without kinds holds warnings.
MessageKind messageKind(const CompileResult& result, std::size_t index);

// True when the message begins with "ERROR:", letter case ignored.
bool isFatalMessage(const std::string& message);

}  // namespace qv
