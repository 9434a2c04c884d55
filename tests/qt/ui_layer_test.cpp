// The pieces every dialog builds on: opening conventions and the slave address list.
#include "dialog_driver.h"
#include "test_app.h"
#include "ui/settings_dialog.h"
#include "ui/slave_address_combo.h"

namespace vtg::testing {

// The smallest dialog: what every dialog does on opening is the base class's.
class PlainDialog : public ui::SettingsDialog {
 public:
  PlainDialog(ui::AppContext& app, QWidget* parent, ui::DialogSetup setup) : SettingsDialog(app, setup, parent) {}
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

    PlainDialog dialog(t.context, &main_window, {"走行 ", "走行の設定 ", 0});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("走行の設定 10.0.0.9"));
    QCOMPARE(t.state.corner_clicks, 0);
    QCOMPARE(t.state.flags.address_prefix, 0);
    QCOMPARE(owner, QApplication::activeWindow());

    t.state.link.selected_peer = -1;
    PlainDialog plain(t.context, nullptr, {"走行 ", "走行の設定 ", std::nullopt});
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
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::UiLayerTest)
#include "ui_layer_test.moc"
