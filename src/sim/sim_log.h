#pragma once
// The --log file: every line received and sent, in the controller's traffic log format, from
// the unit's side: a command is received, a reply sent.
#include <QFile>
#include <QString>
#include <string_view>

#include "link/traffic_log.h"

namespace vtg::sim {

class SimLog {
 public:
  // Returns false, with the reason in `error`, when the file cannot be opened for appending.
  bool open(const QString& path, QString* error);

  // `link` names the connection or port.
  void record(const QString& link, Traffic direction, std::string_view bytes, std::string_view outcome = {});

 private:
  QFile file_;
};

}  // namespace vtg::sim
