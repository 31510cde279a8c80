#include "harness/harness_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

struct ParseCase {
  const char* name;
  std::vector<std::string> arguments;  // without the program name
  bool requested;
  bool usageError;
  std::string source;
  std::string suffix;
  std::string problem = {};  // said before the usage text
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class HarnessParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(HarnessParsing, FollowsTheCommandLineRules) {
  const ParseCase& c = GetParam();
  std::vector<std::string> arguments{"quaverton"};
  arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
  HarnessOptions options = parseHarnessArguments(arguments);
  EXPECT_EQ(options.harnessRequested, c.requested);
  EXPECT_EQ(options.helpOrUsageError, c.usageError);
  EXPECT_EQ(options.source, c.source);
  EXPECT_EQ(options.suffix, c.suffix);
  EXPECT_EQ(options.usageProblem, c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HarnessParsing,
    testing::Values(
        ParseCase{"NoArguments", {}, false, false, "", "_Z"},
        ParseCase{"SourceOnlyOpensTheWindow", {"song.asm"}, false, false, "song.asm", "_Z"},
        ParseCase{"HarnessAlone", {"--harness"}, true, false, "", "_Z"},
        ParseCase{"CapitalsMatch", {"--HARNESS", "song.asm"}, true, false, "song.asm", "_Z"},
        ParseCase{"SurplusPlainArgument", {"--harness", "song.asm", "_B"}, true, true, "song.asm", "_Z",
                  "a suffix after the source needs an empty --suffix first; use --suffix _B"},
        ParseCase{"EmptySuffixThenPlainSuffix", {"--harness", "--suffix", "", "song.asm", "_B"}, true, false,
                  "song.asm", "_B"},
        ParseCase{"PlainArgumentAfterThePlainSuffix", {"--harness", "--suffix", "", "song.asm", "_B", "_C"}, true,
                  true, "song.asm", "_B", "one argument too many: _C"},
        ParseCase{"TrailingSuffixIgnored", {"--harness", "song.asm", "--suffix"}, true, false, "song.asm", "_Z"},
        ParseCase{"SuffixValue", {"--harness", "--Suffix", "_A", "song.asm"}, true, false, "song.asm", "_A"},
        ParseCase{"UnknownOption", {"--harness", "--bogus", "song.asm", "-x"}, true, true, "song.asm", "_Z",
                  "unknown option --bogus"},
        ParseCase{"ShortHelp", {"-h"}, true, true, "", "_Z"},
        ParseCase{"LongHelp", {"--HELP", "song.asm"}, true, true, "song.asm", "_Z"},
#ifdef _WIN32
        ParseCase{"SlashStartsAnOption", {"--harness", "/x", "song.asm"}, true, true, "song.asm", "_Z",
                  "unknown option /x"},
#else
        ParseCase{"SlashStartsAnAbsolutePath", {"--harness", "/p/song.asm"}, true, false, "/p/song.asm", "_Z"},
#endif
        ParseCase{"OptionLikeSuffixValue", {"--harness", "--suffix", "-x", "song.asm"}, true, false, "song.asm",
                  "-x"}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(HarnessParsing, SwitchesAndOutputFolder) {
  HarnessOptions options = parseHarnessArguments({"quaverton", "--harness", "--NO-WRITE", "--include-inactive",
                                                  "--out-dir", "out\\win", "--quiet", "--Werror", "s.asm"});
  EXPECT_FALSE(options.writeOutputs);
  EXPECT_TRUE(options.includeInactive);
  EXPECT_EQ(options.outputFolder, "out\\win");
  EXPECT_TRUE(options.quiet);
  EXPECT_TRUE(options.warningsAreErrors);
  EXPECT_FALSE(options.versionRequested);
}

TEST(HarnessParsing, VersionAsksForTheHarness) {
  HarnessOptions version = parseHarnessArguments({"quaverton", "--version"});
  EXPECT_TRUE(version.harnessRequested);
  EXPECT_TRUE(version.versionRequested);
  EXPECT_FALSE(version.helpOrUsageError);
  EXPECT_FALSE(parseHarnessArguments({"quaverton", "--quiet", "s.asm"}).harnessRequested);
}

}  // namespace
}  // namespace qv
