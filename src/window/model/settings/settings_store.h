#pragma once
// The per-user store of named settings values: strings and 32-bit numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

template <typename T>
struct StoredValue {
  T value;
  // False when the value was missing or of the other type; value is then the default.
  bool found = false;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual StoredValue<std::string> readString(std::string_view name, std::string_view defaultValue) const = 0;
  // Only integers count; a value stored as text reads as absent.
  virtual StoredValue<std::int32_t> readNumber(std::string_view name, std::int32_t defaultValue) const = 0;

  // True when the store took the value.
  virtual bool writeString(std::string_view name, std::string_view value) = 0;
  virtual bool writeNumber(std::string_view name, std::int32_t value) = 0;
};

}  // namespace qv
