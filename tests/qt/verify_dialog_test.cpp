// "照合" against a simulated unit on the serial port: after Set All Items, through the check
// box, and once the unit was changed behind the controller's back.
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

#include "dialog_driver.h"
#include "shell/verify_dialog.h"
#include "test_app.h"
#include "test_text.h"
#include "ui/qt_text.h"

namespace vtg::testing {

class VerifyDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void SetAllThenVerifyFindsTheUnitEqualThenWhatChangedBehindIt() {
    TestApp t;
    t.state.image.title_text[3] = Pair(0x938C) + Pair(0x8B9E);
    t.state.image.white_level = 2;
    const SettingsImage data = t.state.image;
    UnitOnSerialPort port(t.link);
    shell::WholeUnitRunDialog set_all(t.context, shell::kSetAllItemsLayout, nullptr);
    Find<QCheckBox>(set_all, shell::kVerifyAfterId)->setChecked(true);
    Click(set_all, 1012);
    port.RunToEnd(set_all.runner());

    QStringList results;
    const auto verify = [&](QWidget& dialog) {
      port.RunToEnd(Runner(dialog));
      results << Find<QLabel>(dialog, shell::kVerifyResultId)->text();
      auto* table = Find<QTableWidget>(dialog, shell::kVerifyTableId);
      for (int row = 0; row < table->rowCount(); ++row)
        results << table->item(row, 0)->text() + " | " + table->item(row, 1)->text() + " | " +
                       table->item(row, 2)->text();
    };
    OnNextModal([&](QWidget& dialog) {
      verify(dialog);
      sim::UnitState& unit = port.unit.state();
      unit.stored_titles[3][1] = 0x2121;
      unit.display_flag[2][7] = 0;
      unit.edge_level = 0;
      Click(dialog, shell::kVerifyLayout.start_id);
      verify(dialog);
      dialog.close();
    });
    QTRY_COMPARE(results.size(), 5);
    QCOMPARE(results, QStringList({ui::ToQString(shell::VerifyDialog::kAllEqualText),
                                   QStringLiteral("一致しない項目が 3 件あります。"),
                                   QStringLiteral("Edge Level | 1 | 0"),
                                   QStringLiteral("タイトル ch.1 Top Page04 | 「東京」 | 「東」"),
                                   QStringLiteral("タイトル表示 ch.2 Top Page08 | ON | OFF")}));
    QCOMPARE(t.state.image, data);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::VerifyDialogTest)
#include "verify_dialog_test.moc"
