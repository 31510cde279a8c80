// The compile log of the Log tab.
#include <gtest/gtest.h>

#include <string>

#include "window/model/results/compile_log.h"

namespace qv {
namespace {

const std::string kDashes(60, '-');

constexpr MessageKind kNote = MessageKind::Note;
constexpr MessageKind kWarning = MessageKind::Warning;
constexpr MessageKind kError = MessageKind::Error;

struct Said {
  MessageKind kind;
  std::string text;
};

CompileResult resultWith(const std::vector<Said>& said, bool failed = false) {
  CompileResult result;
  for (const Said& message : said) {
    result.messages.push_back(message.text);
    result.messagePlaces.emplace_back();
    result.messageKinds.push_back(message.kind);
  }
  result.failed = failed;
  return result;
}

TEST(CompileLog, HeaderNumberedMessagesVerdictAndTime) {
  CompileLogHeader header{"/p/song.asm", "_Y", true, false};
  CompileResult result =
      resultWith({{kNote, "  define X = 1"}, {kWarning, "WARNING: odd value"}, {kNote, "Using bundled include"}});
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
  std::string log = FormatCompileLog({}, resultWith({{kNote, "Define: A = 1"}, {kNote, "\tDEFINE B"}}), 0, "t").text;
  EXPECT_NE(log.find("No compiler diagnostics were emitted.\r\nCompile completed successfully."), std::string::npos);
  EXPECT_EQ(log.find("[t] 00"), std::string::npos);
}

// The tag and the verdict come from the kind the compiler gave each
// message, whatever words its text holds.
TEST(CompileLog, TagsAndVerdictFollowTheMessagesKinds) {
  struct Case {
    std::vector<Said> said;
    bool failed;
    const char* tag;
    const char* verdict;
  };
  for (const Case& c :
       {Case{{{kNote, "Using bundled include QVX5_SND_CMD.INC"}}, false, "[info]", "Compile completed successfully."},
        Case{{{kWarning, "Unrecognized command: FOO"}}, false, "[warning]", "Compile completed with warnings."},
        Case{{{kWarning, "Duplicate symbol: HNDL_ERROR_BEEP"}}, false, "[warning]",
             "Compile completed with warnings."},
        Case{{{kError, "ERROR: a warning about it"}}, false, "[error]", "Compile completed with errors."},
        Case{{{kNote, "note"}}, true, "[info]", "Compile completed with errors."}}) {
    std::string log = FormatCompileLog({}, resultWith(c.said, c.failed), 0, "t").text;
    EXPECT_NE(log.find(std::string("[t] 001 ") + c.tag + " " + c.said[0].text), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.rfind("\r\n") + 2), c.verdict) << c.said[0].text;
  }
}

TEST(CompileLog, MessagesPastOneHundredKeepTheirNumbers) {
  std::vector<Said> messages(120, Said{kNote, "Define: X"});
  messages.push_back({kNote, "last"});
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
  CompileLog log = FormatCompileLog({}, resultWith({{kNote, "first"}, {kNote, "Define: A = 1"}, {kNote, "two\r\nlines"}, {kNote, "last"}}), 0, "t");
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
