#include "harness/harness_options.h"

#include "common/text.h"

namespace qv {

namespace {

void markUsageError(HarnessOptions& options, const std::string& problem = {}) {
  options.harnessRequested = true;
  options.helpOrUsageError = true;
  if (options.usageProblem.empty()) options.usageProblem = problem;
}

// A plain argument after the source is the suffix only while the suffix is
// empty, which the default _Z never is.
std::string surplusArgumentProblem(const std::string& argument, bool suffixWasPlain) {
  if (suffixWasPlain) return "one argument too many: " + argument;
  return "a suffix after the source needs an empty --suffix first; use --suffix " + argument;
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
  bool suffixWasPlain = false;
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
      markUsageError(options, "unknown option " + argument);
    } else if (options.source.empty()) {
      options.source = argument;
    } else if (options.suffix.empty()) {
      options.suffix = argument;
      suffixWasPlain = true;
    } else {
      markUsageError(options, surplusArgumentProblem(argument, suffixWasPlain));
    }
  }
  return options;
}

}  // namespace qv
