// "タイトル設定" and the per-page, per-line, level, glyph insertion and slave address dialogs
// against a recording serial port.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <functional>
#include <memory>

#include "dialog_driver.h"
#include "test_app.h"
#include "text_builders.h"
#include "titles/choice_rows_dialog.h"
#include "titles/glyph_insert_dialog.h"
#include "titles/page_setting_dialog.h"
#include "titles/slave_address_dialog.h"
#include "titles/title_dialog.h"

namespace vtg::testing {

namespace {

constexpr int kSet = 40031, kSetAll = 40189, kNotMemory = 40030;

QString Cell(QWidget& dialog, int i) { return Find<QLabel>(dialog, 40191 + i)->text(); }

// A hidden button pressed all the same: its command is handled.
void PressHidden(QWidget& dialog, int id) {
  auto* button = Find<QPushButton>(dialog, id);
  QVERIFY(button->isHidden() && !button->isEnabled());
  button->setEnabled(true);
  button->click();
}

const std::string kAi = Pair(0x889F);  // 亜, JIS 3021

using Open = std::function<std::unique_ptr<QDialog>(TestApp&, TitleDialogChoices&)>;

Open PageSetting(const PageSettingKind& kind) {
  return [&kind](TestApp& t, TitleDialogChoices& c) { return std::make_unique<PageSettingDialog>(t.context, kind, c, nullptr); };
}
Open PerLine(const PerLineKind& kind) {
  return [&kind](TestApp& t, auto&) { return std::make_unique<PerLineDialog>(t.context, kind, nullptr); };
}
Open Levels() {
  return [](TestApp& t, auto&) { return std::make_unique<CharLevelDialog>(t.context, nullptr); };
}

}  // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensOnTheCurrentPageWithoutMarkingTheDocument() {
    TestApp t;
    t.state.selection.current_line = 1;
    t.state.selection.current_page = 16;
    t.state.image.title_text[TitleIndex(1, 16)] = kAi + Pair(0x1100) + Pair(0x1020);
    t.state.image.title_text[TitleIndex(2, 0)] = kAi;
    TitleDialog dialog(t.context, nullptr);
    QCOMPARE(Find<QComboBox>(dialog, 1017)->currentIndex(), 16);
    // An external pair is a character of its own; one of the first glyph row a blank.
    QCOMPARE(Find<QLineEdit>(dialog, 1096)->text(), QString::fromUtf16(u"亜\uF100\uF020"));
    QCOMPARE(Cell(dialog, 0), QString::fromUtf16(u"Page17=亜\uF100　"));

    Choose(dialog, 40187, 2);
    Choose(dialog, 1017, 0);
    QCOMPARE(Find<QLineEdit>(dialog, 1096)->text(), QStringLiteral("亜"));
    QCOMPARE(Cell(dialog, 0), QStringLiteral("Page01=亜"));
    QCOMPARE(t.state.doc.doc_modified, 0);
    QCOMPARE(t.state.image.title_text[TitleIndex(1, 16)], kAi + Pair(0x1100) + Pair(0x1020));
  }

  void TypingATitleMarksTheDocumentAndItsCell() {
    TestApp t;
    TitleDialog dialog(t.context, nullptr);
    Type(Find<QLineEdit>(dialog, 1096), QStringLiteral("テスト"));
    QCOMPARE(t.state.image.title_text[0], Pair(0x8365) + Pair(0x8358) + Pair(0x8367));
    QCOMPARE(t.state.doc.doc_modified, 1);
    QCOMPARE(Cell(dialog, 0), QStringLiteral("Page01=テスト"));

    // A character without a code is refused, named beside the box; a JIS form is taken.
    auto* note = dialog.findChild<QLabel*>(QStringLiteral("refusedCharacterNote"));
    QVERIFY(note);
    Type(Find<QLineEdit>(dialog, 1096), QStringLiteral("€"));
    QCOMPARE(note->text(), QStringLiteral("「€」は本機で使えない文字です"));
    Type(Find<QLineEdit>(dialog, 1096), QStringLiteral("〜"));
    QCOMPARE(t.state.image.title_text[0], Pair(0x8365) + Pair(0x8358) + Pair(0x8367) + Pair(0x8160));
    QCOMPARE(note->text(), QString());
  }

  void SetSendsTheShownPageStoredOrNot() {
    TestApp t;
    t.state.selection.current_line = 3;
    t.state.selection.current_page = 4;
    t.state.image.title_text[TitleIndex(3, 4)] = kAi;
    TitleDialog dialog(t.context, nullptr);
    Click(dialog, kSet);
    PressHidden(dialog, kNotMemory);
    const std::string codes = "3021" + Repeat("2121", 27) + "\r\n";
    QCOMPARE(t.serial.lines, (std::vector<std::string>{"00CT02B05" + codes, "00CN02B05" + codes}));

    // An odd length: a single-byte character among full-width ones.
    Type(Find<QLineEdit>(dialog, 1096), QStringLiteral("A"));
    Click(dialog, kSet);
    QCOMPARE(t.serial.lines.size(), size_t(2));
    QCOMPARE(t.messages.shown.back(), (Shown{Box::Error, std::string(text::kNotJis)}));
  }

  void SetAllSendsEveryTitleAndTakesNoSetMeanwhile() {
    TestApp t;
    TitleDialog dialog(t.context, nullptr);
    Click(dialog, kSetAll);
    QCOMPARE(RunToEnd(t, Runner(dialog), 128), 128);
    QCOMPARE(Find<QProgressBar>(dialog, 1019)->value(), 128);
    Click(dialog, kSet);
    QCOMPARE(t.serial.lines.size(), size_t(128));
    QCOMPARE(RunToEnd(t, Runner(dialog)), 128);
    QCOMPARE(t.serial.lines.back().substr(0, 9), std::string("00CT02B64"));
    QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
  }

  void PageSettingDialogs() {
    struct Case {
      const PageSettingKind* kind;
      int value_id, same_id, value;
      QString cell;
      std::string line, last_line;
    } cases[] = {
        {&kTitleDisplaySetting, 1056, 1057, 0, "Page40 = OFF", "00CTD02T40OF\r\n", "00CTD01B" + std::string(64, 'F') + "\r\n"},
        {&kCharSizeSetting, 1056, 1057, 2, "Page40 = SMALL ", "00CFS02T40S\r\n", "00CFS01B" + std::string(64, 'S') + "\r\n"},
        {&kAutoSwitchSetting, 1062, 1063, 10, "Page40 = 10 秒", "00AST02T4010\r\n", "00AST01B" + Repeat("10", 64) + "\r\n"},
    };
    for (auto& [kind, value_id, same_id, value, cell, line, last_line] : cases) {
      TestApp t;
      t.state.selection.current_line = 2;
      t.state.selection.current_page = 39;
      TitleDialogChoices choices;
      const auto& values = t.state.image.*kind->values;
      const std::array<int, kTitles> before = values;
      {
        PageSettingDialog dialog(t.context, *kind, choices, nullptr);
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

        t.Answer();
        Click(dialog, kSetAll);
        QCOMPARE(RunToEnd(t, Runner(dialog), 3), 3);
        Click(dialog, kSet);  // nothing while the run goes on
        QCOMPARE(RunToEnd(t, Runner(dialog)), 1);
        QCOMPARE(t.serial.lines.size(), size_t(5));
        QCOMPARE(t.serial.lines[2], last_line);
      }
      for (int page = 0; page < kPages; ++page) {
        QCOMPARE(values[TitleIndex(1, page)], value);
        QCOMPARE(values[TitleIndex(0, page)], before[TitleIndex(0, page)]);
      }
      // The same-value choice is there again at the next opening.
      PageSettingDialog again(t.context, *kind, choices, nullptr);
      QCOMPARE(Find<QComboBox>(again, same_id)->currentIndex(), value);
    }
  }

  // What the operator's choices send, line by line, and whatever the settings document keeps
  // is marked unsaved once changed; a choice of the value already there is no change.
  void ChoicesSendAndMarkTheDocument() {
    struct Case {
      const char* name;
      Open open;
      int list, unchanged, changed;
      std::vector<int> buttons;
      std::vector<std::string> lines;
    } cases[] = {
        {"display", PageSetting(kTitleDisplaySetting), 1056, 1, 0, {}, {}},
        {"same size", PageSetting(kCharSizeSetting), 1057, 0, 1, {}, {}},
        {"time", PageSetting(kAutoSwitchSetting), 1062, 2, 10, {}, {}},
        {"page switching", PerLine(kPageSwitchKind), 1023, 0, 64, {1010, 1005}, {"00P02BAS\r\n", "00P01T01\r\n"}},
        {"start-up", PerLine(kStartupKind), 1023, 0, 64, {1010, 1005}, {"00SUS02BAS\r\n", "00SUS01T01\r\n"}},
        {"display position", PerLine(kDisplayPositionKind), 1023, 7, 12, {1010, 1005},
         {"00CTDPO02B12\r\n", "00CTDPO01T07\r\n"}},
        {"edge level", Levels(), 1059, 1, 3, {1008}, {"00CEL3\r\n"}},
        {"white level", Levels(), 1058, 3, 0, {1006}, {"00CWL0\r\n"}},
    };
    for (const Case& c : cases) {
      TestApp t;
      TitleDialogChoices choices;
      const std::unique_ptr<QDialog> dialog = c.open(t, choices);
      Choose(*dialog, c.list, c.unchanged);
      QVERIFY2(t.state.doc.doc_modified == 0, c.name);
      Choose(*dialog, c.list, c.changed);
      QVERIFY2(t.state.doc.doc_modified == 1, c.name);
      for (int button : c.buttons) Click(*dialog, button);
      QVERIFY2(t.serial.lines == c.lines, c.name);
    }
  }

  // The rule is the core's; the lists follow the class chosen.
  void GlyphInsertionListsFollowTheClass() {
    TestApp t;
    TitleDialogChoices choices;
    GlyphInsertDialog dialog(t.context, choices, nullptr);
    Choose(dialog, 1096, 2);
    Choose(dialog, 1060, 199);
    Choose(dialog, 1096, 1);
    QCOMPARE(std::tuple(Entries(dialog, 1060).size(), Entries(dialog, 1061).size(), t.state.glyph.glyph_index),
             std::tuple(qsizetype(160), qsizetype(21), 0));
  }

  void GlyphInsertionReachesTheUnit() {
    TestApp t;
    TitleDialogChoices choices;
    GlyphInsertDialog dialog(t.context, choices, nullptr);
    Choose(dialog, 40187, 1);
    Choose(dialog, 1017, 11);
    Choose(dialog, 1060, 4);
    Choose(dialog, 1061, 2);
    Click(dialog, kSet);
    QCOMPARE(t.serial.lines, std::vector<std::string>{"00G005C01B12I03\r\n"});
    QCOMPARE(t.state.image.title_text[TitleIndex(1, 11)], std::string());
  }

  // A unit's address goes bare to the port.
  void SlaveAddressGoesBareToThePort() {
    TestApp t;
    t.state.flags.address_prefix = 1;
    t.state.selection.slave_index = kBroadcast;
    SlaveAddressDialog dialog(t.context, nullptr);
    QCOMPARE(t.state.flags.address_prefix, 0);
    Choose(dialog, 1094, 7);
    Click(dialog, 1099);
    QCOMPARE(t.serial.lines, std::vector<std::string>{"SA07\r\n"});
    QCOMPARE(t.state.selection.slave_index, 7);
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::SettingsDialogsTest)
#include "settings_dialogs_test.moc"
