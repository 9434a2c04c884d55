#include "sim_process.h"

#include <QTest>

SimProcess::~SimProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(kWaitMs);
  }
}

QString SimProcess::start(const QStringList& arguments) {
  process_.setProgram(QStringLiteral(VTG_SIM_PROGRAM));
  process_.setArguments(arguments);
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.start();
  if (!QTest::qWaitFor([this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; },
                       kWaitMs))
    return {};
  return QString::fromUtf8(process_.readLine()).trimmed();
}

int SimProcess::terminate() {
  process_.terminate();
  if (!QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, kWaitMs)) return -1;
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QByteArray ReadLines(QIODevice& device, int count) {
  QByteArray received;
  // The caller checks what arrived; running out of time just returns less.
  static_cast<void>(QTest::qWaitFor(
      [&] {
        received += device.readAll();
        return received.count("\r\n") >= count;
      },
      kWaitMs));
  return received;
}
