#include "harness/harness.h"

#include <cstdio>

#include "compile/compiler.h"
#include "compile/output_paths.h"
#include "compile/carried_include_provider.h"
#include "harness/console_diagnostics.h"
#include "harness/disassemble_command.h"
#include "harness/harness_options.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace qv {

namespace {

const char kVersion[] = "quaverton 1.2a (30 September 2026)\n";

const char kUsage[] =
    "Usage: quaverton --harness [options] SOURCE.asm\n"
    "       quaverton --harness [options] --suffix \"\" SOURCE.asm SUFFIX\n"
    "       quaverton --disassemble IMAGE.HEX [--map IMAGE.MAP] [--out SOURCE.asm] [--force] [--quiet]\n"
    "Compiles SOURCE.asm headless into SOURCE_SUFFIX.HEX, .MAP, .LST and .SYM.\n"
    "  --suffix TEXT        output name suffix (default _Z)\n"
    "  --out-dir FOLDER     write the outputs into FOLDER\n"
    "  --no-write           compile without writing output files\n"
    "  --include-inactive   list the lines IF/ELSE switch off in the .LST, marked (off)\n"
    "  --quiet              print no errors or warnings\n"
    "  --werror             fail a compile that gives warnings\n"
    "  --version            print the version and exit\n"
    "  --disassemble IMAGE  write a source that compiles to IMAGE's bytes again\n"
    "  --map FILE           name the source's wave handles from the handle map FILE\n"
    "  --out FILE           write the source to FILE (default: IMAGE with .asm)\n"
    "  --force              replace that file when it exists\n"
    "Errors and warnings go to standard error as FILE:LINE: error: TEXT\n"
    "or FILE:LINE: warning: TEXT.\n"
    "Exit codes: 0 compiled, 1 usage, 2 source not readable, 3 compile failed;\n"
    "with --disassemble: 0 written, 1 usage or the file exists, 2 image not\n"
    "readable, 3 not an image it can read back.\n";

std::string harnessLogText(const std::string& logPath, const HarnessOptions& options, const CompileResult& result) {
  std::string text = "LogPath: " + logPath + "\r\n";
  text += result.failed ? "Compile failed\r\n" : "Compile complete\r\n";
  text += "Source: " + options.source + "\r\n";
  text += "Suffix: " + options.suffix + "\r\n";
  // Each message as a C string: one holding a NUL byte ends there.
  for (const std::string& message : result.messages) text.append(message.c_str()).append("\r\n");
  return text;
}

// All or nothing, as the outputs are; a log that cannot be written beside
// the source goes to the fallback path.
void writeHarnessLog(const std::string& logPath, const HarnessOptions& options, const CompileResult& result) {
  std::string text = harnessLogText(logPath, options, result);
  if (!writeWholeFile(logPath, text).written) writeWholeFile(fallbackHarnessLogPath(), text);
}

// Why the command line is refused, said before the usage; empty for a plain
// request for help.
std::string usageReason(const HarnessOptions& options) {
  if (!options.usageProblem.empty()) return options.usageProblem;
  if (options.helpOrUsageError) return {};
  if (!options.disassembleRequested) return "no source given";
  if (options.image.empty()) return "no image given";
  return "a disassembly takes no source: " + options.source;
}

}  // namespace

std::string fallbackHarnessLogPath() { return temporaryFolder() + "Quaverton_Harness.HARNESS_LOG"; }

HarnessOutcome runHarness(const std::vector<std::string>& arguments) {
  HarnessOptions options = parseHarnessArguments(arguments);
  HarnessOutcome outcome;
  if (!options.harnessRequested) {
    outcome.windowSource = options.source;
    return outcome;
  }
  outcome.requested = true;
  if (!options.helpOrUsageError && options.versionRequested) {
    std::fputs(kVersion, stdout);
    outcome.exitCode = kExitSuccess;
    return outcome;
  }
  // A disassembly reads an image, not a source.
  const bool usageError = options.helpOrUsageError || (options.disassembleRequested
                                                           ? options.image.empty() || !options.source.empty()
                                                           : options.source.empty());
  if (usageError) {
    if (std::string reason = usageReason(options); !reason.empty()) {
      std::fprintf(stderr, "quaverton: %s\n", reason.c_str());
    }
    std::fputs(kUsage, stderr);
    outcome.exitCode = kExitUsage;
    return outcome;
  }
  if (options.disassembleRequested) {
    outcome.exitCode = runDisassembleCommand(options);
    return outcome;
  }
  bool folder = folderExists(options.source);
  if (folder || !isReadable(options.source)) {
    if (!options.quiet) {
      std::fprintf(stderr, "quaverton: cannot read %s%s\n", options.source.c_str(), folder ? ": is a folder" : "");
    }
    outcome.exitCode = kExitUnreadableSource;
    return outcome;
  }

  CompileRequest request =
      makeCompileRequest(options.suffix, options.outputFolder, options.writeOutputs, options.includeInactive);
  request.keepTexts = false;
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  CompileResult result = compiler.compile(options.source, request);
  // Failed after the files were written, as a compile whose messages hold
  // an "ERROR:" is.
  if (options.warningsAreErrors && hasWarnings(result)) result.failed = true;
  if (!options.quiet) printDiagnostics(stderr, result);

  std::string logPath = cutExtension(options.source, true) + options.suffix + ".HARNESS_LOG";
  writeHarnessLog(logPath, options, result);
  outcome.exitCode = result.failed ? kExitCompileFailed : kExitSuccess;
  return outcome;
}

}  // namespace qv
