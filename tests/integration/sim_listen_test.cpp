// vtg7300-sim --listen: the controller's TCP client talks to it as to a unit.
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "sim_process.h"

class SimListenTest : public QObject {
  Q_OBJECT

 private:
  // Starts the program listening on a free port and connects `socket` to it.
  bool startAndConnect(SimProcess& sim, QTcpSocket& socket, QStringList extra = {}) {
    const QString first = sim.start(extra << QStringLiteral("--listen") << QStringLiteral("127.0.0.1:0"));
    const auto match = QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(first);
    if (!match.hasMatch()) {
      qWarning() << "first line:" << first << sim.process().readAllStandardError();
      return false;
    }
    socket.connectToHost(QStringLiteral("127.0.0.1"), match.captured(1).toUShort());
    return socket.waitForConnected(kWaitMs);
  }

 private slots:
  void answersLinesHoweverTheyAreCut() {
    SimProcess sim;
    QTcpSocket socket;
    QVERIFY(startAndConnect(sim, socket));

    socket.write("00RC");
    QVERIFY(socket.waitForBytesWritten(kWaitMs));
    socket.write("EL\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("00CEL1\r\n"));

    socket.write("00CWL2\r\n00RCWL\r\n");
    QCOMPARE(ReadLines(socket, 2), QByteArray("00GO\r\n00CWL2\r\n"));
    QCOMPARE(sim.terminate(), 0);
  }

  void staysUpUnderGarbageAndOverlongLines() {
    SimProcess sim;
    QTcpSocket socket;
    QVERIFY(startAndConnect(sim, socket));

    socket.write(QByteArray("\x00\xff\x01zz\r\n", 7));
    QCOMPARE(ReadLines(socket, 1), QByteArray("E3\r\n"));
    socket.write("00" + QByteArray(5000, 'A') + "\r\n00RCEL\r\n");
    QCOMPARE(ReadLines(socket, 2), QByteArray("00E3\r\n00CEL1\r\n"));

    for (int i = 0; i < 20; ++i) {  // connections that open and close at once
      QTcpSocket brief;
      brief.connectToHost(socket.peerAddress(), socket.peerPort());
      QVERIFY(brief.waitForConnected(kWaitMs));
      brief.abort();
    }
    socket.write("RVN\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("VN1.00\r\n"));
    QCOMPARE(sim.process().state(), QProcess::Running);
    QCOMPARE(sim.terminate(), 0);
  }

  void appliesFaults() {
    SimProcess sim;
    QTcpSocket socket;
    QVERIFY(startAndConnect(sim, socket,
                            {"--error-every", "2", "GN", "--split", "--reply-delay", "30", "--line-rate", "9600"}));
    QElapsedTimer clock;
    clock.start();
    socket.write("00RCEL\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("00CEL1\r\n"));
    // 30 ms delay, 20 ms between the halves, 8 bytes at 11 bits each at 9600 baud.
    QVERIFY2(clock.elapsed() >= 55, qPrintable(QString::number(clock.elapsed())));
    socket.write("00RCEL\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("00GN\r\n"));
    QCOMPARE(sim.terminate(), 0);
  }

  void keepsStateAndLogsLines() {
    QTemporaryDir folder;
    const QString state = folder.filePath(QStringLiteral("units.state"));
    const QString log = folder.filePath(QStringLiteral("lines.log"));
    {
      SimProcess sim;
      QTcpSocket socket;
      QVERIFY(startAndConnect(sim, socket, {"--state", state, "--log", log}));
      socket.write("00CEL3\r\n");
      QCOMPARE(ReadLines(socket, 1), QByteArray("00GO\r\n"));
      QCOMPARE(sim.terminate(), 0);
    }
    QFile logged(log);
    QVERIFY(logged.open(QIODevice::ReadOnly));
    const QByteArray lines = logged.readAll();
    QVERIFY2(lines.contains("received tcp 127.0.0.1:") && lines.contains(" \"00CEL3\\r\\n\"") &&
                 lines.contains(" \"00GO\\r\\n\""),
             lines.constData());

    SimProcess again;
    QTcpSocket socket;
    QVERIFY(startAndConnect(again, socket, {"--state", state}));
    socket.write("00RCEL\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("00CEL3\r\n"));
    QCOMPARE(again.terminate(), 0);
  }

  void refusesBadStateFilesAndBadUsage() {
    QTemporaryDir folder;
    const QString state = folder.filePath(QStringLiteral("units.state"));
    QFile file(state);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a state file\n");
    file.close();

    const struct {
      QStringList arguments;
      int exit_code;
      QByteArray message;
    } kRuns[] = {
        {{"--state", state, "--listen", "0"}, 1, "not a vtg7300-sim state file"},
        {{"--listen", "0", "--drop-every", "0"}, 2, "--drop-every wants"},
        {{}, 2, "give a mode"},
    };
    for (const auto& run : kRuns) {
      SimProcess sim;
      sim.start(run.arguments);
      QVERIFY(QTest::qWaitFor([&] { return sim.process().state() == QProcess::NotRunning; }, kWaitMs));
      QCOMPARE(sim.process().exitCode(), run.exit_code);
      QVERIFY(sim.process().readAllStandardError().contains(run.message));
    }
  }
};

QTEST_GUILESS_MAIN(SimListenTest)
#include "sim_listen_test.moc"
