#include "assembler/handle_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/assembly.h"

namespace qv {
namespace {

struct Defined {
  std::string name;
  std::int32_t value;
  SymbolKind kind = SymbolKind::Handle;
};

std::string mapOf(const std::vector<Defined>& definitions) {
  Assembly assembly;
  for (const Defined& definition : definitions) {
    SymbolRecord record;
    record.name = definition.name;
    record.value = definition.value;
    record.kind = definition.kind;
    assembly.symbolTable.insert(record);
  }
  return HandleMap(assembly.symbolTable);
}

TEST(HandleMap, NoHandlesGiveAnEmptyText) {
  EXPECT_EQ(mapOf({}), "");
  EXPECT_EQ(mapOf({{"LOOPS", 3, SymbolKind::Constant}}), "");
}

TEST(HandleMap, ListsHandlesByNumberWithoutTheMuteHandle) {
  EXPECT_EQ(mapOf({{"HNDL_HORN", 1}, {"HNDL_BELL", 2}, {"HNDL_MUTE", 3}}), "1 HORN\r\n2 BELL\r\n");
  EXPECT_EQ(mapOf({{"hndl_mute", 4}}), "");
}

TEST(HandleMap, LeavesOutHandlesAtZeroOrBelowAndOtherKinds) {
  EXPECT_EQ(mapOf({{"HNDL_FIRST", 0},
                   {"HNDL_NEG", -5},
                   {"HNDL_EQU", 6, SymbolKind::Constant},
                   {"HNDL_CELL", 7, SymbolKind::CBlockCell},
                   {"HNDL_LBL", 8, SymbolKind::Label},
                   {"HNDL_KEEP", 9}}),
            "9 KEEP\r\n");
}

TEST(HandleMap, SortsBySignedValueAndKeepsNameOrderAmongEqualValues) {
  EXPECT_EQ(mapOf({{"HNDL_TEN", 10}, {"HNDL_ZED", 5}, {"HNDL_NINE", 9}, {"HNDL_ALPHA", 5}, {"HNDL_M", 5}}),
            "5 ALPHA\r\n5 M\r\n5 ZED\r\n9 NINE\r\n10 TEN\r\n");
}

TEST(HandleMap, DisplayNames) {
  struct Case {
    std::string name;
    std::string line;
  };
  const std::vector<Case> cases = {
      {"HNDL_SPARE_RESERVED", "7 SPARE_reserved\r\n"},
      {"HNDL_X_RESERVED_2", "7 X_RESERVED_2\r\n"},
      {"HNDL__RESERVED", "7 _reserved\r\n"},
      {"HNDL_TAIL,;", "7 TAIL\r\n"},
      {"HNDL_GAP_RESERVED;,", "7 GAP_reserved\r\n"},
      {"HNDL_", "7 HNDL_\r\n"},
      {"HORN", "7 HORN\r\n"},
      {"XYZ_HORN", "7 ORN\r\n"},
      {"HNDL_,;", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(mapOf({{c.name, 7}}), c.line) << c.name;
}

}  // namespace
}  // namespace qv
