#include "window/win32/registry_settings_store.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/utf16_windows.h"

namespace qv {

namespace {

// The 64-bit view first: a 32-bit build sharing the settings reads the same values.
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, 0};

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};

bool readRaw(const std::wstring& keyPath, REGSAM view, const std::wstring& name, RawValue& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
    return false;
  }
  DWORD size = 0;
  LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.bytes.resize(size);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
    value.bytes.resize(size);
  }
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

bool readFirstView(const std::wstring& keyPath, std::string_view name, RawValue& value) {
  std::wstring wideName = toUtf16(name);
  for (REGSAM view : kViews) {
    if (readRaw(keyPath, view, wideName, value)) return true;
  }
  return false;
}

// Up to the first NUL; the variables of an expandable string stay as written.
std::string stringOf(const RawValue& value) {
  std::wstring text(reinterpret_cast<const wchar_t*>(value.bytes.data()), value.bytes.size() / sizeof(wchar_t));
  return toUtf8(text.substr(0, text.find(L'\0')));
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::wstring keyPath) : m_keyPath(std::move(keyPath)) {}

StoredValue<std::string> RegistrySettingsStore::readString(std::string_view name,
                                                           std::string_view defaultValue) const {
  RawValue value;
  if (!readFirstView(m_keyPath, name, value)) return {std::string(defaultValue), false};
  if (value.type != REG_SZ && value.type != REG_EXPAND_SZ && value.type != REG_MULTI_SZ) {
    return {std::string(defaultValue), false};
  }
  return {stringOf(value), true};
}

StoredValue<std::int32_t> RegistrySettingsStore::readNumber(std::string_view name, std::int32_t defaultValue) const {
  RawValue value;
  if (!readFirstView(m_keyPath, name, value) || value.type != REG_DWORD || value.bytes.size() != sizeof(DWORD)) {
    return {defaultValue, false};
  }
  DWORD number = 0;
  CopyMemory(&number, value.bytes.data(), sizeof number);
  return {static_cast<std::int32_t>(number), true};
}

bool RegistrySettingsStore::write(std::string_view name, unsigned long type, const void* data, unsigned long size) {
  std::wstring wideName = toUtf16(name);
  bool taken = false;
  for (REGSAM view : kViews) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | view, nullptr, &key, nullptr) != ERROR_SUCCESS) {
      continue;
    }
    if (RegSetValueExW(key, wideName.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS) {
      taken = true;
    }
    RegCloseKey(key);
  }
  return taken;
}

bool RegistrySettingsStore::writeString(std::string_view name, std::string_view value) {
  std::wstring text = toUtf16(value.substr(0, value.find('\0')));
  // The terminating NUL is stored with the text.
  return write(name, REG_SZ, text.c_str(), static_cast<unsigned long>((text.size() + 1) * sizeof(wchar_t)));
}

bool RegistrySettingsStore::writeNumber(std::string_view name, std::int32_t value) {
  DWORD number = static_cast<DWORD>(value);
  return write(name, REG_DWORD, &number, sizeof number);
}

}  // namespace qv
