// Set All Items and Read Setting Items through the real dialogs and the socket link, against a
// simulated unit on loopback. The runs' timers are ticked here; the replies come over TCP.
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialog_driver.h"
#include "event_waits.h"
#include "qt_files.h"
#include "settings/document_commands.h"
#include "settings/settings_document.h"
#include "shell/whole_unit_run_dialog.h"
#include "shown_texts.h"
#include "sim/sim_log.h"
#include "sim/simulated_unit_server.h"
#include "socket_controller.h"
#include "text_builders.h"

namespace vtg {

using testing::Click;
using testing::Find;
using testing::Pair;
using testing::ReadFile;
using testing::RunEventsUntil;
using testing::ShownTexts;

namespace {

constexpr int kUnitAddress = 5;
constexpr int kTwinTitle = 7;  // NEC-selected IBM extensions, sent in their IBM form

// A title of `chars` characters cycling through `pairs`.
std::string Title(std::initializer_list<unsigned> pairs, int chars) {
  std::string title;
  for (int i = 0; i < chars; ++i) title += Pair(pairs.begin()[i % static_cast<int>(pairs.size())]);
  return title;
}

// Every persisted setting away from its default, and titles of every kind the unit keeps as
// they are: kanji, kana, NEC special characters, NEC-selected IBM extensions, glyph pairs
// (one holding a CR byte), full 56-byte titles, and empty ones. None ends in a full-width
// space: the unit pads with those, so they do not come back.
SettingsImage VariedImage(const SettingsImage& defaults) {
  SettingsImage image = defaults;
  for (int i = 0; i < kTitles; ++i) {
    image.display_flag[i] = (i * 5 + 1) % 3 == 0 ? 0 : 1;
    image.char_size[i] = (i / 3) % 3;
    image.auto_switch_time[i] = (i * 37 + 11) % 100;
    switch (i % 6) {
      case 0: image.title_text[i] = Title({0x8ABF, 0x8E9A, 0x889F, 0x9FA0, 0xEAA4}, 1 + i % 28); break;
      case 1: image.title_text[i] = Title({0x82A0, 0x8342, 0x8740, 0x879C, 0x8754}, 28); break;
      case 2: image.title_text[i] = Pair(0x8140) + Title({0xED40, 0xEEEC, 0xEEFC, 0x8A9D}, 3 + i % 20); break;
      case 3: image.title_text[i] = Title({0x1020, 0x110D, 0x12DC, 0x1305, 0x889F}, 5 + i % 7); break;
      case 4: image.title_text[i] = ""; break;
      case 5: image.title_text[i] = Title({0x8CDC, 0x8140, 0x1111}, 28); break;
    }
  }
  image.title_text[kTwinTitle] = Title({0xEEEF, 0xEE80}, 4);
  image.startup_page = {64, 0, 63, 17};
  image.display_page = {5, 64, 0, 63};
  image.display_position = {0, 15, 3, 12};
  image.white_level = 0;
  image.edge_level = 2;
  return image;
}

std::string Document(const SettingsImage& image) {
  auto text = FormatDocument(image);
  return std::holds_alternative<std::string>(text) ? std::get<std::string>(text)
                                                   : "unsavable: " + std::get<DocumentFault>(text).message;
}

int LinesReceived(const QString& log_path) {
  int lines = 0;
  for (const QByteArray& entry : ReadFile(log_path).split('\n')) lines += entry.contains(" received ");
  return lines;
}

}  // namespace

class WholeUnitRunsSimTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { c = std::make_unique<testing::SocketController>(); }
  void cleanup() {
    server.reset();
    c.reset();
    log.reset();
  }

  void documentSurvivesTheUnitByteForByte();
  void runEndsAtTheTickAfterAnError_data();
  void runEndsAtTheTickAfterAnError();
  void silentUnitEndsTheRunWithTheTimeOut_data();
  void silentUnitEndsTheRunWithTheTimeOut();

 private:
  // A simulated unit at kUnitAddress behind a TCP server on loopback, connected to.
  bool ConnectToUnit(sim::LinkSettings settings = {}, sim::SimLog* log = nullptr);
  // Chooses the unit's address, presses the dialog's start button and ticks until the run
  // ends, letting each line's reply (or its time-out) arrive before the next tick. The
  // number of ticks.
  int RunToEnd(shell::WholeUnitRunDialog& dialog, int start_id);

  std::unique_ptr<testing::SocketController> c;
  sim::SimulatedUnit unit{kUnitAddress};
  std::unique_ptr<sim::SimLog> log;  // outlives the server that writes to it
  std::unique_ptr<sim::SimulatedUnitServer> server;
};

bool WholeUnitRunsSimTest::ConnectToUnit(sim::LinkSettings settings, sim::SimLog* log) {
  unit = sim::SimulatedUnit(kUnitAddress);
  server = std::make_unique<sim::SimulatedUnitServer>(std::vector<sim::SimulatedUnit*>{&unit}, settings, log);
  return server->start(QHostAddress::LocalHost, 0) && c->ConnectToUnit(server->port());
}

int WholeUnitRunsSimTest::RunToEnd(shell::WholeUnitRunDialog& dialog, int start_id) {
  Find<QComboBox>(dialog, 1094)->setCurrentIndex(kUnitAddress);
  Click(dialog, start_id);
  int ticks = 0;
  while (dialog.runner().Running() && ticks < 400) {
    dialog.runner().Tick();
    ++ticks;
    if (!RunEventsUntil([&] { return !c->link.AwaitingSocketReply(); })) qWarning("no reply and no time-out");
  }
  return ticks;
}

void WholeUnitRunsSimTest::documentSurvivesTheUnitByteForByte() {
  QVERIFY(ConnectToUnit());
  QTemporaryDir dir;
  testing::ScriptedFileDialogs& files = c->dialogs;
  const auto save_as = [&](const char* name) {
    files.choice = dir.filePath(QString::fromUtf8(name)).toStdString();
    return SaveDocumentAs(c->state, c->messages, files) == DocumentResult::Done;
  };

  c->state.image = VariedImage(c->state.image);
  const std::string expected = Document(c->state.image);
  QVERIFY2(expected.size() > 10000, expected.c_str());
  // The unit keeps one code for an IBM extension and its NEC-selected twin: the twin comes back.
  c->state.image.title_text[kTwinTitle] = Title({0xFA40, 0xFB9C}, 4);
  QVERIFY(save_as("スタジオ"));
  files.choice = c->state.doc.doc_file_name;
  QCOMPARE(NewDocument(c->state, c->messages), DocumentResult::Done);
  QCOMPARE(OpenDocument(c->state, c->messages, files), DocumentResult::Done);
  {
    shell::WholeUnitRunDialog set_all(c->context, shell::kSetAllItemsLayout, nullptr);
    const int ticks = RunToEnd(set_all, 1012);
    QVERIFY2(ticks == 284, qPrintable(ShownTexts(c->messages).join('|')));
  }
  QCOMPARE(ShownTexts(c->messages), QStringList{"Success Socket ＯＫ"});

  QCOMPARE(NewDocument(c->state, c->messages), DocumentResult::Done);
  QVERIFY(Document(c->state.image) != expected);
  {
    shell::WholeUnitRunDialog read(c->context, shell::kReadSettingItemsLayout, nullptr);
    QCOMPARE(RunToEnd(read, 1069), 286);
  }
  QCOMPARE(ShownTexts(c->messages), (QStringList{"Success Socket ＯＫ", "Success Socket ＯＫ"}));
  QVERIFY(save_as("read back"));
  const QByteArray saved = ReadFile(dir.filePath(QStringLiteral("read back.dat")));
  QCOMPARE(saved.size(), qsizetype(expected.size()));
  QVERIFY(saved == QByteArray::fromStdString(expected));
}

void WholeUnitRunsSimTest::runEndsAtTheTickAfterAnError_data() {
  QTest::addColumn<const shell::WholeUnitRunLayout*>("layout");
  QTest::addColumn<int>("start_id");
  QTest::addColumn<int>("ticks");
  QTest::newRow("set all") << &shell::kSetAllItemsLayout << 1012 << 101;
  QTest::newRow("read") << &shell::kReadSettingItemsLayout << 1069 << 104;  // three idle steps come first
}

void WholeUnitRunsSimTest::runEndsAtTheTickAfterAnError() {
  QFETCH(const shell::WholeUnitRunLayout*, layout);
  QFETCH(int, start_id);
  QFETCH(int, ticks);
  QTemporaryDir dir;
  log = std::make_unique<sim::SimLog>();
  QString log_error;
  QVERIFY2(log->open(dir.filePath(QStringLiteral("unit.log")), &log_error), qPrintable(log_error));
  QVERIFY(ConnectToUnit({{}, {.error_every = 100, .error_code = "E3"}}, log.get()));
  shell::WholeUnitRunDialog dialog(c->context, *layout, nullptr);
  QCOMPARE(RunToEnd(dialog, start_id), ticks);
  QVERIFY(!QTest::qWaitFor([&] { return LinesReceived(dir.filePath(QStringLiteral("unit.log"))) > 100; }, 100));
  QCOMPARE(LinesReceived(dir.filePath(QStringLiteral("unit.log"))), 100);
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Socket Command"});
  QCOMPARE(c->state.flags.sequence_step, 0);
  QVERIFY(Find(dialog, 2)->isEnabled());
}

void WholeUnitRunsSimTest::silentUnitEndsTheRunWithTheTimeOut_data() {
  QTest::addColumn<const shell::WholeUnitRunLayout*>("layout");
  QTest::addColumn<int>("start_id");
  QTest::newRow("set all") << &shell::kSetAllItemsLayout << 1012;
  QTest::newRow("read") << &shell::kReadSettingItemsLayout << 1069;
}

void WholeUnitRunsSimTest::silentUnitEndsTheRunWithTheTimeOut() {
  QFETCH(const shell::WholeUnitRunLayout*, layout);
  QFETCH(int, start_id);
  QVERIFY(ConnectToUnit({{}, {.drop_every = 1}}));
  c->link.SetTiming({300, 100});  // the wait itself is the link's; only its length is cut here
  shell::WholeUnitRunDialog dialog(c->context, *layout, nullptr);
  QCOMPARE(RunToEnd(dialog, start_id), 2);
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Answer が､きません"});
  QCOMPARE(c->state.flags.sequence_step, 0);
  QCOMPARE(c->state.flags.abort_flag, 0);
}

}  // namespace vtg

QTEST_MAIN(vtg::WholeUnitRunsSimTest)
#include "whole_unit_runs_sim_test.moc"
