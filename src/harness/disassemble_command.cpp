#include "harness/disassemble_command.h"

#include <cstdio>

#include "compile/output_paths.h"
#include "disassembler/disassembler.h"
#include "harness/harness.h"
#include "platform/files.h"

namespace qv {

int runDisassembleCommand(const HarnessOptions& options) {
  DisassemblyRequest request;
  request.imagePath = options.image;
  request.mapPath = options.mapPath;
  request.sourcePath =
      options.disassemblyPath.empty() ? cutExtension(options.image, true) + ".asm" : options.disassemblyPath;
  auto say = [&options](const std::string& line) {
    if (!options.quiet) std::fprintf(stderr, "%s\n", line.c_str());
  };

  Disassembly disassembly = disassembleImage(request);
  for (const std::string& message : disassembly.messages) say(message);
  switch (disassembly.failure) {
    case DisassemblyFailure::Unreadable:
      return kExitUnreadableSource;
    case DisassemblyFailure::NotAnImage:
      return kExitCompileFailed;
    case DisassemblyFailure::None:
      break;
  }
  if (!options.force && pathExists(request.sourcePath)) {
    say("quaverton: " + request.sourcePath + " exists; use --out or --force");
    return kExitUsage;
  }
  FileWrite write = writeWholeFile(request.sourcePath, disassembly.sourceText);
  if (!write.written) {
    say("quaverton: cannot write " + request.sourcePath + (write.failure.empty() ? "" : ": " + write.failure));
    return kExitCompileFailed;
  }
  return kExitSuccess;
}

}  // namespace qv
