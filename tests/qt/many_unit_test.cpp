// The window's runs over several units of the server role, against simulated units that
// connect on loopback: what each unit's row says, what the units hold and the documents a
// read leaves, and one unit's failure stopping no other.
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "dialog_driver.h"
#include "event_waits.h"
#include "free_tcp_port.h"
#include "qt_files.h"
#include "settings/settings_document.h"
#include "shell/many_unit_dialog.h"
#include "shell/verify_dialog.h"
#include "sim/unit_client.h"
#include "socket_controller.h"

namespace vtg::testing {
namespace {

using shell::ManyUnitDialog;

QStringList Column(QWidget& dialog, int column) {
  auto* table = Find<QTableWidget>(dialog, ManyUnitDialog::kTableId);
  QStringList cells;
  for (int row = 0; row < table->rowCount(); ++row) cells << table->item(row, column)->text();
  return cells;
}

// Opens the many-unit dialog from `layout`'s run dialog, as the operator does, ticks the
// units listed `checked` and runs them to the end; `before` sets the dialog up.
void RunOver(SocketController& c, const shell::WholeUnitRunLayout& layout, const std::vector<bool>& checked,
             const std::function<void(QWidget&)>& check, const std::function<void(QWidget&)>& before = {}) {
  shell::WholeUnitRunDialog run(c.context, layout, nullptr);
  OnNextModal([&](QWidget& dialog) {
    auto* list = Find<QListWidget>(dialog, ManyUnitDialog::kUnitListId);
    QCOMPARE(list->count(), static_cast<int>(checked.size()));
    for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(checked[i] ? Qt::Checked : Qt::Unchecked);
    if (before) before(dialog);
    // An event loop of its own: polling would pace the exchanges.
    QSignalSpy ended(&static_cast<ManyUnitDialog&>(dialog), &ManyUnitDialog::runsEnded);
    Click(dialog, ManyUnitDialog::kStartId);
    QVERIFY(ended.wait(kWaitMs));
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
    c.state.link.tcp_role = kServer;
    c.state.link.run_pace = 1;
    const quint16 port = FreeTcpPort();
    c.UsePort(port);
    QVERIFY(c.tcp.StartServer());
    c.state.image.white_level = 1;

    // Records 1..3 sound, 4 answers its 100th line with an error, 5 goes at its 150th.
    const sim::FaultPlan faults[] = {{}, {}, {}, {.error_every = 100}, {.close_after = 150}};
    std::vector<std::unique_ptr<sim::SimulatedUnit>> units;
    std::vector<std::unique_ptr<sim::UnitClient>> clients;
    for (const sim::FaultPlan& fault : faults) {
      units.push_back(std::make_unique<sim::SimulatedUnit>());
      clients.push_back(std::make_unique<sim::UnitClient>(units.back().get(), static_cast<int>(units.size()),
                                                          QStringLiteral("127.0.0.1"), port,
                                                          sim::LinkSettings{{}, fault}, nullptr));
      clients.back()->start();
      const int count = static_cast<int>(units.size());
      QVERIFY(QTest::qWaitFor([&] { return c.state.client_table.InUseCount() == count; }, kWaitMs));
    }

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

    // A document each, named after its unit, holding what the unit holds.
    QTemporaryDir folder;
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
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::ManyUnitTest)
#include "many_unit_test.moc"
