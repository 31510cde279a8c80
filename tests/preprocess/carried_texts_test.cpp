// The two include texts the program carries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "assembler/operand_check.h"
#include "compile/compiler.h"
#include "compile/carried_include_provider.h"
#include "preprocess/conditional.h"
#include "preprocess/source_reader.h"
#include "common/text.h"
#include "common/words.h"
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
  EXPECT_THAT(result.errors.texts(), IsEmpty());
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
  EXPECT_THAT(result.errors.texts(), IsEmpty());
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
  const std::set<std::string> commands = {
      "SKEME_START", "SKEME_END",   "SDL_VERSION",     "CHANNEL_START",    "INITIATE_SOUND", "BRANCH_TO",
      "BRANCH_TO16", "XGOTO_SND",   "DELAY_SOUND",     "SKIP_ON_TRIGGER",  "GENERATE_TRIGGER", "END_SOUND",
      "CHANNEL_END", "PLAY",        "LOAD_MODIFIER",   "MASK_COMPARE",     "END_SDL",        "END_SDF",
  };
  std::set<std::string> declared;
  for (const auto& [name, operands] : operandsOf) {
    declared.insert(name);
    // Named as the warnings name them.
    std::string named;
    for (const OperandField& field : operandFieldsOf(commandOf(name))) {
      named += (named.empty() ? "" : ", ") + std::string(field.name);
    }
    EXPECT_EQ(operands, named) << name;
  }
  EXPECT_EQ(declared, commands);
}

// The commands' operands and the DB lines that the macros' comments give,
// by macro name.
struct MacroDoc {
  std::string operands;
  std::vector<std::string> dbLines;
};

std::map<std::string, MacroDoc> macroDocs() {
  SourceText text = SourceText::fromCarriedText(carriedText("QVX5_SND_MACS.INC"));
  std::map<std::string, MacroDoc> docs;
  MacroDoc* open = nullptr;
  for (std::size_t i = 0; i < text.lineCount(); ++i) {
    SourceLine line = makeSourceLine(text.line(i), "", static_cast<std::int32_t>(i + 1), true);
    std::vector<std::string> words = splitWords(line.code);
    if (words.size() >= 2 && words[1] == "MACRO") {
      open = &docs[words[0]];
      open->operands = trim(line.code.substr(line.code.find("MACRO") + 5));
    } else if (!words.empty() && words[0] == "ENDM") {
      open = nullptr;
    } else if (open != nullptr && !line.comment.empty()) {
      std::string comment = trim(line.comment.substr(1));
      if (comment.rfind("DB ", 0) == 0) open->dbLines.push_back(comment);
    }
  }
  return docs;
}

// A user learns the commands from those DB lines: with the operand names
// defined in range, each must give its command's bytes.
TEST(CarriedTexts, EveryDbLineOfTheMacrosGivesItsCommandsBytes) {
  // Macro, which of its DB lines, definitions of its operand names.
  const std::vector<std::tuple<std::string, std::size_t, std::string>> samples = {
      {"SDL_VERSION", 0, "version EQU VERSION_5"},
      {"CHANNEL_START", 0, "channel EQU 200"},
      {"INITIATE_SOUND", 0, "trigger EQU TRIG_FUNC_2\npreempt EQU PRI_HIGH+PREEMPT_LOWER"},
      {"BRANCH_TO", 0, "target EQU START+0x234"},
      {"BRANCH_TO16", 0, "target EQU START+0x1234"},
      {"DELAY_SOUND", 0, "mode EQU DELAY_RANDOM\nticks EQU 100\nscope EQU DELAY_GLOBAL"},
      {"SKIP_ON_TRIGGER", 0, "logic EQU SKIP_IF_FALLEN\ntrigger EQU TRIG_FLAG_3"},
      {"GENERATE_TRIGGER", 0, "trigger EQU TRIG_FLAG_7"},
      {"END_SOUND", 0, ""},
      {"PLAY", 0, "handle EQU 45\nbreak EQU BRK_LOOP_UNTIL_TRIG+BRK_AT_ONCE\nflags EQU PLAYF_SYNC+PLAYF_PITCH"},
      {"PLAY", 1, "handle EQU 230\nbreak EQU 31\nflags EQU PLAYF_VOLUME"},
      {"LOAD_MODIFIER", 0, "type EQU MOD_TIMER_1\narg1 EQU 10\narg2 EQU 20\narg3 EQU 255"},
      {"MASK_COMPARE", 0,
       "source EQU SRC_FLAGS\nimmediate EQU CMP_TO_VALUE\ntarget EQU 0x5A\nmask EQU 0xF0\nskip EQU 3"},
  };
  std::map<std::string, MacroDoc> docs = macroDocs();
  std::size_t documented = 0;
  for (const auto& [name, doc] : docs) documented += doc.dbLines.size();
  EXPECT_EQ(documented, samples.size());

  test::TempFolder folder;
  for (const auto& [name, index, definitions] : samples) {
    const MacroDoc& doc = docs[name];
    ASSERT_LT(index, doc.dbLines.size()) << name;
    std::string source = folder.write("song.asm", " INCLUDE QVX5_SND_CMD.INC\nSTART: SKEME_START 1\n" + definitions +
                                                      "\n " + name + " " + doc.operands + "\n " + doc.dbLines[index] +
                                                      "\n");
    Compiler compiler;
    compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
    CompileRequest request;
    request.writeOutputs = false;
    CompileResult result = compiler.compile(source, request);
    ASSERT_EQ(result.emitted.size(), 3u) << name;
    EXPECT_FALSE(result.emitted[1].bytes.empty()) << name;
    EXPECT_EQ(result.emitted[1].bytes, result.emitted[2].bytes) << doc.dbLines[index];
  }
}

}  // namespace
}  // namespace qv
