// "照合" against a simulated unit on the serial port, after Set All Items through its check box.
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

#include "dialog_driver.h"
#include "shell/verify_dialog.h"
#include "test_app.h"

namespace vtg::testing {

class VerifyDialogTest : public QObject {
  Q_OBJECT
 private slots:
  // The verify opens once the unit answered the last line, so Set All's own box still shows;
  // a second verify finds what changed in the unit. The data never changes.
  void SetAllThenVerifyFindsTheUnitEqualThenWhatChangedBehindIt() {
    TestApp t;
    t.state.image.white_level = 2;
    const SettingsImage data = t.state.image;
    UnitOnSerialPort port(t.link);
    shell::WholeUnitRunDialog set_all(t.context, shell::kSetAllItemsLayout, nullptr);
    Find<QCheckBox>(set_all, shell::kVerifyAfterId)->setChecked(true);
    Click(set_all, 1012);
    port.RunToEnd(set_all.runner());
    QStringList results;
    OnNextModal([&](QWidget& dialog) {
      for (int run = 0; run < 2; ++run) {
        if (run == 1) Click(dialog, shell::kVerifyLayout.start_id);
        port.RunToEnd(Runner(dialog));
        results << Find<QLabel>(dialog, shell::kVerifyResultId)->text();
        port.unit.state().display_flag[2][7] = 0;
      }
      auto* table = Find<QTableWidget>(dialog, shell::kVerifyTableId);
      for (int column = 0; column < 3; ++column) results << table->item(0, column)->text();
      dialog.close();
    });
    QTRY_COMPARE(results, QStringList({"データと本機の設定はすべて一致しています。", "一致しない項目が 1 件あります。",
                                       "タイトル表示 ch.2 Top Page08", "ON", "OFF"}));
    QCOMPARE(t.state.image, data);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::VerifyDialogTest)
#include "verify_dialog_test.moc"
