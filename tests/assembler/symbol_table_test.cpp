#include "assembler/symbol_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/location_value.h"
#include "compile/compiler.h"

namespace qv {
namespace {

void define(Compiler& compiler, const std::string& name, const std::string& text, std::int32_t harvestValue = 0,
            std::int32_t line = 1) {
  AddSymbol(compiler, name, harvestValue, SymbolKind::Constant, "song.asm", line, text);
}

std::int32_t valueOf(const Compiler& compiler, std::string_view name) {
  const SymbolRecord* record = compiler.symbolTable.Lookup(name);
  EXPECT_NE(record, nullptr) << name;
  return record == nullptr ? 0 : record->value;
}

TEST(SymbolTable, KindWordsAndGroupTitles) {
  const struct {
    int kind;
    const char* word;
    const char* title;
  } cases[] = {
      {0, "Constant", "Constants"}, {1, "Variable", "Variables"},        {2, "Label", "Labels"},
      {3, "Handle", "Handles"},     {4, "CBlockCell", "C Block Cells"},  {5, "Constant", "Other Symbols"},
      {-1, "Constant", "Other Symbols"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(symbolKindWord(static_cast<SymbolKind>(c.kind)), c.word) << c.kind;
    EXPECT_STREQ(symbolKindGroupTitle(static_cast<SymbolKind>(c.kind)), c.title) << c.kind;
  }
}

TEST(SymbolTable, NewSymbolIsStoredUpperCasedAndFoundIgnoringCase) {
  Compiler compiler;
  AddSymbol(compiler, "Tone_1", 7, SymbolKind::Handle, "inc/a.inc", 12, "");
  ASSERT_EQ(compiler.symbolTable.symbols().size(), 1u);
  const SymbolRecord& record = compiler.symbolTable.symbols()[0];
  EXPECT_EQ(record.name, "TONE_1");
  EXPECT_EQ(record.value, 7);
  EXPECT_EQ(record.kind, SymbolKind::Handle);
  EXPECT_EQ(record.file, "inc/a.inc");
  EXPECT_EQ(record.line, 12);
  EXPECT_EQ(record.collisionNote, "");
  EXPECT_EQ(compiler.symbolTable.Lookup("tone_1"), &record);

  std::int32_t value = 0;
  EXPECT_TRUE(compiler.symbolTable.lookupValue("tOnE_1", value));
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(compiler.symbolTable.lookupValue("TONE", value));
  EXPECT_TRUE(compiler.messages.empty());
  EXPECT_TRUE(compiler.collisions.empty());
}

TEST(SymbolTable, LabelDefinedTwiceKeepsFirstPlaceAndTakesSecondValue) {
  Compiler compiler;
  AddSymbol(compiler, "lbl", 0x10, SymbolKind::Label, "a.asm", 3, "");
  AddSymbol(compiler, "LBL", 0x20, SymbolKind::Label, "b.asm", 9, "");

  ASSERT_EQ(compiler.symbolTable.symbols().size(), 1u);
  const SymbolRecord& kept = compiler.symbolTable.symbols()[0];
  EXPECT_EQ(kept.name, "LBL");
  EXPECT_EQ(kept.value, 0x20);
  EXPECT_EQ(kept.file, "a.asm");
  EXPECT_EQ(kept.line, 3);
  EXPECT_EQ(kept.collisionNote, "Collisionlabel");
  EXPECT_EQ(compiler.messages, (std::vector<std::string>{
                                   "Duplicate symbol: LBL",
                                   "WARNING: b.asm:9: LBL is defined again (first defined at a.asm:3)"}));
  EXPECT_EQ(compiler.messagePlaces[0].file, "b.asm");
  EXPECT_EQ(compiler.messagePlaces[1].line, 9);

  ASSERT_EQ(compiler.collisions.size(), 1u);
  const SymbolCollision& collision = compiler.collisions[0];
  EXPECT_EQ(collision.message, "Duplicate symbol: LBL as label");
  EXPECT_EQ(collision.record.name, "LBL");
  EXPECT_EQ(collision.record.value, 0x20);
  EXPECT_EQ(collision.record.file, "b.asm");
  EXPECT_EQ(collision.record.line, 9);
  EXPECT_EQ(collision.record.collisionNote, "");

  SettleValues(compiler);
  EXPECT_EQ(valueOf(compiler, "lbl"), 0x20);
}

TEST(SymbolTable, EveryFurtherDefinitionExtendsTheNote) {
  Compiler compiler;
  define(compiler, "Tempo", "1");
  AddSymbol(compiler, "TEMPO", 2, SymbolKind::Label, "b.asm", 4, "");
  AddSymbol(compiler, "tempo", 3, SymbolKind::CBlockCell, "c.asm", 5, "");
  AddSymbol(compiler, "tempo", 4, SymbolKind::Constant, "d.asm", 6, "4");

  const SymbolRecord& kept = compiler.symbolTable.symbols().at(0);
  EXPECT_EQ(kept.collisionNote, "Collisionlabel; symbol; symbol");
  EXPECT_EQ(kept.kind, SymbolKind::Constant);
  EXPECT_EQ(kept.definitionText, "1");
  EXPECT_EQ(kept.value, 4);
  ASSERT_EQ(compiler.messages.size(), 6u) << "each duplicate and its warning";
  EXPECT_EQ(compiler.messages[4], "Duplicate symbol: TEMPO");
  EXPECT_EQ(compiler.messages[5], "WARNING: d.asm:6: TEMPO is defined again (first defined at song.asm:1)");
  ASSERT_EQ(compiler.collisions.size(), 3u);
  EXPECT_EQ(compiler.collisions[0].message, "Duplicate symbol: TEMPO as label");
  EXPECT_EQ(compiler.collisions[1].message, "Duplicate symbol: TEMPO as symbol");
  EXPECT_EQ(compiler.collisions[2].record.definitionText, "4");
  EXPECT_EQ(compiler.collisions[2].record.kind, SymbolKind::Constant);

  Compiler constants;
  define(constants, "A", "1", 1);
  define(constants, "A", "2", 2);
  EXPECT_EQ(constants.symbolTable.symbols().at(0).collisionNote, "Collisionsymbol");
}

TEST(SymbolTable, RedefinedNameSettlesToItsFirstDefinition) {
  Compiler compiler;
  define(compiler, "A", "1", 1);
  define(compiler, "A", "2", 2);
  EXPECT_EQ(valueOf(compiler, "A"), 2);
  SettleValues(compiler);
  EXPECT_EQ(valueOf(compiler, "A"), 1);
}

TEST(SymbolTable, SettlingResolvesLaterDefinitions) {
  Compiler compiler;
  define(compiler, "B", "C + 1");
  define(compiler, "D", "UNKNOWN", 9);
  define(compiler, "C", "4", 4);
  SettleValues(compiler);
  EXPECT_EQ(valueOf(compiler, "B"), 5);
  EXPECT_EQ(valueOf(compiler, "D"), 9) << "a failed evaluation changes nothing";
  EXPECT_EQ(compiler.symbolTable.symbols()[0].value, 5);
}

TEST(SymbolTable, SettlingStopsAfterSixRounds) {
  // N0 EQU N1+1, ..., N8 EQU N9+1, N9 EQU 1: each round resolves one more
  // link from the end, so six rounds leave N0 to N2 stale.
  Compiler compiler;
  for (int i = 0; i < 9; ++i) define(compiler, "N" + std::to_string(i), "N" + std::to_string(i + 1) + "+1");
  define(compiler, "N9", "1", 1);
  SettleValues(compiler);
  for (int i = 0; i < 10; ++i) {
    const std::int32_t expected = i < 3 ? 6 : 10 - i;
    EXPECT_EQ(valueOf(compiler, "N" + std::to_string(i)), expected) << i;
  }
}

TEST(SymbolTable, LocationReadsZeroWhileSettling) {
  Compiler compiler;
  setLocationValue(0x50);
  define(compiler, "X", "$", 0x50);
  SettleValues(compiler);
  EXPECT_EQ(valueOf(compiler, "X"), 0);
  EXPECT_EQ(locationValue(), 0);
}

TEST(SymbolTable, AssemblerEvaluatorReadsSymbolsAndLocation) {
  Compiler compiler;
  AddSymbol(compiler, "Start", 0x100, SymbolKind::Label, "a.asm", 1, "");
  setLocationValue(0x30);
  std::int32_t value = 0;
  EXPECT_TRUE(assemblerEvaluator(compiler).evaluate("start+$", value));
  EXPECT_EQ(value, 0x130);
  setLocationValue(0);
}

// Numbers skip the lookup only while no name starts with a digit.
TEST(SymbolTable, NameWithLeadingDigitWinsOverTheNumberItSpells) {
  Compiler compiler;
  define(compiler, "TONE", "", 7);
  const ExpressionEvaluator evaluator = assemblerEvaluator(compiler);
  std::int32_t value = 0;
  EXPECT_TRUE(evaluator.evaluate("10h+TONE", value));
  EXPECT_EQ(value, 0x17);

  define(compiler, "10h", "", 3);
  EXPECT_TRUE(evaluator.evaluate("10H+TONE", value));
  EXPECT_EQ(value, 10);
  EXPECT_TRUE(evaluator.evaluate("12+TONE", value));
  EXPECT_EQ(value, 19);
}

TEST(SymbolTable, NameOrderPutsUnderscoreBeforeLetters) {
  Compiler compiler;
  for (const char* name : {"b", "_z", "a2", "A", "Z_", "ZA"}) define(compiler, name, "");
  std::vector<std::string> inNameOrder;
  compiler.symbolTable.forEachInNameOrder([&](const SymbolRecord& record) { inNameOrder.push_back(record.name); });
  EXPECT_EQ(inNameOrder, (std::vector<std::string>{"_Z", "A", "A2", "B", "Z_", "ZA"}));

  std::vector<std::string> inDefinitionOrder;
  for (const SymbolRecord& record : compiler.symbolTable.symbols()) inDefinitionOrder.push_back(record.name);
  EXPECT_EQ(inDefinitionOrder, (std::vector<std::string>{"B", "_Z", "A2", "A", "Z_", "ZA"}));
}

}  // namespace
}  // namespace qv
