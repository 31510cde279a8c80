// Reading images back on any input: whatever the disassembler accepts must
// assemble to the same bytes again. Input that begins with ':' is HEX text;
// any other input is the bytes of an image, written as the HEX writer
// writes them, whose text must come back exactly.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compile/compiler.h"
#include "disassembler/disassembler.h"
#include "disassembler/intel_hex_reader.h"
#include "fuzz_failure.h"
#include "fuzz_workspace.h"
#include "compile/carried_include_provider.h"
#include "output/hex_writer.h"

namespace {

std::string hexTextOf(std::string_view bytes) {
  qv::EncodedLine image;
  image.bytes = qv::ImageBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  return qv::makeHexText({image}, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::fuzz::emptyWorkspace();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const bool hexInput = !input.empty() && input[0] == ':';
  const std::string hexText = hexInput ? std::string(input) : hexTextOf(input);

  const std::string& folder = qv::fuzz::workspaceFolder();
  const qv::DisassemblyRequest request{folder + "/song.HEX", "", folder + "/back.asm"};
  const qv::Disassembly disassembly = qv::disassembleHexText(hexText, std::nullopt, request);
  if (disassembly.failure != qv::DisassemblyFailure::None) {
    if (!hexInput) qv::fuzz::failRun("the writer's own text refused", disassembly.messages.front());
    return 0;
  }
  if (!hexInput && !disassembly.messages.empty()) qv::fuzz::failRun("a note on the writer's own text", hexText);

  const std::string sourcePath = qv::fuzz::writeWorkspaceFile("back.asm", disassembly.sourceText);
  qv::Compiler compiler;
  compiler.setBuiltInIncludeProvider(qv::carriedIncludeProvider);
  const qv::CompileResult rebuilt = compiler.compile(sourcePath, qv::makeCompileRequest("_F", "", false, false));
  if (qv::readIntelHex(rebuilt.hexText).bytes != qv::readIntelHex(hexText).bytes) {
    qv::fuzz::failRun("other bytes rebuilt from", disassembly.sourceText);
  }
  if (disassembly.messages.empty() && rebuilt.hexText != hexText)
    qv::fuzz::failRun("another HEX text without a note", hexText);
  return 0;
}
