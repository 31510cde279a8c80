#pragma once
// The settings store on the registry: named values under one key of the
// current user. Every value is written to the 64-bit view and to the
// process's default view; reading asks the 64-bit view first.

#include <string>

#include "window/model/settings/settings_store.h"

namespace qv {

class RegistrySettingsStore : public SettingsStore {
 public:
  // The program's own key.
  static constexpr wchar_t kDefaultKey[] = L"Software\\Veltrane\\Quaverton";

  explicit RegistrySettingsStore(std::wstring keyPath = kDefaultKey);

  StoredValue<std::string> readString(std::string_view name, std::string_view defaultValue) const override;
  StoredValue<std::int32_t> readNumber(std::string_view name, std::int32_t defaultValue) const override;
  bool writeString(std::string_view name, std::string_view value) override;
  bool writeNumber(std::string_view name, std::int32_t value) override;

 private:
  bool write(std::string_view name, unsigned long type, const void* data, unsigned long size);

  std::wstring m_keyPath;
};

}  // namespace qv
