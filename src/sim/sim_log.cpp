#include "sim/sim_log.h"

#include "link/qt_log_clock.h"

namespace vtg::sim {

bool SimLog::open(const QString& path, QString* error) {
  file_.setFileName(path);
  if (file_.open(QIODevice::WriteOnly | QIODevice::Append)) return true;
  *error = QStringLiteral("cannot open log file %1: %2").arg(path, file_.errorString());
  return false;
}

void SimLog::record(const QString& link, Traffic direction, std::string_view bytes, std::string_view outcome) {
  if (!file_.isOpen()) return;
  std::string line = FormatTrafficLine(LocalClockMs(), direction, link.toStdString(), bytes, outcome);
  line += '\n';
  file_.write(line.data(), static_cast<qint64>(line.size()));
  file_.flush();
}

}  // namespace vtg::sim
