// The pieces every dialog builds on: opening conventions, the sequence runner, the slave
// address list.
#include <QLineEdit>
#include <QProgressBar>

#include "dialog_driver.h"
#include "test_app.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"
#include "ui/slave_address_combo.h"

namespace vtg::testing {

// A dialog with a four-step run that sends "S<step>" without waiting for replies.
class RunDialog : public ui::SettingsDialog {
 public:
  RunDialog(ui::AppContext& app, QWidget* parent, ui::DialogSetup setup = {"走行 ", "走行の設定 ", 1})
      : SettingsDialog(app, setup, parent) {
    close_ = Button(2, QStringLiteral("Close"));
    bar_ = ui::WithId(1019, new QProgressBar(this));
    bar_->setRange(0, 4);
    percent_ = ui::WithId(1095, new QLineEdit(this));
    new ui::SlaveAddressCombo(app.state, ui::SlaveAddressCombo::Entries::WithBroadcast, this);
    runner_ = new ui::SequenceRunner(app, this, close_, bar_, percent_);
  }
  SequenceEngine::Start Start() {
    SequenceRun run;
    run.period_ms = 200;
    run.last_step = 4;
    run.percent_divisor = 4;
    run.waits_for_reply = false;
    run.step = [this](int s) {
      app().link.SendCommandLine("S" + std::to_string(s) + "\r\n");
      return StepResult::Sent();
    };
    return runner_->Begin(std::move(run));
  }
  ui::SequenceRunner* runner_;
  QPushButton* close_;
  QProgressBar* bar_;
  QLineEdit* percent_;
};

class UiLayerTest : public QObject {
  Q_OBJECT
 private slots:
  void OpeningFollowsTheConventions() {
    TestApp t;
    t.state.corner_clicks = 7;
    t.state.link.selected_peer = 2;
    t.state.client_table.Accept(2, 11, "10.0.0.9");
    QWidget* owner = nullptr;
    t.context.set_message_owner = [&](QWidget* w) { owner = w; };
    QWidget main_window;
    main_window.show();
    QApplication::setActiveWindow(&main_window);

    RunDialog dialog(t.context, &main_window, {"走行 ", "走行の設定 ", 0});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("走行の設定 10.0.0.9"));
    QCOMPARE(t.state.corner_clicks, 0);
    QCOMPARE(t.state.flags.address_prefix, 0);
    QCOMPARE(owner, QApplication::activeWindow());

    t.state.link.selected_peer = -1;
    RunDialog plain(t.context, nullptr, {"走行 ", "走行の設定 ", std::nullopt});
    QCOMPARE(plain.windowTitle(), QStringLiteral("走行 "));
    QCOMPARE(t.state.flags.address_prefix, 0);
  }

  void SlaveAddressListStoresEverySelection() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    ui::SlaveAddressCombo all(t.state, ui::SlaveAddressCombo::Entries::WithBroadcast);
    QCOMPARE(all.currentIndex(), kBroadcast);
    ui::SlaveAddressCombo units(t.state, ui::SlaveAddressCombo::Entries::UnitsOnly);
    QCOMPARE(units.currentIndex(), -1);
    units.setCurrentIndex(7);
    QCOMPARE(t.state.selection.slave_index, 7);
  }

  void RunnerDisablesCloseAndShowsProgress() {
    TestApp t;
    RunDialog dialog(t.context, nullptr);
    QCOMPARE(dialog.Start(), SequenceEngine::Start::Started);
    QVERIFY(!dialog.close_->isEnabled());
    const auto tick_and_answer = [&] {
      dialog.runner_->Tick();
      t.link.OnSerialBytes("00GO\r\n");
    };
    tick_and_answer();
    tick_and_answer();
    QCOMPARE(dialog.bar_->value(), 2);
    QCOMPARE(dialog.percent_->text(), QStringLiteral("50"));
    QCOMPARE(t.serial.lines, (std::vector<std::string>{"00S1\r\n", "00S2\r\n"}));
    QCOMPARE(dialog.Start(), SequenceEngine::Start::Busy);
    tick_and_answer();
    tick_and_answer();
    QVERIFY(!dialog.runner_->Running());
    QVERIFY(dialog.close_->isEnabled());
    QCOMPARE(dialog.bar_->value(), 0);
    QCOMPARE(t.state.flags.sequence_step, 0);
  }

  void ClosingOrDestroyingADialogEndsItsRun() {
    TestApp t;
    RunDialog dialog(t.context, nullptr);
    std::optional<SequenceEngine::End> how;
    dialog.runner_->OnEnd([&](SequenceEngine::End e) { how = e; });
    QVERIFY(ShowOnScreen(dialog));
    dialog.Start();
    dialog.runner_->Tick();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(how, std::optional(SequenceEngine::End::Aborted));
    QCOMPARE(t.state.flags.sequence_step, 0);
    QVERIFY(dialog.close_->isEnabled());
    {
      RunDialog gone(t.context, nullptr);
      gone.Start();
    }
    QCOMPARE(t.state.flags.sequence_step, 0);
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::UiLayerTest)
#include "ui_layer_test.moc"
