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
  std::string unknownOption;        // the first option that is none of ours
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
