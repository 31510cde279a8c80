#include "window/qt/qsettings_store.h"

#include <limits>
#include <optional>

namespace qv {

namespace {

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
constexpr bool kNativeFormatKeepsTypes = true;
#else
constexpr bool kNativeFormatKeepsTypes = false;
#endif

QString toQString(std::string_view text) {
  // Stored strings end at their first NUL, as the registry keeps them.
  text = text.substr(0, text.find('\0'));
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::int32_t> asInt32(qlonglong value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Veltrane", "Quaverton"),
      keepsTypes_(kNativeFormatKeepsTypes) {}

QSettingsStore::QSettingsStore(const QString& iniFilePath)
    : settings_(iniFilePath, QSettings::IniFormat), keepsTypes_(false) {}

QVariant QSettingsStore::read(std::string_view name) const { return settings_.value(toQString(name)); }

bool QSettingsStore::write(std::string_view name, const QVariant& value) {
  // Every write is flushed to the file; one that changes nothing is skipped.
  QVariant stored = settings_.value(toQString(name));
  bool sameType = !keepsTypes_ || stored.typeId() == value.typeId();
  if (stored.isValid() && sameType && stored.toString() == value.toString()) {
    return settings_.status() == QSettings::NoError;
  }
  settings_.setValue(toQString(name), value);
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

StoredValue<std::string> QSettingsStore::readString(std::string_view name, std::string_view defaultValue) const {
  QVariant value = read(name);
  QString text;
  switch (value.typeId()) {
    case QMetaType::QString:
      text = value.toString();
      break;
    case QMetaType::QStringList:  // a multi-string value: its first string
      text = value.toStringList().value(0);
      break;
    default:
      return {std::string(defaultValue), false};
  }
  QByteArray bytes = text.left(text.indexOf(QChar::Null)).toLocal8Bit();
  return {std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), true};
}

StoredValue<std::int32_t> QSettingsStore::readNumber(std::string_view name, std::int32_t defaultValue) const {
  QVariant value = read(name);
  std::optional<std::int32_t> number;
  switch (value.typeId()) {
    case QMetaType::Int:
      number = value.toInt();
      break;
    case QMetaType::UInt:  // a 32-bit registry number above INT_MAX
      number = static_cast<std::int32_t>(value.toUInt());
      break;
    case QMetaType::LongLong:
      number = asInt32(value.toLongLong());
      break;
    case QMetaType::ULongLong:
      if (value.toULongLong() <= static_cast<qulonglong>(std::numeric_limits<std::int32_t>::max())) {
        number = static_cast<std::int32_t>(value.toULongLong());
      }
      break;
    case QMetaType::QString:
      if (!keepsTypes_) {
        bool ok = false;
        int parsed = value.toString().toInt(&ok, 10);
        if (ok) number = parsed;
      }
      break;
    default:
      break;
  }
  if (!number) return {defaultValue, false};
  return {*number, true};
}

bool QSettingsStore::writeString(std::string_view name, std::string_view value) {
  return write(name, toQString(value));
}

bool QSettingsStore::writeNumber(std::string_view name, std::int32_t value) {
  return write(name, QVariant(static_cast<int>(value)));
}

}  // namespace qv
