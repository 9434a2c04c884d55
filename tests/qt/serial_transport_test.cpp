// The serial link against a unit played by the test on the master side of a
// pseudo-terminal pair; the controller opens the slave side through a named link.
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

#include "event_waits.h"
#include "link/serial_port_list.h"
#include "serial_controller.h"
#include "shown_texts.h"

namespace vtg {
namespace {

using testing::kWaitMs;
using testing::ShownTexts;

// The unit's end of the line. Its termios calls reach the controller's side too, so the
// test reads the settings the driver kept through it.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    slave_path_ = QString::fromLocal8Bit(ptsname(master_));
  }
  ~PseudoTerminal() { Hangup(); }
  bool ok() const { return !slave_path_.isEmpty(); }
  const QString& slave_path() const { return slave_path_; }

  termios Settings() const {
    termios tio{};
    tcgetattr(master_, &tio);
    return tio;
  }
  void Hangup() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  QString slave_path_;
};

}  // namespace

class SerialTransportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    c = std::make_unique<testing::SerialController>();
    pty = std::make_unique<PseudoTerminal>();
    QVERIFY(pty->ok());
    // The named link the operator gives, as a simulated unit makes one.
    link_path = dir.filePath(QStringLiteral("ttyVTG"));
    QFile::remove(link_path);
    QVERIFY(QFile::link(pty->slave_path(), link_path));
  }
  void cleanup() {
    c.reset();
    pty.reset();
  }

  void opensAtTheLineSettings() {
    QVERIFY(!c->port.ready());
    QVERIFY(c->port.Open(link_path));
    QVERIFY(c->port.ready());
    QVERIFY(c->messages.shown.empty());

    // 9600 baud both ways, 8 bits, 1 stop bit, RTS/CTS and XON/XOFF with their usual codes.
    const termios tio = pty->Settings();
    QVERIFY(std::tuple(cfgetospeed(&tio), cfgetispeed(&tio), tio.c_cflag & (CSIZE | CSTOPB | CRTSCTS),
                       tio.c_iflag & (IXON | IXOFF | IXANY | INPCK), tio.c_cc[VSTART], tio.c_cc[VSTOP]) ==
            std::tuple(speed_t{B9600}, speed_t{B9600}, tcflag_t{CS8 | CRTSCTS}, tcflag_t{IXON | IXOFF}, cc_t{0x11},
                       cc_t{0x13}));
    // A pseudo-terminal keeps no parity bit whatever it is told; a real port keeps it.
    qInfo("pseudo-terminal parity: %s", (tio.c_cflag & PARENB) ? "even" : "none");
  }

  void missingPortSaysSoOnce() {
    QVERIFY(!c->port.Open(dir.filePath(QStringLiteral("no-such-port"))));
    QVERIFY(!c->port.ready());
    QVERIFY(!c->port.send("05RCEL\r\n"));
    QCOMPARE(ShownTexts(c->messages), QStringList{"Error Miss! File Open"});
  }

  void hangupClosesThePort() {
    QVERIFY(c->port.Open(link_path));
    pty->Hangup();
    QTRY_VERIFY_WITH_TIMEOUT(!c->port.ready(), kWaitMs);
    QVERIFY(c->messages.shown.empty());
  }

  void portList_data() {
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("listed");
    QStringList many;
    for (int i = 0; i < 25; ++i) many << QStringLiteral("ttyS%1").arg(i, 2, 10, QLatin1Char('0'));
    const QString long_name(40, QLatin1Char('u'));
    const QString long_path = QStringLiteral("/run/user/1000/simulated-units/") + long_name;
    QTest::newRow("first 20 of 25") << many << QStringList{} << many.mid(0, 20);
    QTest::newRow("long name cut") << QStringList{long_name} << QStringList{} << QStringList{long_name.left(31)};
    QTest::newRow("named paths after, whole, once")
        << QStringList{"ttyUSB0"} << QStringList{long_path, "", long_path, "ttyUSB0"}
        << QStringList{"ttyUSB0", long_path};
    QTest::newRow("named after a full list") << many << QStringList{"/tmp/ttyVTG"}
                                             << (many.mid(0, 20) << "/tmp/ttyVTG");
  }

  void portList() {
    QFETCH(QStringList, system);
    QFETCH(QStringList, named);
    QFETCH(QStringList, listed);
    QCOMPARE(BoundPortList(system, named), listed);
    const QStringList here = ListSerialPorts({link_path});
    QCOMPARE(here.last(), link_path);
    QVERIFY(here.size() <= kMaxListedPorts + 1);
  }

 private:
  std::unique_ptr<testing::SerialController> c;
  QTemporaryDir dir;
  QString link_path;
  std::unique_ptr<PseudoTerminal> pty;
};

}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::SerialTransportTest)
#include "serial_transport_test.moc"
