#include "window/model/tabs/tab_label.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SplitTabTitle, NameOverExtensionOrCutAtTheBudget) {
  struct Case {
    std::string title;
    int budget;
    std::string lines;
  };
  const std::string twenty = "abcdefghijklmnopqrst";
  const std::string thirty = "abcdefghijklmnopqrstuvwxyzABCD";
  for (const Case& c : std::vector<Case>{
           {twenty, 12, "abcdefghijkl\r\nmnopqrst"},
           {thirty, 12, "abcdefghijkl\r\n...vwxyzABCD"},
           {"averyveryverylongname.asm", 12, "avery...name\r\n.asm"},
           {"averyveryverylongname_1.inc", 19, "averyver...ngname_1\r\n.inc"},
           {"averyveryverylongname_2.inc", 19, "averyver...ngname_2\r\n.inc"},
           {"song.mk2.asm", 12, "song.mk2\r\n.asm"},
           {"song.mk2.MAP", 12, "song.mk2\r\n.MAP"},
           {"Log", 12, "Log"},
           // Words are kept whole when a blank allows it.
           {"<no source selected>", 12, "<no source\r\nselected>"},
           {"one two threefourfivesix", 12, "one two thre\r\nefourfivesix"},
           {"", 12, ""},
           {"song.asm", 0, "song.asm"},
           {"song.asm", -3, "song.asm"},
           // A dot that starts or ends the title is no extension.
           {".hidden", 12, ".hidden"},
           {"name.", 12, "name."},
           {"abcdef.x", 3, "a...\r\n.x"},
           {"abcdefghijklmnop", 4, "abcd\r\nefgh"},
           {"abcdefghijklmnop", 5, "abcde\r\n...op"},
       }) {
    EXPECT_EQ(SplitTabTitle(c.title, c.budget), c.lines) << c.title << " / " << c.budget;
  }
}

TEST(TabLabelBudget, FollowsTheTextWidth) {
  EXPECT_EQ(TabLabelBudget(200, std::nullopt), 12);
  EXPECT_EQ(TabLabelBudget(16, 8), 4);
  EXPECT_EQ(TabLabelBudget(100, 10), 12);
  EXPECT_EQ(TabLabelBudget(216, 10), 20);
  EXPECT_EQ(TabLabelBudget(5000, 10), 120);
  EXPECT_EQ(TabLabelBudget(30, 0), 14);
}

TEST(TabLabelLineHeight, IsTheLetterHeightPlusTwoAtLeastFourteen) {
  EXPECT_EQ(TabLabelLineHeight(std::nullopt), 16);
  EXPECT_EQ(TabLabelLineHeight(10), 14);
  EXPECT_EQ(TabLabelLineHeight(20), 22);
}

TEST(LayoutTabLabel, TwoLinesInsetSixPixels) {
  TabLabelLayout layout = LayoutTabLabel({10, 0, 100, 52}, "song.asm", 8, 13);
  EXPECT_EQ(layout.textRect, (PixelRect{16, 0, 88, 52}));
  EXPECT_EQ(layout.firstLine, "song");
  ASSERT_TRUE(layout.secondLine);
  EXPECT_EQ(*layout.secondLine, ".asm");
  EXPECT_EQ(layout.secondLineRect, (PixelRect{16, 15, 88, 37}));
}

TEST(LayoutTabLabel, OneLineOrNoRoomForTheSecond) {
  EXPECT_FALSE(LayoutTabLabel({0, 0, 60, 52}, "Log", 8, 13).secondLine);
  TabLabelLayout flat = LayoutTabLabel({0, 0, 100, 12}, "song.asm", 8, 13);
  EXPECT_EQ(flat.firstLine, "song");
  EXPECT_FALSE(flat.secondLine);
}

TEST(LayoutTabLabel, ReadsAtMost255BytesOfTheLabel) {
  std::string label = std::string(300, 'a') + ".asm";
  TabLabelLayout layout = LayoutTabLabel({0, 0, 100, 52}, label, 8, 13);
  EXPECT_EQ(layout.firstLine, std::string(12, 'a'));
  ASSERT_TRUE(layout.secondLine);
  EXPECT_EQ(*layout.secondLine, "..." + std::string(9, 'a'));
}

}  // namespace
}  // namespace qv
