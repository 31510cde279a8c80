#include "assembler/name_index.h"

#include "common/text.h"

namespace qv {

namespace {

constexpr std::uint32_t kEmpty = UINT32_MAX;
constexpr std::size_t kFirstSize = 64;

std::uint32_t hashOf(std::string_view name) {
  const std::uint64_t hash = NoCaseHash()(name);
  // Folded so that the low bits, which pick the slot, see every byte well.
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

std::optional<std::size_t> NameIndex::find(std::string_view name, const std::vector<SymbolRecord>& records) const {
  if (slots_.empty()) return std::nullopt;
  const Slot& slot = slots_[slotOf(name, hashOf(name), records)];
  if (slot.position == kEmpty) return std::nullopt;
  return slot.position;
}

std::pair<std::size_t, bool> NameIndex::insert(std::string_view name, std::size_t position,
                                               const std::vector<SymbolRecord>& records) {
  if (2 * (used_ + 1) > slots_.size()) grow();
  const std::uint32_t hash = hashOf(name);
  Slot& slot = slots_[slotOf(name, hash, records)];
  if (slot.position != kEmpty) return {slot.position, false};
  slot = Slot{static_cast<std::uint32_t>(position), hash};
  ++used_;
  return {position, true};
}

void NameIndex::clear() {
  std::vector<Slot>().swap(slots_);
  used_ = 0;
}

std::size_t NameIndex::slotOf(std::string_view name, std::uint32_t hash,
                              const std::vector<SymbolRecord>& records) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.position == kEmpty) return i;
    if (slot.hash == hash && equalsNoCase(records[slot.position].name, name)) return i;
  }
}

// Doubles the slots; the stored hashes place every entry again without
// reading a name.
void NameIndex::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? kFirstSize : 2 * old.size(), Slot{kEmpty, 0});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.position == kEmpty) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].position != kEmpty) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace qv
