#include "window/model/results/symbol_table_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "platform/paths.h"

namespace qv {

namespace {

constexpr std::size_t kColumns = 6;
constexpr std::array<const char*, kColumns> kHeaders = {"Seq", "Name", "Hex", "Dec", "Type", "File"};
constexpr std::array<std::size_t, kColumns> kMinimumWidths = {4, 6, 4, 5, 10, 10};

using Row = std::array<std::string, kColumns>;

// A file name in the table: tabs become blanks up to the next 4-column stop.
std::string fileCell(const std::string& file) {
  std::string name = fileNameOf(file);
  std::string cell;
  for (char c : name) {
    if (c == '\t') {
      cell.append(4 - cell.size() % 4, ' ');
    } else {
      cell += c;
    }
  }
  return cell;
}

Row rowOf(std::size_t sequence, const SymbolRecord& symbol) {
  char seq[24];
  std::snprintf(seq, sizeof seq, "%04zu", sequence);
  char hex[8];
  std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(static_cast<std::uint16_t>(symbol.value)));
  return {seq, symbol.name, hex, std::to_string(symbol.value), symbolKindWord(symbol.kind), fileCell(symbol.file)};
}

void appendPadded(std::string& text, const std::string& cell, std::size_t width) {
  text += cell;
  text.append(width + 2 - cell.size(), ' ');
}

}  // namespace

std::string FormatSymbolTable(const std::vector<SymbolRecord>& symbols) {
  std::vector<Row> rows;
  rows.reserve(symbols.size());
  std::array<std::size_t, kColumns> widths = kMinimumWidths;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    rows.push_back(rowOf(i + 1, symbols[i]));
    for (std::size_t column = 0; column < kColumns; ++column) {
      widths[column] = std::max(widths[column], rows.back()[column].size());
    }
  }

  std::string table;
  for (std::size_t column = 0; column < kColumns; ++column) appendPadded(table, kHeaders[column], widths[column]);
  table += "Line\r\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i != 0) table += "\r\n";
    for (std::size_t column = 0; column < kColumns; ++column) appendPadded(table, rows[i][column], widths[column]);
    table += std::to_string(symbols[i].line);
  }
  return table;
}

}  // namespace qv
