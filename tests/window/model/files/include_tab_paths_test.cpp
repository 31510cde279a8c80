// Which files of a compile get tabs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "window/model/files/include_tab_paths.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<SourceLine> linesFrom(const std::vector<std::string>& files) {
  std::vector<SourceLine> lines;
  for (const std::string& file : files) {
    SourceLine line;
    line.file = test::kept(file);
    lines.push_back(line);
  }
  return lines;
}

TEST(IncludeTabPaths, FilesOnDiskInOrderOfFirstUseWithoutTheMainSource) {
  test::TempFolder folder;
  std::string main = folder.write("Song.asm", "");
  std::string b = folder.write("b.inc", "");
  std::string a = folder.write("a.inc", "");
  std::string upperB = folder.file("B.INC");
  std::string carried = folder.file("QVX5_SND_CMD.INC");
  std::vector<SourceLine> lines =
      linesFrom({main, b, b, main, "", carried, a, upperB, b, folder.file("SONG.ASM"), a});
  EXPECT_THAT(IncludeTabPaths(LineOriginsOf(lines), main), ElementsAre(b, a));
}

TEST(IncludeTabPaths, NoLinesNoTabs) { EXPECT_THAT(IncludeTabPaths({}, "/p/song.asm"), IsEmpty()); }

}  // namespace
}  // namespace qv
