#include "harness/harness.h"

#include <cstdio>

#include "compile/compiler.h"
#include "compile/output_paths.h"
#include "harness/carried_include_provider.h"
#include "harness/harness_options.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace qv {

namespace {

const char kUsage[] =
    "Usage: quaverton --harness [options] SOURCE.asm [SUFFIX]\n"
    "Compiles SOURCE.asm headless into SOURCE_SUFFIX.HEX, .MAP, .LST and .SYM.\n"
    "  --suffix TEXT        output name suffix (default _Z)\n"
    "  --out-dir FOLDER     write the outputs into FOLDER\n"
    "  --no-write           compile without writing output files\n"
    "  --include-inactive   keep lines switched off by IF/ELSE/ENDIF\n"
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
  for (const std::string& message : result.messages) {
    std::fwrite(message.data(), 1, message.size(), log);
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
  if (options.helpOrUsageError || options.source.empty()) {
    std::fputs(kUsage, stderr);
    outcome.exitCode = kExitUsage;
    return outcome;
  }
  if (!isReadable(options.source)) {
    outcome.exitCode = kExitUnreadableSource;
    return outcome;
  }

  CompileRequest request =
      makeCompileRequest(options.suffix, options.outputFolder, options.writeOutputs, options.includeInactive);
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  CompileResult result = compiler.compile(options.source, request);

  std::string logPath = cutExtension(options.source, true) + options.suffix + ".HARNESS_LOG";
  writeHarnessLog(logPath, options, result);
  outcome.exitCode = result.failed ? kExitCompileFailed : kExitSuccess;
  return outcome;
}

}  // namespace qv
