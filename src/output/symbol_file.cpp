#include "output/symbol_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "output/hex_digits.h"
#include "platform/paths.h"
#include "preprocess/text.h"

namespace qv {

namespace {

constexpr std::string_view kDefinitionsInclude = "QVX5_SND_CMD.INC";
constexpr std::string_view kMacrosInclude = "QVX5_SND_MACS.INC";

// Kind sections first, in display order, then the two standard includes.
enum Section : std::size_t {
  kLabels,
  kConstants,
  kVariables,
  kHandles,
  kCBlockCells,
  kOtherSymbols,
  kDefinitionsSection,
  kMacrosSection,
  kSectionCount
};

enum Column : std::size_t { kSeq, kName, kHex, kDec, kType, kFile, kLine, kColumnCount };

constexpr std::array<const char*, kColumnCount> kHeadings = {"Seq", "Name", "Hex", "Dec", "Type", "File", "Line"};
constexpr std::array<std::size_t, kColumnCount> kMinimumWidths = {4, 6, 4, 5, 10, 10, 0};
constexpr std::size_t kColumnGap = 2;

struct Entry {
  std::size_t sequence;  // 1-based position in first-definition order
  const SymbolRecord* record;
};

using Cells = std::array<std::string, kColumnCount>;

// A project's own copy of a standard include counts as that include, as
// long as its name starts like the carried one.
bool isStandardIncludeName(std::string_view upperName, std::string_view include) {
  return upperName.size() >= include.size() && upperName.substr(0, 3) == "QVX" &&
         upperName.substr(upperName.size() - include.size()) == include;
}

Section sectionOf(const SymbolRecord& record) {
  const std::string upperName = toUpperAscii(fileNameOf(record.file));
  if (isStandardIncludeName(upperName, kDefinitionsInclude)) return kDefinitionsSection;
  if (isStandardIncludeName(upperName, kMacrosInclude)) return kMacrosSection;
  switch (record.kind) {
    case SymbolKind::Label: return kLabels;
    case SymbolKind::Constant: return kConstants;
    case SymbolKind::Variable: return kVariables;
    case SymbolKind::Handle: return kHandles;
    case SymbolKind::CBlockCell: return kCBlockCells;
  }
  return kOtherSymbols;
}

std::string sectionTitle(Section section, const std::vector<Entry>& entries) {
  switch (section) {
    case kDefinitionsSection: return "QVX _snd_cmd.inc";
    case kMacrosSection: return "QVX _snd_macs.inc";
    default:
      // Every entry of a kind section shares the group title of its kind.
      return symbolKindGroupTitle(entries.front().record->kind);
  }
}

// Made again when the rows are written rather than kept, so a large table
// costs no more than its text.
Cells cellsOf(const Entry& entry) {
  const SymbolRecord& record = *entry.record;
  std::string hex;
  appendHexWord(hex, static_cast<std::uint16_t>(static_cast<std::uint32_t>(record.value) & 0xFFFF));
  return {std::to_string(entry.sequence), record.name,          std::move(hex),
          std::to_string(record.value),   symbolKindWord(record.kind), fileNameOf(record.file),
          std::to_string(record.line)};
}

bool entryLess(const Entry& a, const Entry& b) {
  if (a.record->value != b.record->value) return a.record->value < b.record->value;
  int byName = compareNoCase(a.record->name, b.record->name);
  if (byName != 0) return byName < 0;
  return a.sequence < b.sequence;
}

template <typename CellTexts>
void appendRow(std::string& text, const CellTexts& cells, const std::array<std::size_t, kColumnCount>& widths) {
  for (std::size_t column = 0; column < kLine; ++column) {
    std::string_view cell = cells[column];
    text.append(cell);
    text.append(widths[column] - cell.size(), ' ');
  }
  text.append(cells[kLine]);
  text.append("\r\n");
}

void appendTable(std::string& text, const std::vector<Entry>& entries) {
  std::array<std::size_t, kColumnCount> widths = kMinimumWidths;
  for (const Entry& entry : entries) {
    const Cells cells = cellsOf(entry);
    for (std::size_t column = 0; column < kLine; ++column) {
      widths[column] = std::max(widths[column], cells[column].size());
    }
  }
  for (std::size_t column = 0; column < kLine; ++column) widths[column] += kColumnGap;

  appendRow(text, kHeadings, widths);
  for (const Entry& entry : entries) appendRow(text, cellsOf(entry), widths);
}

}  // namespace

std::string makeSymbolFile(const std::vector<SymbolRecord>& symbols) {
  std::array<std::vector<Entry>, kSectionCount> sections;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    sections[sectionOf(symbols[i])].push_back(Entry{i + 1, &symbols[i]});
  }

  std::string text;
  for (std::size_t section = 0; section < kSectionCount; ++section) {
    std::vector<Entry>& entries = sections[section];
    if (entries.empty()) continue;
    std::sort(entries.begin(), entries.end(), entryLess);
    const std::string title = sectionTitle(static_cast<Section>(section), entries);
    if (!text.empty()) text.append("\r\n");
    text.append(title).append(" Start\r\n");
    appendTable(text, entries);
    text.append(title).append(" End\r\n");
  }
  // The file ends right after the last " End", without a line break.
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

}  // namespace qv
