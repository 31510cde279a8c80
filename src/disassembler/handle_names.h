#pragma once
// The wave handles the written source declares: the names of a handle map,
// and a numbered name for each handle the image plays without one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

struct MapHandle {
  std::int32_t value = 0;
  std::string name;  // as the map writes it: without "HNDL_"
};

struct HandleMapText {
  std::vector<MapHandle> handles;
  // Without an error: 0 and empty.
  int errorLine = 0;
  std::string error;
};

// The lines of a map file: a handle number, a blank and a name.
HandleMapText readHandleMap(std::string_view text);

inline constexpr std::size_t kHandleCount = 256;

class HandleNames {
 public:
  HandleNames(const std::vector<MapHandle>& mapped, const std::array<bool, kHandleCount>& played);

  // The symbol of the one handle with this number; empty when there are
  // none or several.
  const std::string& nameOf(std::int32_t handle) const;

  // Every handle to declare, as (number, symbol), by number.
  const std::vector<std::pair<std::int32_t, std::string>>& declared() const { return declared_; }
  bool anyFromMap() const { return fromMap_; }

 private:
  std::vector<std::pair<std::int32_t, std::string>> declared_;
  std::array<std::string, kHandleCount> names_;
  bool fromMap_ = false;
};

}  // namespace qv
