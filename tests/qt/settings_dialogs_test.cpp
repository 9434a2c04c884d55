// The per-page, per-line, level, glyph insertion and slave address dialogs against a
// recording serial port and against a simulated unit.
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <memory>

#include "dialog_driver.h"
#include "test_app.h"
#include "text_builders.h"
#include "titles/choice_rows_dialog.h"
#include "titles/glyph_insert_dialog.h"
#include "titles/page_setting_dialog.h"
#include "titles/slave_address_command.h"
#include "titles/slave_address_dialog.h"
#include "titles/title_dialogs.h"
#include "shell/menu_table.h"

Q_DECLARE_METATYPE(const vtg::PageSettingKind*)
Q_DECLARE_METATYPE(const vtg::PerLineKind*)
Q_DECLARE_METATYPE(vtg::sim::PerPage<int> vtg::sim::UnitState::*)

namespace vtg::testing {

namespace {

constexpr int kSet = 40031, kSetAll = 40189;

QString GroupOf(QWidget& dialog, int id) { return qobject_cast<QGroupBox*>(Find(dialog, id)->parentWidget())->title(); }

void AddKindColumns() {
  QTest::addColumn<const PageSettingKind*>("kind");
  QTest::addColumn<int>("value_id");
  QTest::addColumn<int>("same_id");
  QTest::addColumn<int>("progress_id");
}

}  // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void PageSettingListsAndCaptions_data() {
    AddKindColumns();
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("peer_caption");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("page_nine");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("same");
    QTest::newRow("display") << &kTitleDisplaySetting << 1056 << 1057 << 1098 << "タイトル表示の設定"
                             << "タイトル表示の設定 10.0.0.9" << QStringList{"Display", "Same Display"} << "09" << QStringList{"OFF", "ON "} << "OFF";
    QTest::newRow("size") << &kCharSizeSetting << 1056 << 1057 << 1098 << "タイトル表示の設定"
                          << "文字サイズの設定 10.0.0.9" << QStringList{"Display", "Same Display"} << "9"
                          << QStringList{"LARGE ", "MEDIUM", "SMALL "} << "LARGE ";
    QStringList seconds;
    for (int s = 0; s < 100; ++s) seconds << QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    QTest::newRow("time") << &kAutoSwitchSetting << 1062 << 1063 << 1097 << "自動切換えの設定"
                          << "自動切換えの設定 10.0.0.9" << QStringList{"Time(second)", "Same Time"} << "09" << seconds << "02";
  }
  void PageSettingListsAndCaptions() {
    QFETCH(const PageSettingKind*, kind);
    QFETCH(int, value_id);
    QFETCH(int, same_id);
    QFETCH(int, progress_id);
    QFETCH(QString, caption);
    QFETCH(QString, peer_caption);
    QFETCH(QStringList, groups);
    QFETCH(QString, page_nine);
    QFETCH(QStringList, values);
    QFETCH(QString, same);
    TestApp t;
    t.state.link.selected_peer = -1;
    TitleDialogChoices choices;
    PageSettingDialog dialog(t.context, *kind, choices, nullptr);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(Entries(dialog, 40187).front(), QStringLiteral("ch1. Top"));
    QCOMPARE(Entries(dialog, 1017).size(), 64);
    QCOMPARE(Entries(dialog, 1017)[8], page_nine);
    QCOMPARE(Entries(dialog, value_id), values);
    QCOMPARE(Entries(dialog, same_id), values);
    QCOMPARE(Find<QComboBox>(dialog, same_id)->currentText(), same);
    QCOMPARE(QStringList({GroupOf(dialog, value_id), GroupOf(dialog, same_id)}), groups);
    QCOMPARE(Find<QProgressBar>(dialog, progress_id)->maximum(), 3);

    t.state.link.selected_peer = 4;
    t.state.client_table.Accept(4, 40, "10.0.0.9");
    QCOMPARE(PageSettingDialog(t.context, *kind, choices, nullptr).windowTitle(), peer_caption);
  }

  void PageSettingChoicesAndSet_data() {
    AddKindColumns();
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<std::string>("line");
    QTest::newRow("display") << &kTitleDisplaySetting << 1056 << 1057 << 1098 << 0 << "Page40 = OFF"
                             << std::string("00CTD02T40OF\r\n");
    QTest::newRow("size") << &kCharSizeSetting << 1056 << 1057 << 1098 << 2 << "Page40 = SMALL "
                          << std::string("00CFS02T40S\r\n");
    QTest::newRow("time") << &kAutoSwitchSetting << 1062 << 1063 << 1097 << 10 << "Page40 = 10 秒"
                          << std::string("00AST02T4010\r\n");
  }
  void PageSettingChoicesAndSet() {
    QFETCH(const PageSettingKind*, kind);
    QFETCH(int, value_id);
    QFETCH(int, same_id);
    QFETCH(int, value);
    QFETCH(QString, cell);
    QFETCH(std::string, line);
    TestApp t;
    t.state.selection.current_line = 2;
    t.state.selection.current_page = 39;
    TitleDialogChoices choices;
    const auto& values = t.state.image.*kind->values;
    const std::array<int, kTitles> before = values;
    {
      PageSettingDialog dialog(t.context, *kind, choices, nullptr);
      QCOMPARE(Find<QLabel>(dialog, 1024)->text().left(6), QStringLiteral("Page33"));
      Choose(dialog, value_id, value);
      QCOMPARE(values[TitleIndex(2, 39)], value);
      QCOMPARE(Find<QLabel>(dialog, 1024 + 7)->text(), cell);
      Click(dialog, kSet);
      QCOMPARE(t.serial.lines, std::vector<std::string>{line});

      Choose(dialog, 40187, 1);
      QCOMPARE(Find<QComboBox>(dialog, value_id)->currentIndex(), before[TitleIndex(1, 39)]);
      Choose(dialog, same_id, value);
      QCOMPARE(Find<QComboBox>(dialog, value_id)->currentIndex(), value);
      QCOMPARE(Find<QLabel>(dialog, 1024 + 31)->text(), cell.replace("40", "64"));
    }
    for (int page = 0; page < kPages; ++page) {
      QCOMPARE(values[TitleIndex(1, page)], value);
      QCOMPARE(values[TitleIndex(0, page)], before[TitleIndex(0, page)]);
    }
    // The same-value choice is there again at the next opening.
    PageSettingDialog again(t.context, *kind, choices, nullptr);
    QCOMPARE(Find<QComboBox>(again, same_id)->currentIndex(), value);
  }

  void PageSettingSetAllReachesTheUnit_data() {
    AddKindColumns();
    QTest::addColumn<int>("value");
    QTest::addColumn<sim::PerPage<int> sim::UnitState::*>("unit_values");
    QTest::addColumn<std::string>("last_line");
    QTest::newRow("display") << &kTitleDisplaySetting << 1056 << 1057 << 1098 << 0 << &sim::UnitState::display_flag
                             << "00CTD02B" + std::string(64, 'F') + "\r\n";
    QTest::newRow("size") << &kCharSizeSetting << 1056 << 1057 << 1098 << 2 << &sim::UnitState::char_size
                          << "00CFS02B" + std::string(64, 'S') + "\r\n";
    QTest::newRow("time") << &kAutoSwitchSetting << 1062 << 1063 << 1097 << 5 << &sim::UnitState::auto_switch_time
                          << "00AST02B" + Repeat("05", 64) + "\r\n";
  }
  void PageSettingSetAllReachesTheUnit() {
    QFETCH(const PageSettingKind*, kind);
    QFETCH(int, same_id);
    QFETCH(int, progress_id);
    QFETCH(int, value);
    QFETCH(sim::PerPage<int> sim::UnitState::*, unit_values);
    QFETCH(std::string, last_line);
    TestApp t;
    sim::SimulatedUnit unit;
    t.unit = SimulatedUnits({&unit});
    t.state.selection.current_line = 3;
    TitleDialogChoices choices;
    PageSettingDialog dialog(t.context, *kind, choices, nullptr);
    Choose(dialog, same_id, value);
    auto* close = Find<QPushButton>(dialog, 2);
    Click(dialog, kSetAll);
    QVERIFY(!close->isEnabled());
    QCOMPARE(RunToEnd(t, Runner(dialog), 3), 3);
    QCOMPARE(Find<QProgressBar>(dialog, progress_id)->value(), 3);
    Click(dialog, kSet);  // nothing while the run goes on
    QCOMPARE(RunToEnd(t, Runner(dialog)), 1);
    QCOMPARE(t.serial.lines.size(), size_t(4));
    QCOMPARE(t.serial.lines[3], last_line);
    for (int page = 0; page < kPages; ++page) QCOMPARE((unit.state().*unit_values)[3][page], value);
    QVERIFY(close->isEnabled());
    QCOMPARE(t.state.flags.sequence_step, 0);
    QCOMPARE(Find<QProgressBar>(dialog, progress_id)->value(), 0);
  }

  void PageSettingErrorReplyEndsTheRun() {
    TestApp t;
    TitleDialogChoices choices;
    PageSettingDialog dialog(t.context, kAutoSwitchSetting, choices, nullptr);
    Click(dialog, kSetAll);
    Runner(dialog).Tick();
    t.link.OnSerialBytes("00E3\r\n");
    Runner(dialog).Tick();
    QVERIFY(!Runner(dialog).Running());
    QCOMPARE(t.serial.lines.size(), size_t(1));
    QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
    QCOMPARE(t.state.flags.sequence_step, 0);
    QCOMPARE(Find<QProgressBar>(dialog, 1097)->value(), 0);
  }

  void PageSettingBroadcastRunDoesNotWait() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    TitleDialogChoices choices;
    PageSettingDialog dialog(t.context, kTitleDisplaySetting, choices, nullptr);
    Click(dialog, kSetAll);
    for (int i = 0; i < 4; ++i) Runner(dialog).Tick();
    QVERIFY(!Runner(dialog).Running());
    QCOMPARE(t.serial.lines.size(), size_t(4));
    QCOMPARE(t.serial.lines[3].substr(0, 8), std::string("FFCTD02B"));
    QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
  }

  void PerLineDialogs_data() {
    QTest::addColumn<const PerLineKind*>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("last_entry");
    QTest::addColumn<int>("choice");
    QTest::addColumn<std::vector<std::string>>("lines");
    QTest::newRow("page switching") << &kPageSwitchKind << "表示ページ切換え" << "AUTO" << 64
                                    << std::vector<std::string>{"00P02BAS\r\n", "00P01T01\r\n"};
    QTest::newRow("start-up") << &kStartupKind << "スタートアップの設定" << "AUTO" << 64
                              << std::vector<std::string>{"00SUS02BAS\r\n", "00SUS01T01\r\n"};
    QTest::newRow("display position") << &kDisplayPositionKind << "表示位置微調整" << "15" << 12
                                      << std::vector<std::string>{"00CTDPO02B12\r\n", "00CTDPO01T07\r\n"};
  }
  void PerLineDialogs() {
    QFETCH(const PerLineKind*, kind);
    QFETCH(QString, caption);
    QFETCH(QString, last_entry);
    QFETCH(int, choice);
    QFETCH(std::vector<std::string>, lines);
    TestApp t;
    t.state.link.selected_peer = -1;
    PerLineDialog dialog(t.context, *kind, nullptr);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(GroupOf(dialog, 1023), QStringLiteral("ch.2 Bottom"));
    QCOMPARE(Entries(dialog, 1020).back(), last_entry);
    Choose(dialog, 1023, choice);
    QCOMPARE((t.state.image.*kind->values)[3], choice);
    QCOMPARE(Find<QComboBox>(dialog, 1020)->currentIndex(), (t.state.image.*kind->values)[0]);
    Click(dialog, 1010);
    Click(dialog, 1005);
    QCOMPARE(t.serial.lines, lines);
  }

  void CharacterLevels() {
    TestApp t;
    t.state.link.selected_peer = -1;
    CharLevelDialog dialog(t.context, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("文字レベルの設定"));
    QCOMPARE(Entries(dialog, 1059), QStringList({"0", "1", "2", "3"}));
    QCOMPARE(Find<QComboBox>(dialog, 1058)->currentIndex(), 3);
    Choose(dialog, 1059, 3);
    Choose(dialog, 1058, 0);
    Click(dialog, 1008);
    Click(dialog, 1006);
    QCOMPARE(t.serial.lines, (std::vector<std::string>{"00CEL3\r\n", "00CWL0\r\n"}));
  }

  // Whatever the settings document keeps is marked unsaved once the operator changes it; a
  // choice of the value already there is no change.
  void ChangesToDocumentSettingsMarkTheDocument() {
    using Open = std::function<std::unique_ptr<QDialog>(TestApp&, TitleDialogChoices&)>;
    const auto page_setting = [](const PageSettingKind& kind) -> Open {
      return [&kind](TestApp& t, TitleDialogChoices& c) {
        return std::make_unique<PageSettingDialog>(t.context, kind, c, nullptr);
      };
    };
    const auto per_line = [](const PerLineKind& kind) -> Open {
      return [&kind](TestApp& t, auto&) { return std::make_unique<PerLineDialog>(t.context, kind, nullptr); };
    };
    const Open levels = [](TestApp& t, auto&) { return std::make_unique<CharLevelDialog>(t.context, nullptr); };
    struct Case { const char* name; Open open; int list, unchanged, changed; } cases[] = {
        {"display", page_setting(kTitleDisplaySetting), 1056, 1, 0},
        {"same size", page_setting(kCharSizeSetting), 1057, 0, 1},
        {"time", page_setting(kAutoSwitchSetting), 1062, 2, 10},
        {"start-up", per_line(kStartupKind), 1023, 0, 64},
        {"display position", per_line(kDisplayPositionKind), 1021, 7, 12},
        {"edge level", levels, 1059, 1, 3},
    };
    for (const Case& c : cases) {
      TestApp t;
      TitleDialogChoices choices;
      const std::unique_ptr<QDialog> dialog = c.open(t, choices);
      Choose(*dialog, c.list, c.unchanged);
      QVERIFY2(t.state.doc.doc_modified == 0, c.name);
      Choose(*dialog, c.list, c.changed);
      QVERIFY2(t.state.doc.doc_modified == 1, c.name);
    }
  }

  void GlyphInsertionOffersWhatTheSizeAllows() {
    TestApp t;
    t.state.glyph.glyph_index = 199;
    TitleDialogChoices choices;
    GlyphInsertDialog dialog(t.context, choices, nullptr);
    const auto shown = [&] {
      return std::tuple(Entries(dialog, 1060).size(), Entries(dialog, 1061).size(), t.state.glyph.glyph_index,
                        choices.insert_position);
    };
    QCOMPARE(Entries(dialog, 1096), QStringList({"LARGE ", "MEDIUM", "SMALL "}));
    QCOMPARE(shown(), std::tuple(qsizetype(70), qsizetype(14), 0, 0));
    QCOMPARE(Entries(dialog, 1060).back(), QStringLiteral("070"));
    Choose(dialog, 1096, 2);
    Choose(dialog, 1060, 199);
    Choose(dialog, 1061, 20);
    QCOMPARE(shown(), std::tuple(qsizetype(256), qsizetype(28), 199, 20));
    Choose(dialog, 1096, 1);
    QCOMPARE(shown(), std::tuple(qsizetype(160), qsizetype(21), 0, 20));
    QCOMPARE(Find<QComboBox>(dialog, 1060)->currentText(), QStringLiteral("001"));
    Choose(dialog, 1096, 0);
    QCOMPARE(shown(), std::tuple(qsizetype(70), qsizetype(14), 0, 0));
    Choose(dialog, 1060, 4);
    Choose(dialog, 1061, 2);
    Choose(dialog, 1096, 2);
    QCOMPARE(shown(), std::tuple(qsizetype(256), qsizetype(28), 4, 2));
    QCOMPARE(Entries(dialog, 1061).back(), QStringLiteral("28"));
    QCOMPARE(choices.insert_class, GlyphClass::Small);
  }

  void GlyphInsertionReachesTheUnit() {
    TestApp t;
    sim::SimulatedUnit unit;
    t.unit = SimulatedUnits({&unit});
    TitleDialogChoices choices;
    GlyphInsertDialog dialog(t.context, choices, nullptr);
    Choose(dialog, 40187, 1);
    Choose(dialog, 1017, 11);
    Choose(dialog, 1060, 4);
    Choose(dialog, 1061, 2);
    Click(dialog, kSet);
    t.Answer();
    QCOMPARE(t.serial.lines, std::vector<std::string>{"00G005C01B12I03\r\n"});
    QCOMPARE(unit.state().stored_titles[TitleIndex(1, 11)][2], std::uint16_t(GlyphCode(4)));
    QCOMPARE(t.state.image.title_text[TitleIndex(1, 11)], std::string());
  }

  void SlaveAddressGoesBareToThePort() {
    TestApp t;
    t.state.flags.address_prefix = 1;
    sim::SimulatedUnit unit(3);
    t.unit = SimulatedUnits({&unit});
    SlaveAddressDialog dialog(t.context, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("機器のスレーブアドレス"));
    QCOMPARE(t.state.flags.address_prefix, 0);
    QCOMPARE(Entries(dialog, 1094).size(), 32);
    Choose(dialog, 1094, 7);
    Click(dialog, 1099);
    t.Answer();
    QCOMPARE(t.serial.lines, std::vector<std::string>{"SA07\r\n"});
    QCOMPARE(unit.address(), 7);
    QCOMPARE(t.state.selection.slave_index, 7);
  }

  void BroadcastIsNoSlaveAddressToGive() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    SlaveAddressDialog dialog(t.context, nullptr);
    QCOMPARE(Find<QComboBox>(dialog, 1094)->currentIndex(), -1);
    Click(dialog, 1099);
    QVERIFY(t.serial.lines.empty());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Error, std::string(kChooseSlaveAddress)}}));
  }

  void EveryMenuCommandOpensItsDialog() {
    ui::DialogRegistry registry;
    RegisterTitleDialogs(registry);
    for (int command : {kCmdTitle, kCmdTitleDisplay, kCmdCharSize, kCmdAutoSwitch, kCmdDisplayPage, kCmdStartup,
                        kCmdCharLevel, kCmdDisplayPosition, kCmdInsertGlyph, kCmdSlaveAddress})
      QVERIFY2(registry.Has(command), qPrintable(QString::number(command)));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::SettingsDialogsTest)
#include "settings_dialogs_test.moc"
