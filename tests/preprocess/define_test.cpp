// Define lines, their notes, and pending defines.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "preprocess/conditional.h"
#include "preprocess/define_line.h"
#include "common/text.h"
#include "preprocess_fixture.h"

namespace qv {
namespace {

using test::defineNotesOf;
using test::markedCodesOf;
using test::PreprocessProject;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct DefineRun {
  DefineTable defines;
  PendingDefines pending;
  MessageList notes;

  bool line(const std::string& code) {
    bool accepted = handleDefine(code, defines, pending, notes);
    if (accepted) resolvePendingDefines(defines, pending);
    return accepted;
  }
  std::int32_t value(const std::string& name) {
    std::int32_t v = -12345;
    EXPECT_TRUE(defines.lookupValue(name, v)) << name;
    return v;
  }
};

TEST(HandleDefine, EveryFormDefinesAndNotes) {
  for (const char* code : {"X EQU 5", "X set 5", "#DEFINE X 5", "#define X 5", "DEFINE X 5", "DEFINED_Y X 5",
                           "X SETUP 5", "X equ 5 + 1", "X EQU 5 ; ignored"}) {
    DefineRun run;
    EXPECT_TRUE(run.line(code)) << code;
    EXPECT_EQ(run.value("x"), 5) << code;
    EXPECT_THAT(run.notes.texts(), ElementsAre("Define: X = 5")) << code;
  }
}

TEST(HandleDefine, OtherLinesAreNoDefines) {
  DefineRun run;
  for (const char* code : {"", "X EQU", "X = 5", "PLAY 1, 2", "#DEFINE X", "X MACRO a, b", "ELSE"}) {
    EXPECT_FALSE(run.line(code)) << code;
  }
  EXPECT_THAT(run.notes.texts(), IsEmpty());
}

// Numbers skip the define lookup only while no define name starts with a
// digit; a pending define still wakes when such a name appears.
TEST(HandleDefine, NamesWithLeadingDigitsAreFoundAndWakePendingDefines) {
  DefineRun run;
  run.line("A EQU 3X");
  run.line("B EQU 10h");
  EXPECT_EQ(run.value("A"), 0);
  EXPECT_EQ(run.value("B"), 16);
  run.line("3x EQU 5");
  run.line("10H EQU 7");
  run.line("C EQU 10h");
  EXPECT_EQ(run.value("A"), 5);
  EXPECT_EQ(run.value("C"), 7);
  EXPECT_TRUE(evaluateCondition("3X == 5", run.defines).value);
}

TEST(HandleDefine, ValuesAreEvaluatedAgainstEarlierDefines) {
  DefineRun run;
  run.line("A EQU 0x10");
  run.line("B EQU (A+1)");
  run.line("C EQU -0b11");
  run.line("D EQU 2147483648");
  run.line("E EQU A&0x0F");
  run.line("a SET 7");
  EXPECT_EQ(run.value("B"), 17);
  EXPECT_EQ(run.value("C"), -3);
  EXPECT_EQ(run.value("D"), 2147483647);
  EXPECT_EQ(run.value("E"), 0);
  EXPECT_EQ(run.value("A"), 7);
  EXPECT_THAT(run.notes.texts(), ElementsAre("Define: A = 16", "Define: B = 17", "Define: C = -3", "Define: D = 2147483647",
                                     "Define: E = 0", "Define: a = 7"));
}

TEST(PendingDefines, ResolvedLaterWithoutAFurtherNote) {
  DefineRun run;
  run.line("X EQU Y");
  EXPECT_EQ(run.value("X"), 0);
  ASSERT_NE(run.pending.find("x"), nullptr);
  EXPECT_EQ(*run.pending.find("X"), "Y");
  run.line("Y EQU 3");
  EXPECT_EQ(run.value("X"), 3);
  EXPECT_TRUE(run.pending.empty());
  EXPECT_THAT(run.notes.texts(), ElementsAre("Define: X = 0", "Define: Y = 3"));
}

TEST(PendingDefines, AnEntryResolvesOnceTheNamesItReadsExistEvenAsZero) {
  DefineRun run;
  run.line("A EQU B*2");
  run.line("B EQU C+1");
  run.line("Z EQU Q");
  EXPECT_EQ(run.value("A"), 0);
  run.line("C EQU 4");
  EXPECT_EQ(run.value("B"), 5);
  EXPECT_EQ(run.value("A"), 0);  // A read B while B was 0 and pending: it resolved then
  EXPECT_EQ(run.pending.size(), 1u);
  ASSERT_NE(run.pending.find("Z"), nullptr);
}

TEST(PendingDefines, EntriesResolveInNameOrderPassAfterPass) {
  DefineRun run;
  // Both wait for U. When U appears, B (earlier in name order) resolves
  // first and reads the old value of Y; Y then resolves in the same pass.
  run.line("Y EQU U");
  run.line("B EQU Y/U");
  run.line("U EQU 2");
  EXPECT_EQ(run.value("Y"), 2);
  EXPECT_EQ(run.value("B"), 0);
  // A division by a zero define waits until that define changes.
  run.line("D EQU 10/K");
  run.line("K EQU 0");
  EXPECT_NE(run.pending.find("D"), nullptr);
  run.line("K EQU 5");
  EXPECT_EQ(run.value("D"), 2);
}

TEST(PendingDefines, LaterPassPicksUpEntriesEarlierInNameOrder) {
  DefineRun run;
  run.line("A EQU 100/M");  // waits for M to be non-zero
  run.line("M EQU N");      // waits for N
  run.line("N EQU 4");
  EXPECT_EQ(run.value("M"), 4);
  EXPECT_EQ(run.value("A"), 25);
}

TEST(PendingDefines, RedefinitionReplacesTheTextOrClearsTheEntry) {
  DefineRun run;
  run.line("X EQU P");
  run.line("x EQU Q");
  EXPECT_EQ(*run.pending.find("X"), "Q");
  run.line("P EQU 1");
  EXPECT_EQ(run.value("X"), 0);
  run.line("X EQU 9");
  EXPECT_TRUE(run.pending.empty());
  run.line("Q EQU 1");
  EXPECT_EQ(run.value("X"), 9);
}

// Retries every pending define in full passes, the plain way.
struct PlainRetry {
  DefineTable defines;
  std::map<std::string, std::string, NoCaseLess> pending;

  void line(const std::string& name, const std::string& text) {
    std::int32_t value = 0;
    if (evaluateWithDefines(text, defines, value) || parseIntegerLiteral(text, value)) {
      pending.erase(name);
    } else {
      value = 0;
      pending[toUpperAscii(name)] = text;
    }
    defines.set(name, value);
    bool resolved = true;
    while (resolved) {
      resolved = false;
      for (auto entry = pending.begin(); entry != pending.end();) {
        if (evaluateWithDefines(entry->second, defines, value)) {
          defines.set(entry->first, value);
          entry = pending.erase(entry);
          resolved = true;
        } else {
          ++entry;
        }
      }
    }
  }
};

TEST(PendingDefines, RetryingOnlyWhatCanChangeGivesThePlainResult) {
  const std::vector<std::string> names = {"A", "b", "C", "d", "E", "F", "a", "c"};
  const std::vector<std::string> operands = {"A", "B", "C", "D", "E", "F", "G", "0", "1", "2", "7", "$", "(A+1)"};
  const std::vector<std::string> operators = {"+", "-", "*", "/", "&"};
  std::mt19937 random(20240611);
  auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int round = 0; round < 3000; ++round) {
    DefineRun tracked;
    PlainRetry plain;
    for (int step = 0; step < 16; ++step) {
      std::string name = pick(names);
      std::string text = pick(operands);
      for (unsigned extra = random() % 3; extra > 0; --extra) text += pick(operators) + pick(operands);
      tracked.line(name + " EQU " + text);
      plain.line(name, text);
      for (const std::string& probe : names) {
        std::int32_t expected = 0;
        std::int32_t actual = 0;
        ASSERT_EQ(plain.defines.lookupValue(probe, expected), tracked.defines.lookupValue(probe, actual));
        ASSERT_EQ(actual, expected) << "round " << round << " step " << step << " " << probe;
        ASSERT_EQ(plain.pending.count(probe), tracked.pending.find(probe) != nullptr ? 1u : 0u);
      }
    }
  }
}

TEST(PendingDefines, EmptiedByEveryPreprocess) {
  PreprocessProject project;
  project.write("song.asm", "X EQU NEVER_DEFINED\n");
  project.run("song.asm");
  EXPECT_EQ(project.preprocessor.pendingDefines.size(), 1u);
  project.write("song.asm", "Y EQU 1\n");
  project.run("song.asm");
  EXPECT_TRUE(project.preprocessor.pendingDefines.empty());
}

TEST(PendingDefines, ConditionSeesAValueResolvedLater) {
  PreprocessProject project;
  project.write("song.asm", "X EQU Y\nY EQU 3\nIF X == 3\nYES\nENDIF\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(test::codesOf(result), ElementsAre("X EQU Y", "Y EQU 3", "YES"));
  EXPECT_THAT(defineNotesOf(result), ElementsAre("Define: X = 0", "Define: Y = 3"));
}

TEST(PendingDefines, ManyThatNeverResolveDoNotSlowTheWalk) {
  PreprocessProject project;
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "P" + std::to_string(i) + " EQU MISSING" + std::to_string(i) + "\n";
  for (int i = 0; i < 20000; ++i) text += "D" + std::to_string(i) + " EQU " + std::to_string(i) + "\n";
  text += "MISSING7 EQU 7\nIF P7 == 7\nSEEN\nENDIF\n";
  project.write("song.asm", text);
  PreprocessResult result = project.run("song.asm");
  EXPECT_EQ(result.lines.back().code, "SEEN");
  EXPECT_EQ(project.preprocessor.pendingDefines.size(), 19999u);
}

TEST(Defines, IncludedDefinesAreVisibleAfterTheInclude) {
  PreprocessProject project;
  project.write("defs.inc", "LEVEL EQU 2\n");
  project.write("song.asm", "INCLUDE defs.inc\nIF level >= 2\nHIGH\nELSE\nLOW\nENDIF\n");
  EXPECT_THAT(markedCodesOf(project.run("song.asm")), ElementsAre("LEVEL EQU 2", "HIGH"));
}

TEST(Defines, InactiveDefinesDefineNothing) {
  PreprocessProject project;
  project.write("song.asm", "IF 0\nX EQU 1\nENDIF\nIF X\nON\nENDIF\n");
  PreprocessResult result = project.run("song.asm");
  EXPECT_THAT(test::codesOf(result), IsEmpty());
  EXPECT_THAT(defineNotesOf(result), IsEmpty());
}

}  // namespace
}  // namespace qv
