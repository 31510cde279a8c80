#include "output/symbol_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>
#include <utility>

#include "output/hex_digits.h"
#include "platform/paths.h"
#include "common/text.h"

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

// A project's own copy of a standard include counts as that include, as
// long as its name starts like the carried one.
bool isStandardIncludeName(std::string_view fileName, std::string_view include) {
  return fileName.size() >= include.size() && startsWithNoCase(fileName, "QVX") &&
         equalsNoCase(fileName.substr(fileName.size() - include.size()), include);
}

Section sectionOf(const SymbolRecord& record) {
  const std::string_view fileName = fileNameView(record.file);
  if (isStandardIncludeName(fileName, kDefinitionsInclude)) return kDefinitionsSection;
  if (isStandardIncludeName(fileName, kMacrosInclude)) return kMacrosSection;
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

// The cell texts of one entry. Made again when the rows are written rather
// than kept, so a large table costs no more than its text; the numbers are
// written into the object itself, so making them allocates nothing.
class Cells {
 public:
  explicit Cells(const Entry& entry) {
    const SymbolRecord& record = *entry.record;
    appendHexWord(hex_, static_cast<std::uint16_t>(static_cast<std::uint32_t>(record.value) & 0xFFFF));
    texts_ = {number(kSeq, entry.sequence),  record.name,
              hex_,                          number(kDec, record.value),
              symbolKindWord(record.kind),   fileNameView(record.file),
              number(kLine, record.line)};
  }
  // The texts point into the object.
  Cells(const Cells&) = delete;
  Cells& operator=(const Cells&) = delete;

  std::string_view operator[](std::size_t column) const { return texts_[column]; }

 private:
  template <typename Number>
  std::string_view number(Column column, Number value) {
    std::array<char, kNumberSize>& buffer = numbers_[column];
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
  }

  static constexpr std::size_t kNumberSize = 24;  // room for any 64-bit number
  std::array<std::array<char, kNumberSize>, kColumnCount> numbers_;
  std::string hex_;  // four digits: held without allocating
  std::array<std::string_view, kColumnCount> texts_;
};

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
  std::size_t lineCellWidth = std::string_view(kHeadings[kLine]).size();
  for (const Entry& entry : entries) {
    const Cells cells(entry);
    for (std::size_t column = 0; column < kLine; ++column) {
      widths[column] = std::max(widths[column], cells[column].size());
    }
    lineCellWidth = std::max(lineCellWidth, cells[kLine].size());
  }
  std::size_t rowLength = lineCellWidth + 2;
  for (std::size_t column = 0; column < kLine; ++column) {
    widths[column] += kColumnGap;
    rowLength += widths[column];
  }
  // Room for the whole table and the section's closing lines, so that the
  // text is not moved as it grows.
  constexpr std::size_t kClosingLines = 64;
  text.reserve(text.size() + (entries.size() + 1) * rowLength + kClosingLines);

  appendRow(text, kHeadings, widths);
  for (const Entry& entry : entries) appendRow(text, Cells(entry), widths);
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
