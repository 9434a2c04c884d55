// The window's runs over several units, against simulated units: those of the server role on
// loopback (what each unit's row says, what the units hold and the documents a read leaves,
// and one unit's failure stopping no other), and slave addresses taking turns on one
// pseudo-terminal.
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "dialog_driver.h"
#include "qt_files.h"
#include "settings/settings_document.h"
#include "serial_controller.h"
#include "server_role_units.h"
#include "simulated_unit_process.h"
#include "shell/verify_dialog.h"

namespace vtg::testing {
namespace {

using shell::ManyUnitDialog;

QStringList Column(QWidget& dialog, int column) {
  auto* table = Find<QTableWidget>(dialog, ManyUnitDialog::kTableId);
  QStringList cells;
  for (int row = 0; row < table->rowCount(); ++row) cells << table->item(row, column)->text();
  return cells;
}

// Opens the many-unit dialog from `layout`'s run dialog, as the operator does, and runs the
// units listed `checked`; `before` sets the dialog up.
void RunOver(SocketController& c, const shell::WholeUnitRunLayout& layout, const std::vector<bool>& checked,
             const std::function<void(QWidget&)>& check, const std::function<void(QWidget&)>& before = {}) {
  shell::WholeUnitRunDialog run(c.context, layout, nullptr);
  OnNextModal([&](QWidget& dialog) {
    if (before) before(dialog);
    QVERIFY(RunUnits(static_cast<ManyUnitDialog&>(dialog), checked));
    check(dialog);
  });
  Click(run, shell::kManyUnitsId);
}

}  // namespace

class ManyUnitTest : public QObject {
  Q_OBJECT
 private slots:
  void SetAllVerifyAndReadOverUnitsOfTheServerRole() {
    SocketController c;
    // Records 1..3 sound, 4 answers its 100th line with an error, 5 goes at its 150th.
    ServerRoleUnits peers;
    QVERIFY(peers.Connect(c, {{}, {}, {}, {.error_every = 100}, {.close_after = 150}}));
    c.state.image.white_level = 1;
    const auto& units = peers.units;

    RunOver(c, shell::kSetAllItemsLayout, std::vector<bool>(5, true), [](QWidget& dialog) {
      QCOMPARE(Column(dialog, ManyUnitDialog::kUnitColumn),
               (QStringList{"127.0.0.1#1", "127.0.0.1#2", "127.0.0.1#3", "127.0.0.1#4", "127.0.0.1#5"}));
      QCOMPARE(Column(dialog, ManyUnitDialog::kStatusColumn), (QStringList{"完了", "完了", "完了", "失敗", "失敗"}));
      QCOMPARE(Column(dialog, ManyUnitDialog::kResultColumn).mid(3),
               (QStringList{"Socket Command", QString::fromUtf8(Link::kPeerLostText)}));
      QCOMPARE(Column(dialog, ManyUnitDialog::kPercentColumn).mid(0, 3), QStringList(3, "100"));
      QVERIFY(Find<QLabel>(dialog, ManyUnitDialog::kTimeId)->text().endsWith(QStringLiteral("終了 5 / 5 台　失敗 2 台")));
    });
    for (int i = 0; i < 3; ++i) QCOMPARE(units[i]->state().white_level, 1);
    QVERIFY(c.messages.shown.empty());  // the units' boxes are their rows'
    QCOMPARE(c.state.client_table.InUseCount(), 4);

    // The three hold the data; once it changes, each differs in that one item.
    const std::vector<bool> sound{true, true, true, false};
    for (const auto& [white, result] : {std::pair{1, "一致"}, std::pair{2, "違い 1 件"}}) {
      c.state.image.white_level = white;
      RunOver(c, shell::kVerifyLayout, sound, [&](QWidget& dialog) {
        QCOMPARE(Column(dialog, ManyUnitDialog::kResultColumn), QStringList(3, QString::fromUtf8(result)));
        Find<QTableWidget>(dialog, ManyUnitDialog::kTableId)->setCurrentCell(1, 0);
        QCOMPARE(Find<QPushButton>(dialog, ManyUnitDialog::kDifferencesId)->isEnabled(), white == 2);
      });
    }

    // A document each, named after its unit, holding what the unit holds; one already there
    // is replaced only once the operator said so.
    QTemporaryDir folder;
    const QString second = QDir(folder.path()).filePath(QStringLiteral("127.0.0.1#2.dat"));
    QVERIFY(WriteFile(second, "kept"));
    c.messages.answer = false;
    {
      ManyUnitDialog declined(c.context, shell::kReadSettingItemsLayout, nullptr);
      Find<QLineEdit>(declined, ManyUnitDialog::kFolderId)->setText(folder.path());
      declined.Start();
      QVERIFY(!declined.Running());
    }
    QCOMPARE(c.messages.asked.size(), std::size_t{1});
    QCOMPARE(ReadFile(second), QByteArray("kept"));
    c.messages.answer = true;
    c.state.image.white_level = 1;
    RunOver(
        c, shell::kReadSettingItemsLayout, sound,
        [&](QWidget& dialog) {
          QCOMPARE(Column(dialog, ManyUnitDialog::kStatusColumn), QStringList(3, "完了"));
        },
        [&](QWidget& dialog) { Find<QLineEdit>(dialog, ManyUnitDialog::kFolderId)->setText(folder.path()); });
    const auto expected = std::get<std::string>(FormatDocument(c.state.image));
    for (int record = 1; record <= 3; ++record)
      QCOMPARE(ReadFile(QDir(folder.path()).filePath(QStringLiteral("127.0.0.1#%1.dat").arg(record))).toStdString(),
               expected);
  }

  // Three units on one line: were they run at once, their replies would cross.
  void SlaveAddressesOnOneSerialLineTakeTurns() {
    QTemporaryDir folder;
    const QString tty = folder.filePath(QStringLiteral("tty"));
    SimulatedUnitProcess sim;
    QVERIFY(sim.OnPty(tty, {"--units", "3"}));
    SerialController c;
    c.context.serial = &c.port;
    c.state.link.run_pace = 1;
    QVERIFY(c.port.Open(tty));
    c.state.image.white_level = 1;

    std::vector<bool> first_three(32, false);
    std::fill_n(first_three.begin(), 3, true);
    for (const auto& [layout, result] : {std::pair{&shell::kSetAllItemsLayout, "設定しました"},
                                         std::pair{&shell::kVerifyLayout, "一致"}}) {
      ManyUnitDialog dialog(c.context, *layout, nullptr);
      QVERIFY(RunUnits(dialog, first_three));
      QCOMPARE(Column(dialog, ManyUnitDialog::kUnitColumn), (QStringList{"00", "01", "02"}));
      QCOMPARE(Column(dialog, ManyUnitDialog::kResultColumn), QStringList(3, QString::fromUtf8(result)));
    }
    QVERIFY(c.messages.shown.empty());
    QCOMPARE(sim.Terminate(), 0);
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::ManyUnitTest)
#include "many_unit_test.moc"
