#pragma once
// The settings store kept by QSettings: on Windows the registry key
// Software\Veltrane\Quaverton of the current user, elsewhere Qt's per-user
// settings file for the same names.

#include <QSettings>
#include <QString>

#include "window/model/settings/settings_store.h"

namespace qv {

class QSettingsStore : public SettingsStore {
 public:
  // The user's own settings of organisation "Veltrane", application "Quaverton".
  QSettingsStore();
  // A settings file of its own in INI form, so tests never touch the user's.
  explicit QSettingsStore(const QString& iniFilePath);

  StoredValue<std::string> readString(std::string_view name, std::string_view defaultValue) const override;
  StoredValue<std::int32_t> readNumber(std::string_view name, std::int32_t defaultValue) const override;
  bool writeString(std::string_view name, std::string_view value) override;
  bool writeNumber(std::string_view name, std::int32_t value) override;

 private:
  QVariant read(std::string_view name) const;
  bool write(std::string_view name, const QVariant& value);

  mutable QSettings settings_;
  // INI files keep no value types: every value reads back as text.
  bool keepsTypes_;
};

}  // namespace qv
