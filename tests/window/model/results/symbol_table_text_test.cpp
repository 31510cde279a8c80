// The Symbols tab's own table.
#include <gtest/gtest.h>

#include "window/model/results/symbol_table_text.h"

namespace qv {
namespace {

SymbolRecord symbol(std::string name, std::int32_t value, int kind, std::string file, std::int32_t line) {
  SymbolRecord record;
  record.name = std::move(name);
  record.value = value;
  record.kind = static_cast<SymbolKind>(kind);
  record.file = std::move(file);
  record.line = line;
  return record;
}

TEST(SymbolTableText, HeaderAndRowsPaddedToTheMinimumWidths) {
  std::vector<SymbolRecord> symbols = {symbol("A", -1, 0, "C:\\p\\song.asm", 3),
                                       symbol("LOOP", 0x1234, 2, "/p/x.inc", 12)};
  EXPECT_EQ(FormatSymbolTable(symbols),
            "Seq   Name    Hex   Dec    Type        File        Line\r\n"
            "0001  A       FFFF  -1     Constant    song.asm    3\r\n"
            "0002  LOOP    1234  4660   Label       x.inc       12");
}

TEST(SymbolTableText, ColumnsGrowToTheirLongestCell) {
  std::vector<SymbolRecord> symbols = {symbol("A_LONGER_NAME", -100000, 4, "a_rather_long.inc", 1)};
  EXPECT_EQ(FormatSymbolTable(symbols),
            "Seq   Name           Hex   Dec      Type        File               Line\r\n"
            "0001  A_LONGER_NAME  7960  -100000  CBlockCell  a_rather_long.inc  1");
}

TEST(SymbolTableText, TypeWordsByKind) {
  std::vector<SymbolRecord> symbols;
  for (int kind : {0, 1, 2, 3, 4, 9}) symbols.push_back(symbol("S", kind, kind, "f", 1));
  std::string table = FormatSymbolTable(symbols);
  for (const char* row : {"0001  S       0000  0      Constant    f           1",
                          "0002  S       0001  1      Variable    f           1",
                          "0003  S       0002  2      Label       f           1",
                          "0004  S       0003  3      Handle      f           1",
                          "0005  S       0004  4      CBlockCell  f           1",
                          "0006  S       0009  9      Constant    f           1"}) {
    EXPECT_NE(table.find(row), std::string::npos) << row;
  }
}

TEST(SymbolTableText, TabsInAFileNameGoToFourColumnStops) {
  std::string table = FormatSymbolTable({symbol("S", 0, 0, "/p/a\tbcdef\tg.inc", 1)});
  EXPECT_NE(table.find("a   bcdef   g.inc  1"), std::string::npos) << table;
}

TEST(SymbolTableText, SequenceNumbersWidenPastFourDigits) {
  std::vector<SymbolRecord> symbols(10000, symbol("S", 0, 0, "f", 1));
  std::string table = FormatSymbolTable(symbols);
  EXPECT_EQ(table.substr(0, 6), "Seq   ");
  EXPECT_NE(table.find("\r\n10000  S "), std::string::npos);
  EXPECT_NE(table.find("\r\n0001   S "), std::string::npos);
}

TEST(SymbolTableText, NoSymbolsGiveTheHeaderOnly) {
  EXPECT_EQ(FormatSymbolTable({}), "Seq   Name    Hex   Dec    Type        File        Line\r\n");
}

}  // namespace
}  // namespace qv
