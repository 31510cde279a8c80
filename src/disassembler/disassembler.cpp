#include "disassembler/disassembler.h"

#include <span>

#include "disassembler/handle_names.h"
#include "disassembler/intel_hex_reader.h"
#include "disassembler/scheme_labels.h"
#include "disassembler/scheme_layout.h"
#include "disassembler/source_writer.h"
#include "disassembler/standard_names.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "preprocess/include_resolver.h"
#include "common/text.h"

namespace qv {

namespace {

// The HEX text of a 16 MiB image in 16-byte records takes 47 MiB.
constexpr std::size_t kLargestHexText = std::size_t{64} << 20;
constexpr std::size_t kLargestMap = std::size_t{1} << 20;
constexpr std::size_t kLargestDefinitions = std::size_t{4} << 20;
constexpr std::string_view kDefinitionsInclude = "\"QVX5_SND_CMD.INC\"";

std::string located(const std::string& file, int line, std::string_view kind, std::string_view text) {
  std::string message = file;
  if (line > 0) message += ":" + std::to_string(line);
  message += ": ";
  message += kind;
  message += ": ";
  message += text;
  return message;
}

Disassembly failed(DisassemblyFailure failure, std::string message) {
  Disassembly result;
  result.failure = failure;
  result.messages.push_back(std::move(message));
  return result;
}

// The definitions the source's INCLUDE will find: a file beside it first,
// else the carried copy, so that every name it writes has the value the
// assembler will give it.
std::vector<Definition> definitionsFor(const std::string& sourcePath) {
  SourceLine includeLine;
  includeLine.file = sourcePath;
  PreprocessResult ignored;
  std::optional<SourceRef> found = resolveInclude(SourceRef{sourcePath, {}}, kDefinitionsInclude, includeLine,
                                                  directoryOf(sourcePath), true, ignored);
  std::string text;
  if (found && found->carriedName.empty()) {
    if (!readWholeFile(found->path, text, kLargestDefinitions)) text.clear();
  } else {
    std::string_view carried;
    if (findRawResource(kCarriedDefinitionsResource, carried)) text = carried;
  }
  return readDefinitions(text);
}

std::string differencesText(const HexTextDifferences& differences) {
  std::vector<std::string_view> aspects;
  if (differences.recordLengths) aspects.push_back("record lengths");
  if (differences.addressRecords) aspects.push_back("extended address records");
  if (differences.endRecord) aspects.push_back("the end record");
  if (differences.lineEnds) aspects.push_back("line ends");
  if (differences.letterCase) aspects.push_back("letter case");
  return joinedList(aspects);
}

}  // namespace

Disassembly disassembleHexText(std::string_view hexText, const std::optional<std::string_view>& mapText,
                               const DisassemblyRequest& request) {
  HexImage image = readIntelHex(hexText);
  if (!image.error.empty()) {
    return failed(DisassemblyFailure::NotAnImage, located(request.imagePath, image.errorLine, "error", image.error));
  }
  HandleMapText map;
  if (mapText) {
    map = readHandleMap(*mapText);
    if (!map.error.empty()) {
      return failed(DisassemblyFailure::NotAnImage, located(request.mapPath, map.errorLine, "error", map.error));
    }
  }

  const std::span<const std::uint8_t> bytes(image.bytes);
  const ImageLayout layout = layOutImage(bytes);
  const SchemeLabels labels(bytes, layout);
  const StandardNames names(definitionsFor(request.sourcePath));
  const HandleNames handles(map.handles, playedHandles(bytes, layout));
  const SourceFileNames files{fileNameOf(request.sourcePath), fileNameOf(request.imagePath),
                              mapText ? fileNameOf(request.mapPath) : std::string()};
  Disassembly result;
  result.sourceText = writeSource(bytes, layout, labels, names, handles, files);
  if (image.differences.any()) {
    result.messages.push_back(located(request.imagePath, 0, "note",
                                      "assembled, " + files.source +
                                          " gives the same bytes, but its HEX text differs in " +
                                          differencesText(image.differences)));
  }
  return result;
}

Disassembly disassembleImage(const DisassemblyRequest& request) {
  std::string hexText;
  if (!readWholeFile(request.imagePath, hexText, kLargestHexText + 1)) {
    return failed(DisassemblyFailure::Unreadable, located(request.imagePath, 0, "error", "cannot read the file"));
  }
  if (hexText.size() > kLargestHexText) {
    return failed(DisassemblyFailure::NotAnImage,
                  located(request.imagePath, 0, "error", "larger than 64 MiB: too large for the HEX text of an image"));
  }
  std::optional<std::string> mapText;
  if (!request.mapPath.empty()) {
    mapText.emplace();
    if (!readWholeFile(request.mapPath, *mapText, kLargestMap + 1)) {
      return failed(DisassemblyFailure::Unreadable, located(request.mapPath, 0, "error", "cannot read the file"));
    }
    if (mapText->size() > kLargestMap) {
      return failed(DisassemblyFailure::NotAnImage,
                    located(request.mapPath, 0, "error", "larger than 1 MiB: too large for a handle map"));
    }
  }
  return disassembleHexText(hexText, mapText ? std::optional<std::string_view>(*mapText) : std::nullopt, request);
}

}  // namespace qv
