// Reading a symbol name from a line of the Symbols tab.
#include <gtest/gtest.h>

#include "window/model/navigation/symbol_row.h"

namespace qv {
namespace {

TEST(SymbolRow, NamesFromRowsOfTheSymbolFileAndTheTable) {
  struct Case {
    const char* line;
    std::optional<std::string> name;
  };
  for (const Case& c : {
           Case{"157   IDLE_LOOP     0010  16     Label       demo.asm    37", "IDLE_LOOP"},
           Case{"0001  LOOP    1234  4660   Label       x.inc       12", "LOOP"},
           Case{"\tCHUFF_TOP, more", "CHUFF_TOP"},
           Case{"12 NAME,, 3", "NAME"},
           Case{"Labels Start", "Labels"},
           Case{"Seq   Name    Hex   Dec", std::nullopt},
           Case{"SEQ x", std::nullopt},
           Case{"", std::nullopt},
           Case{" \t\r\n", std::nullopt},
           Case{"0005  FACE  0001  1  Constant  f  2", std::nullopt},
           Case{"0005  FACE  X_1", "X_1"},
           Case{"0005  FACE", std::nullopt},
           Case{"0005", std::nullopt},
           Case{"LONE", ""},
       }) {
    EXPECT_EQ(NameFromSymbolsLine(c.line), c.name) << c.line;
  }
}

}  // namespace
}  // namespace qv
