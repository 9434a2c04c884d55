// vtg7300-sim --pty: the controller's serial port talks to it as to units on an RS-232C line.
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include "event_waits.h"
#include "simulated_unit_process.h"

using vtg::testing::ReadLines;
using vtg::testing::SimulatedUnitProcess;

class SimPtyTest : public QObject {
  Q_OBJECT

 private slots:
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
};

QTEST_GUILESS_MAIN(SimPtyTest)
#include "sim_pty_test.moc"
