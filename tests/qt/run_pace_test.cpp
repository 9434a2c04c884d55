// The pace of the window's whole-unit runs and glyph list transfers: the program's one
// choice, kept in the configuration file, honoured by every dialog that offers it; each run
// shows its time.
#include <QLabel>

#include "dialog_driver.h"
#include "glyphs/glyph_list_dialog.h"
#include "settings/window_config.h"
#include "shell/verify_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "sim/simulated_unit.h"
#include "test_app.h"
#include "ui/pace_choice.h"

namespace vtg::testing {
namespace {

struct PacedDialog {
  const char* name;
  std::function<std::unique_ptr<ui::SettingsDialog>(TestApp&)> open;
  int start_id;
  std::function<ui::SequenceRunner&(QDialog&)> runner;
};

template <class D>
ui::SequenceRunner& RunnerOf(QDialog& dialog) {
  return static_cast<D&>(dialog).runner();
}

const std::vector<PacedDialog>& Dialogs() {
  static const std::vector<PacedDialog> dialogs = {
      {"set all",
       [](TestApp& t) { return std::make_unique<shell::WholeUnitRunDialog>(t.context, shell::kSetAllItemsLayout, nullptr); },
       1012, RunnerOf<shell::WholeUnitRunDialog>},
      {"read all",
       [](TestApp& t) {
         return std::make_unique<shell::WholeUnitRunDialog>(t.context, shell::kReadSettingItemsLayout, nullptr);
       },
       1069, RunnerOf<shell::WholeUnitRunDialog>},
      {"verify", [](TestApp& t) { return std::make_unique<shell::VerifyDialog>(t.context, nullptr); }, 1310,
       RunnerOf<shell::VerifyDialog>},
      {"glyph send",
       [](TestApp& t) { return std::make_unique<GlyphListDialog>(t.context, GlyphClass::Large, nullptr, &t.dialogs); },
       1068, RunnerOf<GlyphListDialog>},
      {"glyph read",
       [](TestApp& t) { return std::make_unique<GlyphListDialog>(t.context, GlyphClass::Small, nullptr, &t.dialogs); },
       1075, RunnerOf<GlyphListDialog>},
  };
  return dialogs;
}

}  // namespace

class RunPaceTest : public QObject {
  Q_OBJECT
 private slots:
  // At the reply pace the next line goes as soon as the reply came, with no timer to wait
  // for; at the timer pace it waits for the next tick. The choice is written at once and
  // each dialog opens on it.
  void EachRunFollowsTheChosenPace() {
    for (const PacedDialog& d : Dialogs()) {
      for (int pace : {1, 0}) {
        const QByteArray what = QByteArray(d.name) + (pace ? " at the reply pace" : " at the timer pace");
        TestApp t;
        sim::SimulatedUnit unit;
        t.unit = SimulatedUnits({&unit});
        t.state.link.run_pace = 1 - pace;
        t.state.flags.address_prefix = 1;
        auto chooser = d.open(t);
        Find<QComboBox>(*chooser, ui::PaceChoice::kControlId)->setCurrentIndex(pace);
        QCOMPARE(t.profile.keys.at(std::string(kRunPaceKey)), std::to_string(pace));
        chooser.reset();

        auto dialog = d.open(t);
        ui::SequenceRunner& runner = d.runner(*dialog);
        Click(*dialog, d.start_id);
        QVERIFY2(runner.Running(), what);
        QCOMPARE(runner.PeriodMs() == 0, pace == 1);
        QVERIFY2(Find<QLabel>(*dialog, ui::PaceChoice::kTimeId)->text().startsWith(QStringLiteral("経過 0:00")), what);
        runner.Tick();
        QCOMPARE(t.serial.lines.size(), std::size_t{1});
        t.Answer();
        QCoreApplication::processEvents();
        QVERIFY2(t.serial.lines.size() == std::size_t(pace == 1 ? 2 : 1), what);
      }
    }
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::RunPaceTest)
#include "run_pace_test.moc"
