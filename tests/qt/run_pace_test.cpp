// The pace of the window's runs: the program's one choice, kept in the configuration file and
// honoured by the whole-unit runs and the glyph list transfers alike; each run shows its time.
#include <QLabel>

#include "dialog_driver.h"
#include "glyphs/glyph_list_dialog.h"
#include "settings/window_config.h"
#include "shell/whole_unit_run_dialog.h"
#include "test_app.h"
#include "ui/pace_choice.h"

namespace vtg::testing {

class RunPaceTest : public QObject {
  Q_OBJECT
 private slots:
  // At the reply pace the next line goes as soon as the reply came, without a tick; at the
  // timer pace it waits for the next one.
  void EachRunFollowsTheChosenPace() {
    using Open = std::function<std::pair<std::unique_ptr<QDialog>, ui::SequenceRunner*>(TestApp&)>;
    const std::pair<int, Open> dialogs[] = {
        {1012, [](TestApp& t) {
           auto d = std::make_unique<shell::WholeUnitRunDialog>(t.context, shell::kSetAllItemsLayout, nullptr);
           ui::SequenceRunner* r = &d->runner();
           return std::make_pair(std::unique_ptr<QDialog>(std::move(d)), r);
         }},
        {1075, [](TestApp& t) {
           auto d = std::make_unique<GlyphListDialog>(t.context, GlyphClass::Small, nullptr, &t.dialogs);
           ui::SequenceRunner* r = &d->runner();
           return std::make_pair(std::unique_ptr<QDialog>(std::move(d)), r);
         }},
    };
    for (const auto& [start, open] : dialogs) {
      for (int pace : {1, 0}) {
        TestApp t;
        sim::SimulatedUnit unit;
        t.unit = SimulatedUnits({&unit});
        t.state.flags.address_prefix = 1;
        t.state.link.run_pace = 1 - pace;
        Find<QComboBox>(*open(t).first, ui::PaceChoice::kControlId)->setCurrentIndex(pace);
        QCOMPARE(t.profile.keys.at(std::string(kRunPaceKey)), std::to_string(pace));

        auto [dialog, runner] = open(t);  // opens on the choice made before
        Click(*dialog, start);
        QVERIFY(Find<QLabel>(*dialog, ui::PaceChoice::kTimeId)->text().startsWith(QStringLiteral("経過 0:00")));
        runner->Tick();
        t.Answer();
        QCoreApplication::processEvents();
        QCOMPARE(t.serial.lines.size(), std::size_t(pace == 1 ? 2 : 1));
      }
    }
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::RunPaceTest)
#include "run_pace_test.moc"
