#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "assembler/symbol_record.h"

namespace qv {

// Case-blind index from a symbol's name to its position in the record list,
// by open addressing over one array of slots. A lookup reads a slot or two
// and then the one record it points at, where a node-based map chases
// several pointers through memory that the passes keep pushing out of the
// cache.
class NameIndex {
 public:
  // Position of the record called name, letter case ignored.
  std::optional<std::size_t> find(std::string_view name, const std::vector<SymbolRecord>& records) const;

  // The position of the record called name; when there is none, position
  // is noted for name (its record is to be stored there). The flag tells
  // whether it was noted.
  std::pair<std::size_t, bool> insert(std::string_view name, std::size_t position,
                                      const std::vector<SymbolRecord>& records);

  // Forgets every name and gives the slots' room back.
  void clear();

 private:
  struct Slot {
    std::uint32_t position;
    std::uint32_t hash;
  };

  // The slot holding name, or the empty slot where it would go.
  std::size_t slotOf(std::string_view name, std::uint32_t hash, const std::vector<SymbolRecord>& records) const;
  void grow();

  std::vector<Slot> slots_;  // a power of two long, never more than half full
  std::size_t used_ = 0;
};

}  // namespace qv
