#pragma once
// A settings store held in memory, keeping each value's type as written.

#include <map>
#include <variant>

#include "window/model/settings/settings_store.h"

namespace qv::test {

class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::string, std::int32_t>;

  StoredValue<std::string> readString(std::string_view name, std::string_view defaultValue) const override {
    auto found = values_.find(std::string(name));
    if (found == values_.end() || !std::holds_alternative<std::string>(found->second)) {
      return {std::string(defaultValue), false};
    }
    return {std::get<std::string>(found->second), true};
  }

  StoredValue<std::int32_t> readNumber(std::string_view name, std::int32_t defaultValue) const override {
    auto found = values_.find(std::string(name));
    if (found == values_.end() || !std::holds_alternative<std::int32_t>(found->second)) return {defaultValue, false};
    return {std::get<std::int32_t>(found->second), true};
  }

  bool writeString(std::string_view name, std::string_view value) override {
    values_[std::string(name)] = std::string(value);
    return true;
  }

  bool writeNumber(std::string_view name, std::int32_t value) override {
    values_[std::string(name)] = value;
    return true;
  }

  const std::map<std::string, Value>& values() const { return values_; }

 private:
  std::map<std::string, Value> values_;
};

}  // namespace qv::test
