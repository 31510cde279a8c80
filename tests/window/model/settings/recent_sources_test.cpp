#include "window/model/settings/recent_sources.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using List = std::vector<std::string>;

TEST(ParseRecentSources, BarWinsOverAnEarlierSemicolon) {
  EXPECT_EQ(ParseRecentSources("a;b|c"), (List{"a;b", "c"}));
  EXPECT_EQ(ParseRecentSources("a;b;c"), (List{"a", "b", "c"}));
  EXPECT_EQ(ParseRecentSources("a;b|c;d"), (List{"a;b", "c", "d"}));
}

TEST(ParseRecentSources, TrimsSkipsEmptyAndKeepsDuplicates) {
  EXPECT_EQ(ParseRecentSources("  /p/a.asm |||\t| /p/A.asm|/p/a.asm "), (List{"/p/a.asm", "/p/A.asm", "/p/a.asm"}));
  EXPECT_EQ(ParseRecentSources(""), List{});
  EXPECT_EQ(ParseRecentSources(" ; "), List{});
}

TEST(ParseRecentSources, KeepsTheFirstTen) {
  List parsed = ParseRecentSources("s1|s2|s3|s4|s5|s6|s7|s8|s9|s10|s11");
  ASSERT_EQ(parsed.size(), 10u);
  EXPECT_EQ(parsed.back(), "s10");
}

TEST(JoinRecentSources, SkipsEmptyEntries) {
  EXPECT_EQ(JoinRecentSources({"a", "", "b;c"}), "a|b;c");
  EXPECT_EQ(JoinRecentSources({}), "");
}

TEST(AddRecentSource, MovesACaseVariantToTheFrontWrittenTheNewWay) {
  List sources{"/p/one.asm", "/p/Song.asm", "/p/two.asm"};
  AddRecentSource(sources, "  /P/song.ASM ");
  EXPECT_EQ(sources, (List{"/P/song.ASM", "/p/one.asm", "/p/two.asm"}));
}

TEST(AddRecentSource, IgnoresEmptyAndTheMarkerAndKeepsTen) {
  List sources{"a"};
  AddRecentSource(sources, "   ");
  AddRecentSource(sources, "<no source selected>");
  EXPECT_EQ(sources, List{"a"});
  AddRecentSource(sources, "<NO SOURCE SELECTED>");
  EXPECT_EQ(sources.front(), "<NO SOURCE SELECTED>");

  List full{"s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10", "s11", "s12"};
  AddRecentSource(full, "new");
  EXPECT_EQ(full, (List{"new", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}));
}

TEST(RecentCombo, ItemsAreSortedIgnoringCaseAndSelectionFollowsTheSource) {
  List items = RecentComboItems({"/p/b.asm", "", "/P/a.asm", "c:/x.asm"});
  EXPECT_EQ(items, (List{"<no source selected>", "/P/a.asm", "/p/b.asm", "c:/x.asm"}));
  EXPECT_EQ(RecentComboSelection(items, "/p/B"), 2);
  EXPECT_EQ(RecentComboSelection(items, ""), 0);
  EXPECT_EQ(RecentComboSelection(items, "/q/z.asm"), -1);
}

}  // namespace
}  // namespace qv
