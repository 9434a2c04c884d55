#include "settings/config_file_ini.h"

#include <QStandardPaths>

#include "ui/qt_text.h"

namespace vtg {

IniProfileStore::IniProfileStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

QString IniProfileStore::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/vtg7300/") +
         ui::ToQString(kConfigFileName);
}

QString IniProfileStore::Key(std::string_view key) const {
  return ui::ToQString(kConfigSection) + QLatin1Char('/') + ui::ToQString(key);
}

std::optional<std::string> IniProfileStore::Read(std::string_view key) const {
  const QVariant value = settings_.value(Key(key));
  if (!value.isValid()) return std::nullopt;
  return ui::ToUtf8(value.toString());
}

void IniProfileStore::Write(std::string_view key, std::string_view value) {
  settings_.setValue(Key(key), ui::ToQString(value));
  settings_.sync();
}

}  // namespace vtg
