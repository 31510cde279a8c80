#include "assembler/name_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

std::vector<SymbolRecord> recordsNamed(int count) {
  std::vector<SymbolRecord> records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) records[static_cast<std::size_t>(i)].name = "NAME_" + std::to_string(i);
  return records;
}

// Enough names to make the slots grow several times over.
TEST(NameIndex, FindsEveryNameInAnyLetterCaseAfterGrowing) {
  const std::vector<SymbolRecord> records = recordsNamed(5000);
  NameIndex index;
  for (std::size_t i = 0; i < records.size(); ++i) ASSERT_EQ(index.insert(records[i].name, i, records).second, true);
  for (std::size_t i = 0; i < records.size(); ++i) {
    ASSERT_EQ(index.find("name_" + std::to_string(i), records), i);
  }
  EXPECT_EQ(index.insert("Name_7", 5000, records), (std::pair<std::size_t, bool>{7, false}));
  EXPECT_FALSE(index.find("NAME_5000", records));
  EXPECT_FALSE(index.find("NAME_", records));
  EXPECT_FALSE(index.find("", records));
}

TEST(NameIndex, EmptyAndClearedIndexFindNothing) {
  const std::vector<SymbolRecord> records = recordsNamed(3);
  NameIndex index;
  EXPECT_FALSE(index.find("NAME_0", records));
  for (std::size_t i = 0; i < records.size(); ++i) index.insert(records[i].name, i, records);
  EXPECT_EQ(index.find("Name_2", records), 2u);
  index.clear();
  EXPECT_FALSE(index.find("NAME_2", records));
}

}  // namespace
}  // namespace qv
