#include "sim/sim_log.h"

#include <QDateTime>

namespace vtg::sim {

bool SimLog::open(const QString& path, QString* error) {
  file_.setFileName(path);
  if (file_.open(QIODevice::WriteOnly | QIODevice::Append)) return true;
  *error = QStringLiteral("cannot open log file %1: %2").arg(path, file_.errorString());
  return false;
}

void SimLog::record(const QString& link, std::string_view what, std::string_view text) {
  if (!file_.isOpen()) return;
  QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
  line += ' ' + link.toUtf8() + ' ' + QByteArray(what.data(), static_cast<qsizetype>(what.size())) + ' ';
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\')
      line += static_cast<char>(c);
    else
      line += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0')).toLatin1();
  }
  line += '\n';
  file_.write(line);
  file_.flush();
}

}  // namespace vtg::sim
