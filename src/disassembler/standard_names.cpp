#include "disassembler/standard_names.h"

#include <algorithm>
#include <map>
#include <optional>

#include "assembler/line_classification.h"
#include "assembler/statement.h"
#include "common/text.h"

namespace qv {

namespace {

const std::string kNoName;
// More members than this in a sum group: too many sums to weigh.
constexpr std::size_t kLargestSumGroup = 12;

class DefinitionLookup : public SymbolLookup {
 public:
  bool lookupValue(std::string_view name, std::int32_t& value) const override {
    auto found = values_.find(name);
    if (found == values_.end()) return false;
    value = found->second;
    return true;
  }
  bool add(const std::string& name, std::int32_t value) { return values_.emplace(name, value).second; }

 private:
  std::map<std::string, std::int32_t, NoCaseLess> values_;
};

std::string_view codeOf(std::string_view line) {
  std::size_t comment = std::min(line.find(';'), line.find("//"));
  return trimView(line.substr(0, comment));
}

bool isMember(std::string_view name, std::string_view members) {
  std::size_t start = 0;
  while (start < members.size()) {
    std::size_t blank = members.find(' ', start);
    std::string_view member = members.substr(start, blank == std::string_view::npos ? members.npos : blank - start);
    if (member.back() == '_' ? startsWithNoCase(name, member) : equalsNoCase(name, member)) return true;
    if (blank == std::string_view::npos) break;
    start = blank + 1;
  }
  return false;
}

// The definitions a part's bits can be written with.
std::vector<const Definition*> membersOf(const std::vector<Definition>& definitions, const NamePart& part) {
  std::vector<const Definition*> members;
  for (const Definition& definition : definitions) {
    const auto bits = static_cast<std::uint32_t>(definition.value);
    if (definition.value >= 0 && (bits & ~part.mask) == 0 && isMember(definition.name, part.members)) {
      members.push_back(&definition);
    }
  }
  std::stable_sort(members.begin(), members.end(),
                   [](const Definition* a, const Definition* b) { return a->value < b->value; });
  return members;
}

// For each value of the part's bits, its one name (or sum of names); empty
// where there is none or more than one.
std::array<std::string, 256> partNames(const std::vector<const Definition*>& members, bool sum) {
  std::array<std::string, 256> names;
  std::array<int, 256> ways{};
  auto offer = [&](std::uint32_t value, std::string text) {
    if (value > 0xFF) return;
    if (++ways[value] == 1) names[value] = std::move(text);
  };
  std::vector<const Definition*> nonZero;
  for (const Definition* member : members) {
    if (!sum || member->value == 0) {
      offer(static_cast<std::uint32_t>(member->value), member->name);
    } else {
      nonZero.push_back(member);
    }
  }
  if (nonZero.size() <= kLargestSumGroup) {
    for (std::uint32_t subset = 1; subset < (1u << nonZero.size()); ++subset) {
      std::uint32_t value = 0;
      std::string text;
      for (std::size_t k = 0; k < nonZero.size(); ++k) {
        if ((subset >> k & 1) == 0) continue;
        value += static_cast<std::uint32_t>(nonZero[k]->value);
        text += (text.empty() ? "" : "+") + nonZero[k]->name;
      }
      offer(value, std::move(text));
    }
  }
  for (std::size_t value = 0; value < names.size(); ++value) {
    if (ways[value] != 1) names[value].clear();
  }
  return names;
}

}  // namespace

std::vector<Definition> readDefinitions(std::string_view text) {
  std::vector<Definition> definitions;
  DefinitionLookup lookup;
  const ExpressionEvaluator evaluator{&lookup, nullptr};
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    start = end == std::string_view::npos ? text.size() : end + 1;
    LineWords words(codeOf(line));
    std::optional<DefinitionLine> definition = parseDefinitionLine(words);
    if (!definition) continue;
    std::optional<std::int32_t> value = valueOf(definition->valueText, evaluator);
    if (value && lookup.add(definition->name, *value)) definitions.push_back({definition->name, *value});
  }
  return definitions;
}

StandardNames::StandardNames(std::vector<Definition> definitions) : definitions_(std::move(definitions)) {}

const std::string& StandardNames::nameOf(const OperandField& field, std::int32_t value) const {
  if (field.names[0].members.empty() || value < 0 || value > 0xFF) return kNoName;
  return tableOf(field)[static_cast<std::size_t>(value)];
}

const StandardNames::ValueNames& StandardNames::tableOf(const OperandField& field) const {
  for (const auto& [known, table] : tables_) {
    if (known == &field) return *table;
  }
  // Each part names its own bits; a later part's zero is left out, so that
  // PRI_HIGH stands alone without PREEMPT_NONE.
  std::vector<std::pair<std::uint32_t, std::array<std::string, 256>>> parts;
  std::uint32_t named = 0;
  for (const NamePart& part : field.names) {
    if (part.members.empty()) continue;
    parts.emplace_back(part.mask, partNames(membersOf(definitions_, part), part.sum));
    named |= part.mask;
  }
  auto table = std::make_unique<ValueNames>();
  for (std::uint32_t value = 0; value < table->size(); ++value) {
    if ((value & ~named) != 0) continue;
    std::string text;
    bool complete = true;
    for (std::size_t p = 0; p < parts.size() && complete; ++p) {
      const std::uint32_t bits = value & parts[p].first;
      if (p > 0 && bits == 0) continue;
      const std::string& name = parts[p].second[bits];
      complete = !name.empty();
      text += (text.empty() ? "" : "+") + name;
    }
    if (complete) (*table)[value] = std::move(text);
  }
  tables_.emplace_back(&field, std::move(table));
  return *tables_.back().second;
}

}  // namespace qv
