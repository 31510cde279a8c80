#include "harness/harness_options.h"

#include "common/text.h"

namespace qv {

namespace {

void markUsageError(HarnessOptions& options) {
  options.harnessRequested = true;
  options.helpOrUsageError = true;
}

// On POSIX only "-" starts an option: "/" begins an absolute path.
bool looksLikeOption(const std::string& argument) {
#ifdef _WIN32
  return !argument.empty() && (argument[0] == '-' || argument[0] == '/');
#else
  return !argument.empty() && argument[0] == '-';
#endif
}

}  // namespace

HarnessOptions parseHarnessArguments(const std::vector<std::string>& arguments) {
  HarnessOptions options;
  if (arguments.size() < 2) return options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    bool hasValue = i + 1 < arguments.size();
    if (equalsNoCase(argument, "--harness")) {
      options.harnessRequested = true;
    } else if (equalsNoCase(argument, "-h") || equalsNoCase(argument, "--help")) {
      markUsageError(options);
    } else if (equalsNoCase(argument, "--include-inactive")) {
      options.includeInactive = true;
    } else if (equalsNoCase(argument, "--no-write")) {
      options.writeOutputs = false;
    } else if (equalsNoCase(argument, "--suffix")) {
      if (hasValue) options.suffix = arguments[++i];
    } else if (equalsNoCase(argument, "--out-dir")) {
      if (hasValue) options.outputFolder = arguments[++i];
    } else if (equalsNoCase(argument, "--quiet")) {
      options.quiet = true;
    } else if (equalsNoCase(argument, "--werror")) {
      options.warningsAreErrors = true;
    } else if (equalsNoCase(argument, "--version")) {
      options.harnessRequested = true;
      options.versionRequested = true;
    } else if (equalsNoCase(argument, "--disassemble")) {
      options.harnessRequested = true;
      options.disassembleRequested = true;
      if (hasValue) options.image = arguments[++i];
    } else if (equalsNoCase(argument, "--map")) {
      if (hasValue) options.mapPath = arguments[++i];
    } else if (equalsNoCase(argument, "--out")) {
      if (hasValue) options.disassemblyPath = arguments[++i];
    } else if (equalsNoCase(argument, "--force")) {
      options.force = true;
    } else if (looksLikeOption(argument)) {
      if (options.unknownOption.empty()) options.unknownOption = argument;
      markUsageError(options);
    } else if (options.source.empty()) {
      options.source = argument;
    } else if (options.suffix.empty()) {
      options.suffix = argument;
    } else {
      markUsageError(options);
    }
  }
  return options;
}

}  // namespace qv
