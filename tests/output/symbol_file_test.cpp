#include "output/symbol_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/words.h"

namespace qv {
namespace {

SymbolRecord symbol(std::string name, std::int32_t value, SymbolKind kind, std::string file = "/p/song.asm",
                    std::int32_t line = 1) {
  SymbolRecord record;
  record.name = std::move(name);
  record.value = value;
  record.kind = kind;
  record.file = std::move(file);
  record.line = line;
  return record;
}

const std::string kDefaultHeader = "Seq   Name    Hex   Dec    Type        File        Line\r\n";

struct Section {
  std::string title;
  std::vector<std::vector<std::string>> rows;  // the cells of each row
};

std::vector<Section> parseSections(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));

  std::vector<Section> sections;
  bool header = false;
  for (const std::string& line : lines) {
    const std::string startMark = " Start";
    if (line.size() > startMark.size() && line.substr(line.size() - startMark.size()) == startMark) {
      sections.push_back({line.substr(0, line.size() - startMark.size()), {}});
      header = true;
    } else if (header) {
      header = false;
    } else if (!line.empty() && line != sections.back().title + " End") {
      sections.back().rows.push_back(splitWords(line));
    }
  }
  return sections;
}

TEST(SymbolFile, NoSymbolsGiveAnEmptyText) { EXPECT_EQ(makeSymbolFile({}), ""); }

TEST(SymbolFile, OneSectionEndsWithoutLineBreak) {
  EXPECT_EQ(makeSymbolFile({symbol("START", 4, SymbolKind::Label, "/p/song.asm", 12),
                            symbol("AX", 0, SymbolKind::Label, "C:\\p\\song.asm", 3)}),
            "Labels Start\r\n" + kDefaultHeader +
                "2     AX      0000  0      Label       song.asm    3\r\n"
                "1     START   0004  4      Label       song.asm    12\r\n"
                "Labels End");
}

TEST(SymbolFile, SectionsAreSeparatedByAnEmptyLine) {
  EXPECT_EQ(makeSymbolFile({symbol("K", -1, SymbolKind::Constant, "song.asm", 5),
                            symbol("START", 4, SymbolKind::Label, "/p/song.asm", 12)}),
            "Labels Start\r\n" + kDefaultHeader +
                "2     START   0004  4      Label       song.asm    12\r\n"
                "Labels End\r\n"
                "\r\n"
                "Constants Start\r\n" +
                kDefaultHeader +
                "1     K       FFFF  -1     Constant    song.asm    5\r\n"
                "Constants End");
}

TEST(SymbolFile, WidthsFollowTheLongestCellOfEachSection) {
  const std::string name20 = "ABCDEFGHIJKLMNOPQRST";
  EXPECT_EQ(makeSymbolFile({symbol(name20, INT_MIN, SymbolKind::Label, "/p/a_long_name.asm", 7),
                            symbol("K", 1, SymbolKind::Constant, "/p/s.asm", 8)}),
            "Labels Start\r\n"
            "Seq   Name" + std::string(18, ' ') + "Hex   Dec" + std::string(10, ' ') + "Type        File" +
                std::string(13, ' ') + "Line\r\n" +
                "1     " + name20 + "  0000  -2147483648  Label       a_long_name.asm  7\r\n"
                "Labels End\r\n"
                "\r\n"
                "Constants Start\r\n" +
                kDefaultHeader +
                "2     K       0001  1      Constant    s.asm       8\r\n"
                "Constants End");
}

TEST(SymbolFile, RowsSortByValueThenNameThenSequence) {
  std::vector<Section> sections = parseSections(makeSymbolFile({
      symbol("FIVE", 5, SymbolKind::Constant),
      symbol("AX", 7, SymbolKind::Constant),
      symbol("dup", 9, SymbolKind::Constant),
      symbol("MINUS", -1, SymbolKind::Constant),
      symbol("_X", 7, SymbolKind::Constant),
      symbol("DUP", 9, SymbolKind::Constant),
      symbol("ZERO", 0, SymbolKind::Constant),
      symbol("TEN", 10, SymbolKind::Constant),
  }));
  ASSERT_EQ(sections.size(), 1u);
  std::vector<std::string> order;
  for (const auto& row : sections[0].rows) order.push_back(row[0] + " " + row[1]);
  EXPECT_EQ(order, (std::vector<std::string>{"4 MINUS", "7 ZERO", "1 FIVE", "5 _X", "2 AX", "3 dup", "6 DUP",
                                             "8 TEN"}));
}

TEST(SymbolFile, SectionsByKindThenByStandardIncludeFile) {
  std::vector<Section> sections = parseSections(makeSymbolFile({
      symbol("OPC", 1, SymbolKind::Label, "C:\\inc\\QVX5_SND_CMD.INC"),
      symbol("MAC", 2, SymbolKind::Constant, "/x/qvx5_snd_macs.inc"),
      symbol("MINE", 3, SymbolKind::Constant, "/p/MYQVX5_SND_CMD.INC"),
      symbol("OWN", 4, SymbolKind::Constant, "/p/QVXA_QVX5_SND_CMD.INC"),
      symbol("ODD", 5, static_cast<SymbolKind>(9)),
      symbol("CELL", 6, SymbolKind::CBlockCell),
      symbol("HNDL_HORN", 7, SymbolKind::Handle),
      symbol("VAR", 8, SymbolKind::Variable),
      symbol("LBL", 9, SymbolKind::Label),
      symbol("SHORT", 10, SymbolKind::Label, "/p/QVX.INC"),
  }));
  struct Expected {
    std::string title;
    std::vector<std::string> nameTypeFile;
  };
  const std::vector<Expected> expected = {
      {"Labels", {"LBL Label song.asm", "SHORT Label QVX.INC"}},
      {"Constants", {"MINE Constant MYQVX5_SND_CMD.INC"}},
      {"Variables", {"VAR Variable song.asm"}},
      {"Handles", {"HNDL_HORN Handle song.asm"}},
      {"C Block Cells", {"CELL CBlockCell song.asm"}},
      {"Other Symbols", {"ODD Constant song.asm"}},
      {"QVX _snd_cmd.inc", {"OPC Label QVX5_SND_CMD.INC", "OWN Constant QVXA_QVX5_SND_CMD.INC"}},
      {"QVX _snd_macs.inc", {"MAC Constant qvx5_snd_macs.inc"}},
  };
  ASSERT_EQ(sections.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(sections[i].title, expected[i].title);
    std::vector<std::string> nameTypeFile;
    for (const auto& row : sections[i].rows) nameTypeFile.push_back(row[1] + " " + row[4] + " " + row[5]);
    EXPECT_EQ(nameTypeFile, expected[i].nameTypeFile) << expected[i].title;
  }
}

}  // namespace
}  // namespace qv
