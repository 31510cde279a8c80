#include "assembler/symbol_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/location_value.h"
#include "assembler/assembly.h"

namespace qv {
namespace {

void define(Assembly& assembly, const std::string& name, const std::string& text, std::int32_t harvestValue = 0,
            std::int32_t line = 1) {
  addSymbol(assembly, name, harvestValue, SymbolKind::Constant, "song.asm", line, text);
}

std::int32_t valueOf(const Assembly& assembly, std::string_view name) {
  const SymbolRecord* record = assembly.symbolTable.lookup(name);
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
  Assembly assembly;
  addSymbol(assembly, "Tone_1", 7, SymbolKind::Handle, "inc/a.inc", 12, "");
  ASSERT_EQ(assembly.symbolTable.symbols().size(), 1u);
  const SymbolRecord& record = assembly.symbolTable.symbols()[0];
  EXPECT_EQ(record.name, "TONE_1");
  EXPECT_EQ(record.value, 7);
  EXPECT_EQ(record.kind, SymbolKind::Handle);
  EXPECT_EQ(record.file, "inc/a.inc");
  EXPECT_EQ(record.line, 12);
  EXPECT_EQ(record.collisionNote, "");
  EXPECT_EQ(assembly.symbolTable.lookup("tone_1"), &record);

  std::int32_t value = 0;
  EXPECT_TRUE(assembly.symbolTable.lookupValue("tOnE_1", value));
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(assembly.symbolTable.lookupValue("TONE", value));
  EXPECT_TRUE(assembly.messages.empty());
  EXPECT_TRUE(assembly.collisions.empty());
}

TEST(SymbolTable, LabelDefinedTwiceKeepsFirstPlaceAndTakesSecondValue) {
  Assembly assembly;
  addSymbol(assembly, "lbl", 0x10, SymbolKind::Label, "a.asm", 3, "");
  addSymbol(assembly, "LBL", 0x20, SymbolKind::Label, "b.asm", 9, "");

  ASSERT_EQ(assembly.symbolTable.symbols().size(), 1u);
  const SymbolRecord& kept = assembly.symbolTable.symbols()[0];
  EXPECT_EQ(kept.name, "LBL");
  EXPECT_EQ(kept.value, 0x20);
  EXPECT_EQ(kept.file, "a.asm");
  EXPECT_EQ(kept.line, 3);
  EXPECT_EQ(kept.collisionNote, "Collisionlabel");
  EXPECT_EQ(assembly.messages.texts(), (std::vector<std::string>{
                                   "Duplicate symbol: LBL",
                                   "WARNING: b.asm:9: LBL is defined again (first defined at a.asm:3)"}));
  EXPECT_EQ(assembly.messages.at(0).place.file, "b.asm");
  EXPECT_EQ(assembly.messages.at(1).place.line, 9);

  ASSERT_EQ(assembly.collisions.size(), 1u);
  const SymbolCollision& collision = assembly.collisions[0];
  EXPECT_EQ(collision.message, "Duplicate symbol: LBL as label");
  EXPECT_EQ(collision.record.name, "LBL");
  EXPECT_EQ(collision.record.value, 0x20);
  EXPECT_EQ(collision.record.file, "b.asm");
  EXPECT_EQ(collision.record.line, 9);
  EXPECT_EQ(collision.record.collisionNote, "");

  SettleValues(assembly);
  EXPECT_EQ(valueOf(assembly, "lbl"), 0x20);
}

TEST(SymbolTable, EveryFurtherDefinitionExtendsTheNote) {
  Assembly assembly;
  define(assembly, "Tempo", "1");
  addSymbol(assembly, "TEMPO", 2, SymbolKind::Label, "b.asm", 4, "");
  addSymbol(assembly, "tempo", 3, SymbolKind::CBlockCell, "c.asm", 5, "");
  addSymbol(assembly, "tempo", 4, SymbolKind::Constant, "d.asm", 6, "4");

  const SymbolRecord& kept = assembly.symbolTable.symbols().at(0);
  EXPECT_EQ(kept.collisionNote, "Collisionlabel; symbol; symbol");
  EXPECT_EQ(kept.kind, SymbolKind::Constant);
  EXPECT_EQ(kept.definitionText, "1");
  EXPECT_EQ(kept.value, 4);
  ASSERT_EQ(assembly.messages.size(), 6u) << "each duplicate and its warning";
  EXPECT_EQ(assembly.messages.texts()[4], "Duplicate symbol: TEMPO");
  EXPECT_EQ(assembly.messages.texts()[5], "WARNING: d.asm:6: TEMPO is defined again (first defined at song.asm:1)");
  ASSERT_EQ(assembly.collisions.size(), 3u);
  EXPECT_EQ(assembly.collisions[0].message, "Duplicate symbol: TEMPO as label");
  EXPECT_EQ(assembly.collisions[1].message, "Duplicate symbol: TEMPO as symbol");
  EXPECT_EQ(assembly.collisions[2].record.definitionText, "4");
  EXPECT_EQ(assembly.collisions[2].record.kind, SymbolKind::Constant);

  Assembly constants;
  define(constants, "A", "1", 1);
  define(constants, "A", "2", 2);
  EXPECT_EQ(constants.symbolTable.symbols().at(0).collisionNote, "Collisionsymbol");
}

TEST(SymbolTable, RedefinedNameSettlesToItsFirstDefinition) {
  Assembly assembly;
  define(assembly, "A", "1", 1);
  define(assembly, "A", "2", 2);
  EXPECT_EQ(valueOf(assembly, "A"), 2);
  SettleValues(assembly);
  EXPECT_EQ(valueOf(assembly, "A"), 1);
}

TEST(SymbolTable, SettlingResolvesLaterDefinitions) {
  Assembly assembly;
  define(assembly, "B", "C + 1");
  define(assembly, "D", "UNKNOWN", 9);
  define(assembly, "C", "4", 4);
  SettleValues(assembly);
  EXPECT_EQ(valueOf(assembly, "B"), 5);
  EXPECT_EQ(valueOf(assembly, "D"), 9) << "a failed evaluation changes nothing";
  EXPECT_EQ(assembly.symbolTable.symbols()[0].value, 5);
}

TEST(SymbolTable, SettlingStopsAfterSixRounds) {
  // N0 EQU N1+1, ..., N8 EQU N9+1, N9 EQU 1: each round resolves one more
  // link from the end, so six rounds leave N0 to N2 stale.
  Assembly assembly;
  for (int i = 0; i < 9; ++i) define(assembly, "N" + std::to_string(i), "N" + std::to_string(i + 1) + "+1");
  define(assembly, "N9", "1", 1);
  SettleValues(assembly);
  for (int i = 0; i < 10; ++i) {
    const std::int32_t expected = i < 3 ? 6 : 10 - i;
    EXPECT_EQ(valueOf(assembly, "N" + std::to_string(i)), expected) << i;
  }
}

TEST(SymbolTable, LocationReadsZeroWhileSettling) {
  Assembly assembly;
  setLocationValue(0x50);
  define(assembly, "X", "$", 0x50);
  SettleValues(assembly);
  EXPECT_EQ(valueOf(assembly, "X"), 0);
  EXPECT_EQ(locationValue(), 0);
}

TEST(SymbolTable, AssemblerEvaluatorReadsSymbolsAndLocation) {
  Assembly assembly;
  addSymbol(assembly, "Start", 0x100, SymbolKind::Label, "a.asm", 1, "");
  setLocationValue(0x30);
  std::int32_t value = 0;
  EXPECT_TRUE(assemblerEvaluator(assembly).evaluate("start+$", value));
  EXPECT_EQ(value, 0x130);
  setLocationValue(0);
}

// Numbers skip the lookup only while no name starts with a digit.
TEST(SymbolTable, NameWithLeadingDigitWinsOverTheNumberItSpells) {
  Assembly assembly;
  define(assembly, "TONE", "", 7);
  const ExpressionEvaluator evaluator = assemblerEvaluator(assembly);
  std::int32_t value = 0;
  EXPECT_TRUE(evaluator.evaluate("10h+TONE", value));
  EXPECT_EQ(value, 0x17);

  define(assembly, "10h", "", 3);
  EXPECT_TRUE(evaluator.evaluate("10H+TONE", value));
  EXPECT_EQ(value, 10);
  EXPECT_TRUE(evaluator.evaluate("12+TONE", value));
  EXPECT_EQ(value, 19);
}

TEST(SymbolTable, NameOrderPutsUnderscoreBeforeLetters) {
  Assembly assembly;
  for (const char* name : {"b", "_z", "a2", "A", "Z_", "ZA"}) define(assembly, name, "");
  std::vector<std::string> inNameOrder;
  assembly.symbolTable.forEachInNameOrder([&](const SymbolRecord& record) { inNameOrder.push_back(record.name); });
  EXPECT_EQ(inNameOrder, (std::vector<std::string>{"_Z", "A", "A2", "B", "Z_", "ZA"}));

  std::vector<std::string> inDefinitionOrder;
  for (const SymbolRecord& record : assembly.symbolTable.symbols()) inDefinitionOrder.push_back(record.name);
  EXPECT_EQ(inDefinitionOrder, (std::vector<std::string>{"B", "_Z", "A2", "A", "Z_", "ZA"}));
}

}  // namespace
}  // namespace qv
