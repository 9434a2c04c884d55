#include "simulated_unit_process.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

#include "event_waits.h"

namespace vtg::testing {

SimulatedUnitProcess::~SimulatedUnitProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(kWaitMs);
  }
}

QString SimulatedUnitProcess::Start(const QStringList& arguments) {
  process_.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vtg7300-sim"));
  process_.setArguments(arguments);
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.start();
  if (!QTest::qWaitFor([this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; }, kWaitMs))
    return {};
  return QString::fromUtf8(process_.readLine()).trimmed();
}

bool SimulatedUnitProcess::Listen(QStringList options) {
  const QString first = Start(options << QStringLiteral("--listen") << QStringLiteral("127.0.0.1:0"));
  const auto match = QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(first);
  port_ = match.hasMatch() ? match.captured(1).toUShort() : 0;
  if (!port_) qWarning() << "vtg7300-sim said:" << first << process_.readAllStandardError();
  return port_ != 0;
}

bool SimulatedUnitProcess::OnPty(const QString& path, QStringList options) {
  const QString first = Start(options << QStringLiteral("--pty") << path);
  const bool there = first.startsWith(QStringLiteral("pty at ") + path);
  if (!there) qWarning() << "vtg7300-sim said:" << first << process_.readAllStandardError();
  return there;
}

int SimulatedUnitProcess::Terminate() {
  process_.terminate();
  if (!QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, kWaitMs)) return -1;
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

}  // namespace vtg::testing
