#pragma once
// The configuration file as an INI file: section "VTG-7300_Section" of vtg7300.ini in the
// user's configuration folder, or the file named on the command line.
#include <QSettings>
#include <QString>

#include "settings/config_file.h"

namespace vtg {

class IniProfileStore : public ProfileStore {
 public:
  explicit IniProfileStore(const QString& path);
  // $XDG_CONFIG_HOME/vtg7300/vtg7300.ini
  static QString DefaultPath();

  std::optional<std::string> Read(std::string_view key) const override;
  // Each key reaches the disk at once (through a temporary file that replaces the old one).
  void Write(std::string_view key, std::string_view value) override;

 private:
  QString Key(std::string_view key) const;

  mutable QSettings settings_;
};

}  // namespace vtg
