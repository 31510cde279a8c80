#include "compile/compiler.h"

#include <algorithm>
#include <utility>

#include "assembler/encode_pass.h"
#include "assembler/handle_map.h"
#include "assembler/harvest_pass.h"
#include "assembler/label_relocation.h"
#include "compile/output_paths.h"
#include "output/hex_writer.h"
#include "output/listing.h"
#include "output/output_file.h"
#include "output/symbol_file.h"

namespace qv {

namespace {

// Moves the messages over: a large source's warnings are not held twice.
void addMessages(CompileResult& result, MessageList& messages) {
  std::vector<Message> taken = messages.take();
  for (Message& message : taken) {
    result.messages.push_back(std::move(message.text));
    result.messagePlaces.push_back(std::move(message.place));
    result.messageKinds.push_back(message.kind);
  }
}

// An output file's failure, which has no place in the source.
void addWriteFailure(CompileResult& result, std::string message) {
  result.failed = true;
  result.messages.push_back(std::move(message));
  result.messagePlaces.emplace_back();
  result.messageKinds.push_back(MessageKind::Error);
}

// Writes one of the text outputs; on failure marks the result failed.
void writeTextOutput(CompileResult& result, const std::string& path, const std::string& text,
                     const char* openFailure) {
  std::string failure;
  if (writeOutputFile(path, text, openFailure, failure)) {
    result.writtenFiles.push_back(path);
  } else {
    addWriteFailure(result, std::move(failure));
  }
}

// One output after the other: made, written when it is to be, and kept in
// the result or let go before the next is made.
class OutputTexts {
 public:
  OutputTexts(CompileResult& result, const CompileRequest& request)
      : result_(result), write_(request.writeOutputs && !result.failed), keep_(request.keepTexts) {}

  void add(std::string& kept, std::string text, std::size_t file, const char* openFailure) {
    if (write_) writeTextOutput(result_, result_.outputFiles[file], text, openFailure);
    if (keep_) kept = std::move(text);
  }

 private:
  CompileResult& result_;
  const bool write_;
  const bool keep_;
};

}  // namespace

void Compiler::setBuiltInIncludeProvider(BuiltInIncludeProvider provider) {
  preprocessor.builtInIncludeProvider = std::move(provider);
}

CompileResult Compiler::compile(const std::string& sourcePath, const CompileRequest& request) {
  CompileResult result;
  result.sourcePath = sourcePath;
  assembly.reset();

  PreprocessResult preprocessed = preprocessor.preprocess(sourcePath, request.includeInactive);
  result.failed = !preprocessed.errors.empty();
  addMessages(result, preprocessed.notes);
  addMessages(result, preprocessed.errors);

  const std::vector<SourceLine>& lines = preprocessed.lines;
  if (!result.failed) {
    if (request.progressCallback != nullptr) {
      request.progressCallback(request.progressContext, 0, static_cast<std::uint32_t>(2 * lines.size()), "Start");
    }
    HarvestPass(assembly, lines, request);
    SettleValues(assembly);
    relocateLabels(assembly, lines);
    warnUnevaluatedDefinitions(assembly, lines);
    assembly.emitted = EncodePass(assembly, lines, request);
    assembly.symbolTable.releaseIndex();
  }

  addMessages(result, assembly.messages);
  result.collisions = assembly.collisions;

  std::string outputBase = outputBaseFor(sourcePath, request.outputDir);
  if (!result.failed) {
    std::string base = outputBase + effectiveSuffix(request.suffix);
    result.outputFiles = {base + ".HEX", base + ".MAP", base + ".LST", base + ".SYM"};
  }
  OutputTexts outputs(result, request);
  outputs.add(result.hexText, makeHexText(assembly.emitted, 0), 0, "Unable to open output HEX file: ");
  outputs.add(result.mapText, HandleMap(assembly.symbolTable), 1, "Unable to open map output file: ");
  outputs.add(result.listingText, makeListing(assembly.emitted, preprocessed.lines), 2,
              "Unable to open list output file: ");
  outputs.add(result.symbolText, makeSymbolFile(assembly.symbolTable.symbols()), 3,
              "Unable to open symbol output file: ");

  if (!result.failed) {
    result.failed = std::any_of(result.messages.begin(), result.messages.end(), isFatalMessage);
  }

  // The result takes over what the compiler no longer needs, instead of
  // copying it: large sources would otherwise hold every line twice.
  result.sourceStore = std::move(preprocessed.store);
  result.lines = std::move(preprocessed.lines);
  result.emitted = std::move(assembly.emitted);
  assembly.emitted.clear();
  result.symbols = assembly.symbolTable.takeRecords();
  return result;
}

}  // namespace qv
