#pragma once

#include <string>
#include <vector>

namespace qv {

// The parsed headless command line.
struct HarnessOptions {
  bool harnessRequested = false;
  bool includeInactive = false;
  bool writeOutputs = true;
  bool helpOrUsageError = false;
  bool versionRequested = false;
  bool quiet = false;               // print no diagnostics
  bool warningsAreErrors = false;   // a compile with warnings fails
  // Why the command line was refused, said before the usage text: the first
  // reason met ("unknown option --bogus"); empty for a plain help request.
  std::string usageProblem;
  std::string source;
  std::string suffix = "_Z";
  std::string outputFolder;
  // --disassemble IMAGE [--map MAP] [--out SOURCE] [--force]
  bool disassembleRequested = false;
  std::string image;
  std::string mapPath;
  std::string disassemblyPath;
  bool force = false;
};

// Parses the process's arguments; arguments[0] is the program's own name.
HarnessOptions parseHarnessArguments(const std::vector<std::string>& arguments);

}  // namespace qv
