#include "harness/harness.h"

#include <cstdio>

#include "compile/compiler.h"
#include "compile/output_paths.h"
#include "compile/carried_include_provider.h"
#include "harness/console_diagnostics.h"
#include "harness/harness_options.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace qv {

namespace {

const char kVersion[] = "quaverton 1.2a (30 September 2026)\n";

const char kUsage[] =
    "Usage: quaverton --harness [options] SOURCE.asm\n"
    "       quaverton --harness [options] --suffix \"\" SOURCE.asm SUFFIX\n"
    "Compiles SOURCE.asm headless into SOURCE_SUFFIX.HEX, .MAP, .LST and .SYM.\n"
    "  --suffix TEXT        output name suffix (default _Z)\n"
    "  --out-dir FOLDER     write the outputs into FOLDER\n"
    "  --no-write           compile without writing output files\n"
    "  --include-inactive   list the lines IF/ELSE switch off in the .LST, marked (off)\n"
    "  --quiet              print no errors or warnings\n"
    "  --werror             fail a compile that gives warnings\n"
    "  --version            print the version and exit\n"
    "Errors and warnings go to standard error as FILE:LINE: error: TEXT\n"
    "or FILE:LINE: warning: TEXT.\n"
    "Exit codes: 0 compiled, 1 usage, 2 source not readable, 3 compile failed.\n";

std::FILE* openLog(const std::string& path) { return openFile(path, "wb"); }

void writeHarnessLog(const std::string& logPath, const HarnessOptions& options, const CompileResult& result) {
  std::FILE* log = openLog(logPath);
  if (log == nullptr) log = openLog(fallbackHarnessLogPath());
  if (log == nullptr) return;
  std::fprintf(log, "LogPath: %s\r\n", logPath.c_str());
  std::fprintf(log, "%s\r\n", result.failed ? "Compile failed" : "Compile complete");
  std::fprintf(log, "Source: %s\r\n", options.source.c_str());
  std::fprintf(log, "Suffix: %s\r\n", options.suffix.c_str());
  // Each message as a C string: one holding a NUL byte ends there.
  for (const std::string& message : result.messages) {
    std::fputs(message.c_str(), log);
    std::fputs("\r\n", log);
  }
  std::fclose(log);
}

}  // namespace

std::string fallbackHarnessLogPath() { return temporaryFolder() + "Quaverton_Harness.HARNESS_LOG"; }

HarnessOutcome runHarness(const std::vector<std::string>& arguments) {
  HarnessOptions options = parseHarnessArguments(arguments);
  HarnessOutcome outcome;
  if (!options.harnessRequested) return outcome;
  outcome.requested = true;
  if (!options.helpOrUsageError && options.versionRequested) {
    std::fputs(kVersion, stdout);
    outcome.exitCode = kExitSuccess;
    return outcome;
  }
  if (options.helpOrUsageError || options.source.empty()) {
    if (!options.usageProblem.empty()) {
      std::fprintf(stderr, "quaverton: %s\n", options.usageProblem.c_str());
    } else if (!options.helpOrUsageError) {
      std::fputs("quaverton: no source given\n", stderr);
    }
    std::fputs(kUsage, stderr);
    outcome.exitCode = kExitUsage;
    return outcome;
  }
  if (!isReadable(options.source)) {
    if (!options.quiet) std::fprintf(stderr, "quaverton: cannot read %s\n", options.source.c_str());
    outcome.exitCode = kExitUnreadableSource;
    return outcome;
  }

  CompileRequest request =
      makeCompileRequest(options.suffix, options.outputFolder, options.writeOutputs, options.includeInactive);
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
