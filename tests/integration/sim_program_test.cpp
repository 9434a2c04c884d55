// vtg7300-sim as a program: listening on a TCP port as a unit does, connecting to the
// controller's server, and on a pseudo-terminal as units on an RS-232C line.
#include <QFileInfo>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "event_waits.h"
#include "qt_files.h"
#include "sim/unit_client.h"
#include "simulated_unit_process.h"

using vtg::testing::kWaitMs;
using vtg::testing::ReadLines;
using vtg::testing::SimulatedUnitProcess;

class SimProgramTest : public QObject {
  Q_OBJECT

 private:
  // Starts the program listening on a free port and connects `socket` to it.
  bool startAndConnect(SimulatedUnitProcess& sim, QTcpSocket& socket, QStringList extra = {}) {
    if (!sim.Listen(extra)) return false;
    socket.connectToHost(QStringLiteral("127.0.0.1"), sim.port());
    return socket.waitForConnected(kWaitMs);
  }

 private slots:
  void answersLinesHoweverTheyAreCutAndStaysUpUnderGarbage() {
    SimulatedUnitProcess sim;
    QTcpSocket socket;
    QVERIFY(startAndConnect(sim, socket));

    socket.write("00RC");
    QVERIFY(socket.waitForBytesWritten(kWaitMs));
    socket.write("EL\r\n");
    QCOMPARE(ReadLines(socket, 1), QByteArray("00CEL1\r\n"));
    socket.write("00CWL2\r\n00RCWL\r\n");
    QCOMPARE(ReadLines(socket, 2), QByteArray("00GO\r\n00CWL2\r\n"));

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
    QCOMPARE(sim.Terminate(), 0);
  }

  // What a unit was given outlives the program (its --log is checked beside the controller's).
  void keepsStateAcrossRuns() {
    QTemporaryDir folder;
    const QString state = folder.filePath(QStringLiteral("units.state"));
    for (const auto& [sent, reply] :
         {std::pair<QByteArray, QByteArray>{"00CEL3\r\n", "00GO\r\n"}, {"00RCEL\r\n", "00CEL3\r\n"}}) {
      SimulatedUnitProcess sim;
      QTcpSocket socket;
      QVERIFY(startAndConnect(sim, socket, {"--state", state}));
      socket.write(sent);
      QCOMPARE(ReadLines(socket, 1), reply);
      QCOMPARE(sim.Terminate(), 0);
    }
  }

  void answersOnThePseudoTerminal() {
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("vtg-serial"));
    SimulatedUnitProcess sim;
    const QString first = sim.Start({"--address", "00,05", "--pty", link});
    QVERIFY2(first.startsWith(QStringLiteral("pty at %1 -> /dev/").arg(link)), qPrintable(first));
    QVERIFY(QFileInfo(link).isSymLink());

    QSerialPort port;
    port.setPortName(link);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.setBaudRate(QSerialPort::Baud9600);
    port.setParity(QSerialPort::EvenParity);

    port.write("05CEL2\r\nFFCWL1\r\n05RCWL\r\nRVN\r\n");
    QCOMPARE(ReadLines(port, 3), QByteArray("05GO\r\n05CWL1\r\nVN1.00\r\n"));
    port.close();

    QCOMPARE(sim.Terminate(), 0);
    QVERIFY(!QFileInfo::exists(link));  // the link goes with the program
  }

  // A unit lost mid-run: its second line is executed but never answered, its connection
  // closes, and it does not connect again.
  void unitClosedByTheFaultStaysGone() {
    QTcpServer controller;
    QVERIFY(controller.listen(QHostAddress::LocalHost));
    auto reached = [&](int ms) { return QTest::qWaitFor([&] { return controller.hasPendingConnections(); }, ms); };
    SimulatedUnitProcess sim;
    sim.Start({"--close-after", "2", "--connect", QStringLiteral("127.0.0.1:%1").arg(controller.serverPort())});
    QVERIFY(reached(kWaitMs));
    QTcpSocket* socket = controller.nextPendingConnection();
    socket->write("00CWL1\r\n00CWL2\r\n");
    QCOMPARE(ReadLines(*socket, 1), QByteArray("00GO\r\n"));
    QVERIFY(QTest::qWaitFor([&] { return socket->state() == QAbstractSocket::UnconnectedState; }, kWaitMs));
    QCOMPARE(socket->readAll(), QByteArray());
    QVERIFY(!reached(2 * vtg::sim::UnitClient::kRetryMs));  // beyond the time a unit takes to try again
    QCOMPARE(sim.Terminate(), 0);
  }

  void refusesBadStateFilesAndBadUsage() {
    QTemporaryDir folder;
    const QString state = folder.filePath(QStringLiteral("units.state"));
    QVERIFY(vtg::testing::WriteFile(state, "not a state file\n"));

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
      SimulatedUnitProcess sim;
      sim.Start(run.arguments);
      QVERIFY(QTest::qWaitFor([&] { return sim.process().state() == QProcess::NotRunning; }, kWaitMs));
      QCOMPARE(sim.process().exitCode(), run.exit_code);
      QVERIFY(sim.process().readAllStandardError().contains(run.message));
    }
  }
};

QTEST_GUILESS_MAIN(SimProgramTest)
#include "sim_program_test.moc"
