// The controller's serial link against vtg7300-sim on a pseudo-terminal.
#include <QTemporaryDir>
#include <QTest>

#include "event_waits.h"
#include "readback_cases.h"
#include "serial_controller.h"
#include "shown_texts.h"
#include "simulated_unit_process.h"

namespace vtg {

using testing::kWaitMs;
using testing::ShownTexts;
using testing::SimulatedUnitProcess;

class SerialLinkSimTest : public QObject {
  Q_OBJECT

 private slots:
  void setsAndReadsBackThroughTheUnit();
  void unitCommandsGoWithoutAddress();

 private:
  // Starts a simulated unit with address 05 on a pseudo-terminal and opens its link.
  bool OpenSim(SimulatedUnitProcess& sim);

  testing::SerialController c;
  QTemporaryDir folder;
};

bool SerialLinkSimTest::OpenSim(SimulatedUnitProcess& sim) {
  const QString link = folder.filePath(QStringLiteral("vtg-serial"));
  if (!sim.OnPty(link, {"--address", "05"})) return false;
  ResetToDefaults(c.state);
  c.messages.shown.clear();
  return c.port.Open(link);
}

void SerialLinkSimTest::setsAndReadsBackThroughTheUnit() {
  SimulatedUnitProcess sim;
  QVERIFY(OpenSim(sim));
  c.state.flags.address_prefix = 1;
  c.state.selection.slave_index = 5;
  for (const auto& step : testing::ReadBackCases()) {
    QVERIFY2(c.Exchange(step.set), step.set.c_str());
    QVERIFY2(c.Exchange(step.read), step.read.c_str());
    QVERIFY2(step.landed(c.state), step.read.c_str());
  }
  const QStringList all_ok(static_cast<int>(testing::ReadBackCases().size()), QStringLiteral("SerialSuccess Success"));
  QCOMPARE(ShownTexts(c.messages), all_ok);
  c.port.Close();
  QCOMPARE(sim.Terminate(), 0);
}

void SerialLinkSimTest::unitCommandsGoWithoutAddress() {
  SimulatedUnitProcess sim;
  QVERIFY(OpenSim(sim));
  c.state.flags.address_prefix = 0;
  QVERIFY(c.Exchange("RVN\r\n"));
  QCOMPARE(c.state.image.unit_version, std::string("1.00"));
  c.port.Close();
  QCOMPARE(sim.Terminate(), 0);
}

}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::SerialLinkSimTest)
#include "serial_link_sim_test.moc"
