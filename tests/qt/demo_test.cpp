// vtg7300 --demo starts, connects to its simulated unit, and ends cleanly on SIGTERM without
// touching the operator's configuration.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class DemoTest : public QObject {
  Q_OBJECT
 private slots:
  void StartsConnectsAndEnds() {
    QTemporaryDir config_home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_home.path());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vtg7300"), {QStringLiteral("--demo")});
    QVERIFY(program.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("connected to the simulated unit"),
                             30000);
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QDir(config_home.path()).isEmpty());
  }
};

QTEST_MAIN(DemoTest)
#include "demo_test.moc"
