#pragma once
// The wave handles the written source declares: the names of a handle map,
// and a numbered name for each handle the image plays without one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
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

  struct Declared {
    std::int32_t value = 0;
    std::string symbol;
    bool fromMap = false;
  };
  // Every handle to declare, by number.
  const std::vector<Declared>& declared() const { return declared_; }

 private:
  std::vector<Declared> declared_;
  std::array<std::string, kHandleCount> names_;
};

}  // namespace qv
