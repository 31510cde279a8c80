// The two include texts the program carries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "harness/carried_include_provider.h"
#include "preprocess/conditional.h"
#include "preprocess/source_reader.h"
#include "preprocess/text.h"
#include "preprocess_fixture.h"

namespace qv {
namespace {

using ::testing::IsEmpty;

std::string carriedText(const std::string& name) {
  std::string text;
  EXPECT_TRUE(carriedIncludeProvider(name, text)) << name;
  return text;
}

// Name -> value of every "Define: " note.
std::map<std::string, std::int32_t> definedValues(const PreprocessResult& result) {
  std::map<std::string, std::int32_t> values;
  for (const std::string& note : test::defineNotesOf(result)) {
    std::size_t equals = note.find(" = ");
    values[note.substr(8, equals - 8)] = std::stoi(note.substr(equals + 3));
  }
  return values;
}

PreprocessResult preprocessCarried(test::PreprocessProject& project, const std::string& includes) {
  project.preprocessor.builtInIncludeProvider = carriedIncludeProvider;
  project.write("song.asm", includes);
  return project.run("song.asm", true);
}

TEST(CarriedTexts, AreLfOnlyAndTheMacrosEndWithLf) {
  for (const char* name : {"QVX5_SND_CMD.INC", "QVX5_SND_MACS.INC"}) {
    std::string text = carriedText(name);
    EXPECT_EQ(text.find('\r'), std::string::npos) << name;
    EXPECT_EQ(text.back(), '\n') << name;
  }
}

TEST(CarriedTexts, PreprocessCleanlyWithEveryLineActive) {
  test::PreprocessProject project;
  PreprocessResult result = preprocessCarried(project, "INCLUDE QVX5_SND_CMD.INC\nINCLUDE QVX5_SND_MACS.INC\n");
  EXPECT_THAT(result.errors, IsEmpty());
  EXPECT_TRUE(project.preprocessor.pendingDefines.empty());
  EXPECT_GT(result.lines.size(), 100u);
}

TEST(CarriedTexts, OpcodeConstantsEqualTheCommandOpcodes) {
  test::PreprocessProject project;
  std::map<std::string, std::int32_t> values = definedValues(preprocessCarried(project, "INCLUDE QVX5_SND_CMD.INC\n"));
  const std::map<std::string, std::int32_t> opcodes = {
      {"OP_SKEME_START", 0xF1},
      {"OP_SDL_VERSION", 0x82},
      {"OP_CHANNEL_START", 0x81},
      {"OP_END", 0x00},
      {"OP_PLAY", 0x40},
      {"OP_PLAY_LONG", 0xF2},
      {"OP_INITIATE_SOUND", 0x90},
      {"OP_DELAY_SOUND", 0xB4},
      {"OP_SKIP_ON_TRIGGER", 0x04},
      {"OP_GENERATE_TRIGGER", 0xB1},
      {"OP_BRANCH_TO", 0xC0},
      {"OP_BRANCH_TO16", 0xF0},
      {"OP_LOAD_MODIFIER", 0xE0},
      {"OP_MASK_COMPARE", 0xF8},
  };
  for (const auto& [name, value] : opcodes) {
    ASSERT_EQ(values.count(name), 1u) << name;
    EXPECT_EQ(values[name], value) << name;
  }
  EXPECT_EQ(values["VERSION_5"], 0x50);
}

TEST(CarriedTexts, EveryConstantFitsTheFieldItIsWrittenFor) {
  test::PreprocessProject project;
  std::map<std::string, std::int32_t> values = definedValues(preprocessCarried(project, "INCLUDE QVX5_SND_CMD.INC\n"));
  // Prefix -> the values its field can take.
  const std::vector<std::pair<std::string, std::set<std::int32_t>>> fields = {
      {"PREEMPT_", {0x00, 0x80}},
      {"PLAYF_", {0x00, 0x08, 0x10, 0x20}},
      {"DELAY_", {0x00, 0x01, 0x80}},
      {"CMP_", {0x00, 0x04}},
  };
  const std::vector<std::pair<std::string, std::int32_t>> ranges = {
      {"TRIG_", 127}, {"PRI_", 7},  {"BRK_", 31},     {"SKIP_IF_", 3},   {"MOD_", 15},
      {"SRC_", 255},  {"OP_", 255}, {"HANDLE_", 255}, {"VERSION_", 255},
  };
  for (const auto& [name, value] : values) {
    bool known = false;
    for (const auto& [prefix, allowed] : fields) {
      if (name.rfind(prefix, 0) != 0) continue;
      known = true;
      EXPECT_EQ(allowed.count(value), 1u) << name;
    }
    for (const auto& [prefix, maximum] : ranges) {
      if (name.rfind(prefix, 0) != 0) continue;
      known = true;
      EXPECT_GE(value, 0) << name;
      EXPECT_LE(value, maximum) << name;
    }
    EXPECT_TRUE(known) << name << " follows no naming group";
  }
}

TEST(CarriedTexts, MacrosFileDefinesNothing) {
  test::PreprocessProject project;
  PreprocessResult result = preprocessCarried(project, "INCLUDE QVX5_SND_MACS.INC\n");
  EXPECT_THAT(result.errors, IsEmpty());
  EXPECT_THAT(test::defineNotesOf(result), IsEmpty());
}

// The assembler skips macro bodies by the MACRO header and the ENDM line; an
// IF left open in a body would switch the following declarations off.
TEST(CarriedTexts, OneBalancedMacroPerCommandKeyword) {
  SourceText text = SourceText::fromCarriedText(carriedText("QVX5_SND_MACS.INC"));
  std::map<std::string, std::string> operandsOf;
  std::string open;
  int depth = 0;
  for (std::size_t i = 0; i < text.lineCount(); ++i) {
    SourceLine line = makeSourceLine(text.line(i), "", static_cast<std::int32_t>(i + 1), true);
    std::vector<std::string> words = splitWords(line.code);
    if (words.size() >= 2 && equalsNoCase(words[1], "MACRO")) {
      EXPECT_TRUE(open.empty()) << "line " << i + 1;
      open = words[0];
      std::size_t operands = line.code.find("MACRO") + 5;
      EXPECT_TRUE(operandsOf.emplace(open, trim(line.code.substr(operands))).second) << open;
      continue;
    }
    if (!words.empty() && equalsNoCase(words[0], "ENDM")) {
      EXPECT_EQ(depth, 0) << open;
      open.clear();
      continue;
    }
    ConditionalKind kind = matchConditional(line.code).kind;
    EXPECT_TRUE(kind == ConditionalKind::None || !open.empty()) << "line " << i + 1;
    if (kind == ConditionalKind::If) ++depth;
    if (kind == ConditionalKind::Else) {
      EXPECT_GT(depth, 0) << open;
    }
    if (kind == ConditionalKind::EndIf) --depth;
    EXPECT_GE(depth, 0) << open;
  }
  EXPECT_TRUE(open.empty());
  const std::map<std::string, std::string> commands = {
      {"SKEME_START", "number"},
      {"SKEME_END", ""},
      {"SDL_VERSION", "version"},
      {"CHANNEL_START", "channel"},
      {"INITIATE_SOUND", "trigger, preempt"},
      {"BRANCH_TO", "target"},
      {"BRANCH_TO16", "target"},
      {"XGOTO_SND", "target"},
      {"DELAY_SOUND", "mode, value, global"},
      {"SKIP_ON_TRIGGER", "logic, trigger"},
      {"GENERATE_TRIGGER", "trigger"},
      {"END_SOUND", ""},
      {"CHANNEL_END", ""},
      {"PLAY", "handle, break, flags"},
      {"LOAD_MODIFIER", "type, arg1, arg2, arg3"},
      {"MASK_COMPARE", "source, immediate, target, mask, skip"},
      {"END_SDL", ""},
      {"END_SDF", ""},
  };
  EXPECT_EQ(operandsOf, commands);
}

}  // namespace
}  // namespace qv
