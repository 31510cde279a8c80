// The compile log of the Log tab.
#include <gtest/gtest.h>

#include <string>

#include "window/compile_log.h"

namespace qv {
namespace {

const std::string kDashes(60, '-');

CompileResult resultWith(std::vector<std::string> messages, bool failed = false) {
  CompileResult result;
  result.messages = std::move(messages);
  result.failed = failed;
  return result;
}

TEST(CompileLog, HeaderNumberedMessagesVerdictAndTime) {
  CompileLogHeader header{"/p/song.asm", "_Y", true, false};
  CompileResult result = resultWith({"  define X = 1", "WARNING: odd value", "Using bundled include"});
  EXPECT_EQ(FormatCompileLog(header, result, 1234, "12:34:56").text,
            "Compile invoked [12:34:56]:\r\n"
            "  Source: /p/song.asm\r\n"
            "  Suffix: _Y\r\n"
            "  NoWrite: on\r\n"
            "  ShowInactive: off\r\n" +
                kDashes +
                "\r\n"
                "\r\n[12:34:56] 002 [warning] WARNING: odd value"
                "\r\n[12:34:56] 003 [info] Using bundled include"
                "\r\n" +
                kDashes +
                "\r\n"
                "\r\nCompile completed with warnings. (in 1.234 seconds)");
}

TEST(CompileLog, WithoutMessagesSaysSoAndLeavesOutAZeroTime) {
  CompileLogHeader header{"", "_Q", false, true};
  EXPECT_EQ(FormatCompileLog(header, resultWith({}), 0, "01:02:03").text,
            "Compile invoked [01:02:03]:\r\n"
            "  Source: <no source selected>\r\n"
            "  Suffix: _Q\r\n"
            "  NoWrite: off\r\n"
            "  ShowInactive: on\r\n" +
                kDashes + "\r\n\r\n" + kDashes +
                "\r\n"
                "No compiler diagnostics were emitted.\r\n"
                "Compile completed successfully.");
}

TEST(CompileLog, DefineNotesAloneCountAsNoDiagnostics) {
  std::string log = FormatCompileLog({}, resultWith({"Define: A = 1", "\tDEFINE B"}), 0, "t").text;
  // The verdict still counts them, as the status line does.
  EXPECT_NE(log.find("No compiler diagnostics were emitted.\r\nCompile completed with warnings."), std::string::npos);
  EXPECT_EQ(log.find("[t] 00"), std::string::npos);
}

TEST(CompileLog, SeverityWordsFollowTheLetterCaseOfTheMessage) {
  struct Case {
    const char* message;
    const char* word;
  };
  for (const Case& c : {Case{"WARNING: odd", "warning"}, Case{"a warning here", "warning"},
                        Case{"Warn with a capital only", "info"}, Case{"ERROR: bad", "error"},
                        Case{"an error occurred", "error"}, Case{"Error: mixed case", "info"},
                        Case{"ERROR and WARN", "error"}, Case{"Using bundled include", "info"}}) {
    EXPECT_STREQ(MessageSeverityWord(c.message), c.word) << c.message;
  }
}

TEST(CompileLog, VerdictAgreesWithTheStatusLine) {
  struct Case {
    std::vector<std::string> messages;
    bool failed;
    const char* verdict;
  };
  for (const Case& c : {Case{{"note"}, true, "Compile completed with errors."},
                        Case{{"WARNING: a", "x ERROR : b"}, false, "Compile completed with errors."},
                        Case{{"an error"}, false, "Compile completed with warnings."},
                        Case{{"Using bundled include QVX5_SND_CMD.INC"}, false, "Compile completed with warnings."},
                        Case{{}, false, "Compile completed successfully."}}) {
    std::string log = FormatCompileLog({}, resultWith(c.messages, c.failed), 0, "t").text;
    EXPECT_EQ(log.substr(log.rfind("\r\n") + 2), c.verdict) << c.messages.size();
  }
}

TEST(CompileLog, MessagesPastOneHundredKeepTheirNumbers) {
  std::vector<std::string> messages(120, "Define: X");
  messages.push_back("last");
  std::string log = FormatCompileLog({}, resultWith(messages), 0, "t").text;
  EXPECT_NE(log.find("\r\n[t] 121 [info] last\r\n"), std::string::npos);
}

TEST(CompileLog, TimeTakenInSecondsAndMilliseconds) {
  struct Case {
    std::uint32_t millis;
    const char* text;
  };
  for (const Case& c : {Case{5, " (in 0.005 seconds)"}, Case{61000, " (in 61.000 seconds)"},
                        Case{4294967295u, " (in 4294967.295 seconds)"}}) {
    std::string log = FormatCompileLog({}, resultWith({}), c.millis, "t").text;
    EXPECT_EQ(log.substr(log.size() - std::string(c.text).size()), c.text);
  }
}

TEST(CompileLog, EachShownMessageKnowsItsLines) {
  CompileLog log = FormatCompileLog({}, resultWith({"first", "Define: A = 1", "two\r\nlines", "last"}), 0, "t");
  struct Case {
    int line;
    std::optional<std::size_t> message;
  };
  // Lines 0 to 5 are the header and the dashes, line 6 is empty.
  for (const Case& c : {Case{5, std::nullopt}, Case{6, std::nullopt}, Case{7, 0}, Case{8, 2}, Case{9, 2},
                        Case{10, 3}, Case{11, std::nullopt}}) {
    EXPECT_EQ(MessageOnLogLine(log, c.line), c.message) << c.line;
  }
  std::size_t lineTen = 0;
  for (int breaks = 0; breaks < 10; ++breaks) lineTen = log.text.find('\n', lineTen) + 1;
  EXPECT_EQ(log.text.substr(lineTen, 13), "[t] 004 [info");
}

}  // namespace
}  // namespace qv
