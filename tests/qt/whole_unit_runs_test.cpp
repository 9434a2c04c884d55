// Set All Items, Read Setting Items, the verify and the version box against a recording serial
// port or a simulated unit, ticked in virtual time; the File menu's commands through the real
// file dialog.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include "dialog_driver.h"
#include "qt_files.h"
#include "settings/document_commands.h"
#include "shell/document_and_run_commands.h"
#include "shell/menu_table.h"
#include "shell/verify_dialog.h"
#include "shell/version_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "test_app.h"
#include "ui/qt_text.h"

namespace vtg::testing {

namespace {

// What the progress display went through, as (bar position, percentage) pairs.
struct ProgressTrace {
  ProgressTrace(QWidget& dialog, const shell::WholeUnitRunLayout& layout)
      : bar(Find<QProgressBar>(dialog, layout.bar_id), &QProgressBar::valueChanged),
        percent(Find<QLineEdit>(dialog, layout.percent_id), &QLineEdit::textChanged) {}
  QSignalSpy bar;
  QSignalSpy percent;
  int LastBar(int back = 1) const { return bar.at(bar.count() - back).at(0).toInt(); }
  QString LastPercent(int back = 1) const { return percent.at(percent.count() - back).at(0).toString(); }
};

// Answers the next file dialog: chooses `path`, or cancels when it is empty.
void AnswerFileDialog(const QString& path) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (path.isEmpty()) {
      dialog->reject();
    } else {
      // Typed into the name box, as selectFile() leaves the box alone while it has the focus.
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
      static_cast<QDialog*>(dialog)->accept();  // as the Save/Open button does
    }
    poll->deleteLater();
  });
  poll->start(10);
  QTimer::singleShot(5000, poll, &QObject::deleteLater);  // never answers a later test's dialog
}

}  // namespace

class WholeUnitRunsTest : public QObject {
  Q_OBJECT
 private slots:
  void SetAllSendsEveryStepAnsweredLineByLine() {
    TestApp t;
    shell::WholeUnitRunDialog dialog(t.context, shell::kSetAllItemsLayout, nullptr);
    ProgressTrace trace(dialog, shell::kSetAllItemsLayout);
    QCOMPARE(Find<QProgressBar>(dialog, 1015)->maximum(), 284);
    Click(dialog, 1012);
    QVERIFY(!Find(dialog, 2)->isEnabled());
    for (int step = 1; step <= 284; ++step) {
      const std::size_t sent = t.serial.lines.size();
      dialog.runner().Tick();
      if (t.serial.lines.size() > sent) t.link.OnSerialBytes("00GO\r\n");
      if (step == 100) {
        QCOMPARE(trace.LastBar(), 100);
        QCOMPARE(trace.LastPercent(), QStringLiteral("35"));
        Click(dialog, 1012);  // pressing again while it runs does nothing
        QCOMPARE(t.state.flags.sequence_step, 101);
      }
    }
    QCOMPARE(t.serial.lines.size(), std::size_t(282));
    QCOMPARE(t.serial.lines.front().substr(0, 9), std::string("00CT01T01"));
    QCOMPARE(t.serial.lines.back(), std::string("00P02B01\r\n"));
    // The last step shows the full bar and 100, then the run ends and both clear.
    QCOMPARE(trace.LastBar(2), 284);
    QCOMPARE(trace.LastPercent(2), QStringLiteral("100"));
    QCOMPARE(trace.LastBar(), 0);
    QCOMPARE(trace.LastPercent(), QStringLiteral("   "));
    QVERIFY(Find(dialog, 2)->isEnabled());
    QVERIFY(!dialog.runner().Running());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }

  void SetAllOnBroadcastSendsALineEveryTick() {
    TestApp t;
    shell::WholeUnitRunDialog dialog(t.context, shell::kSetAllItemsLayout, nullptr);
    Find<QComboBox>(dialog, 1094)->setCurrentIndex(kBroadcast);
    Click(dialog, 1012);
    for (int tick = 0; tick < 284; ++tick) dialog.runner().Tick();
    QVERIFY(!dialog.runner().Running());
    QCOMPARE(t.serial.lines.size(), std::size_t(282));
    for (const std::string& line : t.serial.lines) QCOMPARE(line.substr(0, 2), std::string("FF"));
    QVERIFY(t.messages.shown.empty());
    QVERIFY(Find(dialog, 2)->isEnabled());
  }

  // The verify opens once the unit answered Set All's last line, so Set All's own box still
  // shows; it lists what changed in the unit behind the controller's back, and the data stays.
  void SetAllThenVerifyListsWhatChangedInTheUnit() {
    TestApp t;
    const SettingsImage data = t.state.image;
    sim::SimulatedUnit unit;
    t.unit = SimulatedUnits({&unit});
    shell::WholeUnitRunDialog set_all(t.context, shell::kSetAllItemsLayout, nullptr);
    Find<QCheckBox>(set_all, shell::kVerifyAfterId)->setChecked(true);
    Click(set_all, 1012);
    RunToEnd(t, set_all.runner());
    QStringList results;
    OnNextModal([&](QWidget& verify) {
      unit.state().display_flag[2][7] = 0;
      RunToEnd(t, Runner(verify));
      results << Find<QLabel>(verify, shell::kVerifyResultId)->text();
      auto* table = Find<QTableWidget>(verify, shell::kVerifyTableId);
      for (int column = 0; column < 3; ++column) results << table->item(0, column)->text();
    });
    QTRY_COMPARE(results,
                 QStringList({"一致しない項目が 1 件あります。", "タイトル表示 ch.2 Top Page08", "ON", "OFF"}));
    QCOMPARE(t.state.image, data);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }

  void ReadIsRefusedOnBroadcast() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    shell::WholeUnitRunDialog dialog(t.context, shell::kReadSettingItemsLayout, nullptr);
    ProgressTrace trace(dialog, shell::kReadSettingItemsLayout);
    QCOMPARE(Find<QComboBox>(dialog, 1094)->currentText(), QStringLiteral("Broadcast"));
    Click(dialog, 1069);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Error, "Broadcastではリードできません"}}));
    QVERIFY(!dialog.runner().Running());
    QVERIFY(Find(dialog, 2)->isEnabled());
    QCOMPARE(trace.bar.count(), 0);
    QVERIFY(t.serial.lines.empty());
  }

  void ReadMovesTheBarThroughIdleStepsAndEndsAt99() {
    TestApp t;
    t.state.selection.slave_index = 3;
    shell::WholeUnitRunDialog dialog(t.context, shell::kReadSettingItemsLayout, nullptr);
    ProgressTrace trace(dialog, shell::kReadSettingItemsLayout);
    QCOMPARE(Find<QProgressBar>(dialog, 1071)->maximum(), 286);
    Click(dialog, 1069);
    for (int step = 1; step <= 285; ++step) {
      const std::size_t sent = t.serial.lines.size();
      dialog.runner().Tick();
      QCOMPARE(trace.LastBar(), step);
      if (step >= 27 && step <= 29) QCOMPARE(t.serial.lines.size(), sent);
      if (t.serial.lines.size() > sent) t.link.OnSerialBytes("03GO\r\n");
    }
    QCOMPARE(t.serial.lines.size(), std::size_t(282));
    QCOMPARE(trace.LastPercent(), QStringLiteral("99"));
    dialog.runner().Tick();  // the reply to the last read is in: the run ends
    QCOMPARE(trace.LastPercent(), QStringLiteral("   "));
    QVERIFY(Find(dialog, 2)->isEnabled());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }

  void CaptionsNameTheChosenUnit() {
    struct Case {
      std::function<QDialog*(ui::AppContext&)> open;
      QString caption, with_peer;
    };
    const Case cases[] = {
        {[](ui::AppContext& app) { return new shell::WholeUnitRunDialog(app, shell::kSetAllItemsLayout, nullptr); },
         QStringLiteral("全項目の設定"), QStringLiteral("全項目の設定 192.168.0.77")},
        {[](ui::AppContext& app) { return new shell::WholeUnitRunDialog(app, shell::kReadSettingItemsLayout, nullptr); },
         QStringLiteral("設定項目の読み込み"), QStringLiteral("設定項目の読み込み 192.168.0.77")},
        {[](ui::AppContext& app) { return new shell::VersionDialog(app, nullptr); },
         QStringLiteral("VTG7300のﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("VTG7300のバージョン情報 192.168.0.77")},
    };
    for (const Case& c : cases) {
      TestApp t;
      t.state.client_table.Accept(3, 30, "192.168.0.77");
      t.state.flags.address_prefix = 0;
      t.state.link.selected_peer = -1;
      std::unique_ptr<QDialog> plain(c.open(t.context));
      QCOMPARE(plain->windowTitle(), c.caption);
      QCOMPARE(t.state.flags.address_prefix, 1);
      t.state.link.selected_peer = 3;
      std::unique_ptr<QDialog> named(c.open(t.context));
      QCOMPARE(named->windowTitle(), c.with_peer);
    }
  }

  void VersionBoxShowsTheVersionAndEndsOnOk() {
    TestApp t;
    shell::VersionDialog dialog(t.context, nullptr);
    QStringList texts;
    for (auto* label : dialog.findChildren<QLabel*>()) texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("VTG7300 Version 1.00")));
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("MYICON"))->pixmap().isNull());
    QTimer::singleShot(0, &dialog, [&] { Click(dialog, 1); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
  }

  void FileMenuSavesOpensAndStartsAnew() {
    TestApp t;
    QTemporaryDir dir;
    ui::DialogRegistry registry;
    shell::RegisterDocumentAndRunCommands(registry);
    t.state.image.white_level = 1;
    t.state.doc.doc_modified = 1;

    AnswerFileDialog(dir.filePath(QStringLiteral("studio")));
    QVERIFY(registry.Open(kCmdSave, t.context, nullptr));  // no name yet: Save As
    const QString saved = dir.filePath(QStringLiteral("studio.dat"));
    QCOMPARE(ui::ToQString(t.state.doc.doc_file_name), saved);
    QCOMPARE(t.state.doc.doc_modified, 0);
    QCOMPARE(ui::ToQString(DocumentNameText(t.state.doc)), saved);
    QVERIFY(ReadFile(saved).contains("\r\n1\r\n1\r\n"));  // white level, then edge level

    t.state.doc.doc_modified = 1;
    t.messages.answer = false;
    registry.Open(kCmdNew, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 1);
    t.messages.answer = true;
    registry.Open(kCmdNew, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 3);
    QCOMPARE(DocumentNameText(t.state.doc), std::string("File Name "));

    AnswerFileDialog(saved);
    registry.Open(kCmdOpen, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 1);
    QCOMPARE(ui::ToQString(t.state.doc.doc_file_name), saved);
    QCOMPARE(t.messages.asked.size(), std::size_t(2));
  }

  void ExitSaveReportsACancelledSaveAs() {
    TestApp t;
    ui::DialogRegistry registry;
    shell::RegisterDocumentAndRunCommands(registry);
    QVERIFY(registry.documentSave());
    t.state.doc.doc_modified = 1;
    AnswerFileDialog({});
    QVERIFY(!registry.documentSave()(t.context, nullptr));
    QCOMPARE(t.state.doc.doc_modified, 1);

    QTemporaryDir dir;
    AnswerFileDialog(dir.filePath(QStringLiteral("exit.dat")));
    QVERIFY(registry.documentSave()(t.context, nullptr));
    QCOMPARE(t.state.doc.doc_modified, 0);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("exit.dat"))));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::WholeUnitRunsTest)
#include "whole_unit_runs_test.moc"
