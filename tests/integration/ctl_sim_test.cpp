// vtg7300ctl against vtg7300-sim: over TCP in both roles and over a pseudo-terminal.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <random>
#include <variant>

#include "event_waits.h"
#include "default_state.h"
#include "free_tcp_port.h"
#include "glyphs/glyph_list_file.h"
#include "qt_files.h"
#include "settings/settings_document.h"
#include "simulated_unit_process.h"

namespace {

using vtg::testing::kWaitMs;
using vtg::testing::ReadFile;
using vtg::testing::SimulatedUnitProcess;
using vtg::testing::WriteFile;

constexpr int kRunMs = 60000;

struct CtlRun {
  int status = -1;  // -1: crashed or did not end
  QByteArray out;
  QByteArray err;
};

void StartCtl(QProcess& ctl, const QStringList& args) {
  ctl.setProgram(QStringLiteral(VTG_CTL_PROGRAM));
  ctl.setArguments(args);
  ctl.start();
}

CtlRun Collect(QProcess& ctl) {
  CtlRun run;
  if (!ctl.waitForFinished(kRunMs)) {
    ctl.kill();
    ctl.waitForFinished(kWaitMs);
  } else if (ctl.exitStatus() == QProcess::NormalExit) {
    run.status = ctl.exitCode();
  }
  run.out = ctl.readAllStandardOutput();
  run.err += ctl.readAllStandardError();
  return run;
}

CtlRun RunCtl(const QStringList& args) {
  QProcess ctl;
  StartCtl(ctl, args);
  return Collect(ctl);
}

QString Describe(const CtlRun& run) {
  return QStringLiteral("status %1\nstdout: %2\nstderr: %3")
      .arg(run.status)
      .arg(QString::fromUtf8(run.out), QString::fromUtf8(run.err));
}

// Every kind of setting away from its default, and titles of every kind the unit keeps as
// they are: kanji and kana; NEC special characters and NEC-selected IBM extensions after a
// full-width space; the unit's own glyphs (pairs of glyphs 1, 256 and one holding a CR byte);
// a full line of 28 characters; empty. None ends in a full-width space: the unit pads with those.
vtg::SettingsImage SampleImage(unsigned seed) {
  const std::string kanji = "\x8a\xbf\x8e\x9a\x88\x9f\x9f\xa0\xea\xa4";
  std::string full_line;
  for (std::size_t k = 0; k < 28; ++k) full_line += kanji.substr(k % 5 * 2, 2);
  const std::string kTitleChoices[] = {
      "", "\x88\x9f\x83\x65\x83\x58\x83\x67", std::string("\x10\x20\x81\x40\x13\x05", 6), full_line,
      "\x81\x40\x87\x40\x87\x9c\xed\x40\xee\xfc\x82\xa0", "\x11\x0d\x12\xdc\x88\x9f",
  };
  vtg::SettingsImage image = vtg::testing::DefaultImage();
  std::mt19937 random(seed);
  auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
  for (std::size_t i = 0; i < vtg::kTitles; ++i) {
    image.display_flag[i] = pick(2);
    image.char_size[i] = pick(3);
    image.auto_switch_time[i] = pick(100);
    image.title_text[i] = kTitleChoices[pick(std::size(kTitleChoices))];
  }
  for (std::size_t line = 0; line < vtg::kLines; ++line) {
    image.startup_page[line] = pick(65);
    image.display_page[line] = pick(65);
    image.display_position[line] = pick(16);
  }
  image.white_level = pick(4);
  image.edge_level = pick(4);
  return image;
}

QByteArray DocumentOf(const vtg::SettingsImage& image) {
  return QByteArray::fromStdString(std::get<std::string>(vtg::FormatDocument(image)));
}

// The lines and stray bytes of a traffic log as "> bytes" for those sent by the controller
// and "< bytes" for those it received; `sent` names the controller's direction.
QStringList Exchange(const QByteArray& log, const QString& sent) {
  static const QRegularExpression kLine(QStringLiteral(R"(^\S+ \S+ (sent|received) +[^"]*("(?:[^"\\]|\\.)*"))"));
  QStringList exchange;
  for (const QByteArray& line : log.split('\n')) {
    const auto match = kLine.match(QString::fromUtf8(line));
    if (match.hasMatch()) exchange << (match.captured(1) == sent ? "> " : "< ") + match.captured(2);
  }
  return exchange;
}

// vtg7300ctl in the server role at `controller` (port 0: a free one, which `controller` then
// names) running `args` at the reply pace; `units_come` starts the units once the port is known.
CtlRun RunAsServer(QString& controller, const QStringList& args, const std::function<void()>& units_come = {}) {
  QProcess ctl;
  ctl.setReadChannel(QProcess::StandardError);
  StartCtl(ctl, QStringList{"--listen", controller, "--pace", "reply"} + args);
  if (!QTest::qWaitFor([&] { return ctl.canReadLine(); }, kWaitMs)) return Collect(ctl);
  static const QRegularExpression kListening(QStringLiteral("^vtg7300ctl: listening on (127\\.0\\.0\\.1:\\d+)\n$"));
  const auto listening = kListening.match(QString::fromUtf8(ctl.readLine()));
  if (!listening.hasMatch()) return Collect(ctl);
  controller = listening.captured(1);
  if (units_come) units_come();
  return Collect(ctl);
}

// The result lines of several units by their outcome: "ok", or the error of a failed one.
QStringList Outcomes(const QByteArray& out) {
  QStringList outcomes;
  for (const QString& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split('\t');
    if (fields.size() >= 3 && fields[2].endsWith(" s")) outcomes << (fields[1] == "ok" ? "ok" : fields.value(3));
  }
  outcomes.sort();
  return outcomes;
}

}  // namespace

class CtlSimTest : public QObject {
  Q_OBJECT

 private:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  QTemporaryDir dir_;

 private slots:
  void unitKeepsItsNetworkSettingsAndTakesANewAddress();
  void documentRoundTripsAsServer();
  void manyUnitsRunAtOnceAndAFailingUnitStopsNoOther();
  void ninetySixUnitsTakeSetAllAtOnce();
  void documentsNeedNoUnit();
  void verifyListsWhatChangedBehind_data();
  void verifyListsWhatChangedBehind();
  void glyphsAreDrawnFromFontsAndPicturesWithoutADisplay();
  void failuresTellAndExit();
  void trafficLogsOfBothSidesAgree();
};

void CtlSimTest::unitKeepsItsNetworkSettingsAndTakesANewAddress() {
  SimulatedUnitProcess serial_unit;
  const QString tty = Path("unit-tty");
  QVERIFY(serial_unit.OnPty(tty));

  const CtlRun set = RunCtl({"--serial", tty, "net-set", "--ip", "10.1.2.3", "--gateway", "10.1.2.254", "--active",
                             "10.1.2.4", "--subnet", "A", "--port", "9100", "--keep-alive", "on", "--time-register",
                             "3"});
  QVERIFY2(set.status == 0, qPrintable(Describe(set)));
  const CtlRun read = RunCtl({"--serial", tty, "net-read"});
  QVERIFY2(read.status == 0, qPrintable(Describe(read)));
  QCOMPARE(read.out, QByteArray("active 10.1.2.4\ngateway 10.1.2.254\nip 10.1.2.3\nmac 00-11-22-33-44-55\n"
                                "port 09100\nsubnet A\nkeep-alive on\ntime-register 3\nversion 1.00\n"));

  const CtlRun moved = RunCtl({"--serial", tty, "set-address", "07"});
  QVERIFY2(moved.status == 0, qPrintable(Describe(moved)));
  const CtlRun asked = RunCtl({"--serial", tty, "--address", "07", "raw", "RCWL"});
  QVERIFY2(asked.status == 0, qPrintable(Describe(asked)));
  QCOMPARE(serial_unit.Terminate(), 0);
}

void CtlSimTest::documentRoundTripsAsServer() {
  // The first run takes a free port; the unit comes back to it for the second run.
  const QByteArray doc = DocumentOf(SampleImage(2));
  QVERIFY(WriteFile(Path("server.dat"), doc));
  SimulatedUnitProcess sim;
  QString controller = QStringLiteral("127.0.0.1:0");
  const CtlRun sent = RunAsServer(controller, {"send-all", Path("server.dat")},
                                  [&] { sim.Start({"--connect", controller}); });
  QVERIFY2(sent.status == 0, qPrintable(Describe(sent)));
  const CtlRun back = RunAsServer(controller, {"read-all", Path("server-back.dat")});
  QVERIFY2(back.status == 0, qPrintable(Describe(back)));
  QCOMPARE(sim.Terminate(), 0);
  QCOMPARE(ReadFile(Path("server-back.dat")), doc);
}

void CtlSimTest::verifyListsWhatChangedBehind_data() {
  QTest::addColumn<bool>("tcp");
  QTest::newRow("tcp") << true;
  QTest::newRow("pty") << false;
}

// A document of every kind of setting and title, and small glyphs, sent, verified equal and
// read back byte for byte; then a title, a display flag, a level and a glyph changed in the
// unit behind the controller's back, and exactly those reported.
void CtlSimTest::verifyListsWhatChangedBehind() {
  QFETCH(bool, tcp);
  SimulatedUnitProcess sim;
  QVERIFY(tcp ? sim.Listen() : sim.OnPty(Path("verify-tty")));
  const QStringList link{tcp ? "--tcp" : "--serial", tcp ? sim.address() : Path("verify-tty"), "--pace", "reply"};
  vtg::SettingsImage image = SampleImage(tcp ? 1 : 3);
  image.title_text[4] = "\x93\x8c\x8b\x9e";  // 東京
  image.edge_level = 1;
  image.display_flag[vtg::TitleIndex(2, 7)] = 1;
  const QString doc = Path("verify.dat"), glyphs = Path("verify.tls"), back = Path("verify-back.dat");
  QVERIFY(WriteFile(doc, DocumentOf(image)));
  std::vector<std::string> store(256, vtg::BlankGlyph(vtg::GlyphClass::Small));
  store[4] = std::string(144, 'F');
  QVERIFY(WriteFile(glyphs, QByteArray::fromStdString(vtg::GlyphListFileText(vtg::GlyphClass::Small, store))));
  const auto run = [&](const QStringList& command, int status, const QByteArray& out, const QByteArray& err_end) {
    const CtlRun done = RunCtl(link + command);
    QVERIFY2(done.status == status && done.out == out && done.err.endsWith(err_end), qPrintable(Describe(done)));
  };
  run({"send-all", doc}, 0, "", "");
  run({"glyph-send", "small", glyphs}, 0, "", "");
  run({"verify", doc}, 0, "", "vtg7300ctl: all equal\n");
  run({"glyph-verify", "small", glyphs}, 0, "", "vtg7300ctl: all equal\n");
  run({"read-all", back}, 0, "", "");
  QCOMPARE(ReadFile(back), ReadFile(doc));

  const QString kanji = "3021" + QString("2121").repeated(27);  // 亜
  for (const QString& change : {"CT01T05" + kanji, QString("CTD02T08OF"), QString("CEL0"), "GRS005" + QString(72, 'F') + QString(72, '0')})
    run({"raw", change}, 0, "GO\n", "");
  const QByteArray differences =
      "Edge Level\t1\t0\n"
      "タイトル ch.1 Top Page05\t「東京」\t「亜」\n"
      "タイトル表示 ch.2 Top Page08\tON\tOFF\n";
  run({"verify", doc}, 1, differences, "vtg7300ctl: 3 differences\n");
  run({"read-all", back}, 0, "", "");
  run({"diff", doc, back}, 1, differences, "vtg7300ctl: 3 differences\n");
  run({"glyph-verify", "small", glyphs}, 1, "外字 No.5\t576 ドット\t288 ドット（288 ドット不一致）\n",
      "vtg7300ctl: 1 difference\n");
  QCOMPARE(sim.Terminate(), 0);
}

void CtlSimTest::manyUnitsRunAtOnceAndAFailingUnitStopsNoOther() {
  // Six units that answer, one that answers an error and one whose connection ends, mid-run.
  const QByteArray doc = DocumentOf(SampleImage(3));
  QVERIFY(WriteFile(Path("many.dat"), doc));
  SimulatedUnitProcess six, erring, closing;
  QString controller = QStringLiteral("127.0.0.1:0");
  const CtlRun sent = RunAsServer(controller, {"--units", "8", "send-all", Path("many.dat")}, [&] {
    six.Start({"--connect", controller, "--units", "6"});
    erring.Start({"--connect", controller, "--error-every", "100", "E3"});
    closing.Start({"--connect", controller, "--close-after", "150"});
  });
  QVERIFY2(sent.status == 1, qPrintable(Describe(sent)));
  QCOMPARE(Outcomes(sent.out), (QStringList{"Socket Command", "Socket 接続が切れました"} + QStringList(6, "ok")));
  QCOMPARE(erring.Terminate(), 0);

  // The six come back to the same port; each holds the document, and reads it back whole.
  const CtlRun verified = RunAsServer(controller, {"--units", "6", "verify", Path("many.dat")});
  QVERIFY2(verified.status == 0 && Outcomes(verified.out) == QStringList(6, "ok"), qPrintable(Describe(verified)));
  const CtlRun back = RunAsServer(controller, {"--units", "6", "read-all", Path("back.dat")});
  QVERIFY2(back.status == 0, qPrintable(Describe(back)));
  for (int record = 1; record <= 6; ++record)
    QCOMPARE(ReadFile(Path(QStringLiteral("back-127.0.0.1#%1.dat").arg(record))), doc);
  QCOMPARE(six.Terminate(), 0);
}

void CtlSimTest::ninetySixUnitsTakeSetAllAtOnce() {
  const QByteArray doc = DocumentOf(SampleImage(4));
  QVERIFY(WriteFile(Path("all.dat"), doc));
  SimulatedUnitProcess units;
  QString controller = QStringLiteral("127.0.0.1:0");
  const CtlRun sent = RunAsServer(controller, {"--units", "96", "send-all", Path("all.dat")},
                                  [&] { units.Start({"--connect", controller, "--units", "96"}); });
  QVERIFY2(sent.status == 0 && Outcomes(sent.out) == QStringList(96, "ok"), qPrintable(Describe(sent)));
  const CtlRun verified = RunAsServer(controller, {"--units", "96", "verify", Path("all.dat")});
  QVERIFY2(verified.status == 0 && Outcomes(verified.out) == QStringList(96, "ok"), qPrintable(Describe(verified)));
  QCOMPARE(units.Terminate(), 0);
}

void CtlSimTest::documentsNeedNoUnit() {
  QCOMPARE(RunCtl({"doc-new", Path("new.dat")}).status, 0);
  QCOMPARE(ReadFile(Path("new.dat")).toStdString(),
           std::get<std::string>(vtg::FormatDocument(vtg::testing::DefaultImage())));
  const CtlRun shown = RunCtl({"doc-show", Path("new.dat")});
  QCOMPARE(shown.status, 0);
  QVERIFY(shown.out.contains("ch.2 Bottom page 64: on, L, auto 02, \"\"\n"));
}

void CtlSimTest::glyphsAreDrawnFromFontsAndPicturesWithoutADisplay() {
  // A platform that needs a screen, and no screen: the drawing commands must not use it.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  const auto run = [&](const QStringList& args) {
    QProcess ctl;
    ctl.setProcessEnvironment(environment);
    StartCtl(ctl, args);
    return Collect(ctl);
  };
  const CtlRun kanji = run({"glyph-from-font", "medium", Path("new.tlm"), "3", "亜"});
  QVERIFY2(kanji.status == 0, qPrintable(Describe(kanji)));
  std::vector<std::string> store;
  QVERIFY(vtg::LoadGlyphList(Path("new.tlm").toStdString(), vtg::GlyphClass::Medium, store).empty());
  const std::string blank = vtg::BlankGlyph(vtg::GlyphClass::Medium);
  QCOMPARE(std::count(store.begin(), store.end(), blank), 159);
  QVERIFY(store[2] != blank);

  // Glyph 3 as the glyph list's BMP, white on black, comes back into glyph 160 dot for dot.
  QCOMPARE(RunCtl({"glyph-bmp", "medium", Path("new.tlm"), "3", Path("g3.bmp")}).status, 0);
  const CtlRun picture = run({"glyph-from-image", "medium", Path("new.tlm"), "160", Path("g3.bmp"), "--invert"});
  QVERIFY2(picture.status == 0, qPrintable(Describe(picture)));
  std::vector<std::string> after;
  QVERIFY(vtg::LoadGlyphList(Path("new.tlm").toStdString(), vtg::GlyphClass::Medium, after).empty());
  QCOMPARE(after[159], store[2]);
  QCOMPARE(after[2], store[2]);
}

void CtlSimTest::failuresTellAndExit() {
  const struct {
    QString sim;  // "", "tcp", "pty" or "closed"
    QStringList sim_args, args;  // "LINK" stands for the link options
    int status;
    QString told;
  } kRuns[] = {
      {"", {}, {"send-all"}, 2, "send-all takes 1 argument"},
      {"", {}, {"--tcp", "127.0.0.1", "send-all", "DIR/none.dat"}, 2, "Can't file open"},
      {"", {}, {"doc-show", "DIR/odd.dat"}, 2, "設定ファイルの"},
      {"", {}, {"--tcp", "127.0.0.1", "read-all", "DIR/none/out.dat"}, 2, "Can't file open"},
      {"", {}, {"glyph-bmp", "small", "DIR/short.tls", "1", "DIR/p.bmp"}, 2, "外字ファイルが短すぎます"},
      {"", {}, {"glyph-bmp", "large", "DIR/blank.tll", "1", "DIR/none/p.bmp"}, 2, "Can't file open"},
      {"", {}, {"glyph-from-font", "small", "DIR/f.tls", "1", "亜", "--font", "No Such Font"},
       2, "フォントがありません: No Such Font"},
      {"", {}, {"glyph-from-image", "large", "DIR/f.tll", "1", "DIR/short.tls"}, 2, "画像ファイルを読めません"},
      {"closed", {}, {"LINK", "raw", "RCEL"}, 1, "ソケットイベントにエラーが発生しました。"},
      {"", {}, {"--serial", "DIR/none-tty", "raw", "RCEL"}, 1, "Miss! File Open"},
      {"tcp", {}, {"LINK", "--address", "05", "--timeout", "0.3", "raw", "RCEL"}, 1, "Answer が､きません"},
      {"pty", {}, {"LINK", "--address", "05", "--timeout", "0.3", "raw", "RCEL"}, 1, "No Connect"},
      {"pty", {"--error-every", "40", "E1"}, {"LINK", "--pace", "reply", "read-all", "DIR/x.dat"}, 1, "Parity Error"},
      {"tcp", {"--error-every", "3", "GN"}, {"LINK", "--pace", "reply", "glyph-read", "medium", "DIR/x.tlm"},
       1, "Socket 自動切換え中！"},
  };
  const QByteArray doc = DocumentOf(SampleImage(6));
  QVERIFY(WriteFile(Path("odd.dat"), doc.left(doc.size() / 2)));
  QVERIFY(WriteFile(Path("short.tls"), "0\r\n1\r\n"));
  QVERIFY(WriteFile(Path("blank.tll"), QByteArray(70 * 576, '0')));
  for (const auto& [sim, sim_args, args, status, told] : kRuns) {
    SimulatedUnitProcess unit;
    QStringList link;
    if (sim == "tcp") {
      QVERIFY(unit.Listen(sim_args));
      link = QStringList{"--tcp", unit.address()};
    }
    if (sim == "pty") {
      QVERIFY(unit.OnPty(Path("unit-tty"), sim_args));
      link = QStringList{"--serial", Path("unit-tty")};
    }
    if (sim == "closed") link = QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(vtg::testing::FreeTcpPort())};
    QStringList line;
    for (const QString& arg : args) line += arg == "LINK" ? link : QStringList{QString(arg).replace("DIR", dir_.path())};
    const CtlRun run = RunCtl(line);
    QVERIFY2(run.status == status && QString::fromUtf8(run.err).contains(told), qPrintable(Describe(run)));
    for (const char* name : {"x.dat", "x.tlm", "f.tll", "f.tls"}) QVERIFY(!QFileInfo::exists(Path(name)));
  }
}

void CtlSimTest::trafficLogsOfBothSidesAgree() {
  SimulatedUnitProcess sim;
  const QString tty = Path("unit-tty");
  QVERIFY(sim.OnPty(tty, {"--address", "05", "--log", Path("unit.log")}));
  const CtlRun run = RunCtl({"--serial", tty, "--address", "05", "-v", "--log", Path("ctl.log"), "raw", "RCEL"});
  QVERIFY2(run.status == 0 && run.out == "CEL1\n", qPrintable(Describe(run)));
  QCOMPARE(sim.Terminate(), 0);

  const QByteArray logged = ReadFile(Path("ctl.log"));
  QCOMPARE(Exchange(logged, "sent"), (QStringList{R"(> "05RCEL\r\n")", R"(< "05CEL1\r\n")"}));
  QCOMPARE(Exchange(ReadFile(Path("unit.log")), "received"), Exchange(logged, "sent"));
  for (const QByteArray& line : logged.trimmed().split('\n')) QVERIFY2(run.err.contains(line + '\n'), line.constData());
}

QTEST_GUILESS_MAIN(CtlSimTest)
#include "ctl_sim_test.moc"
