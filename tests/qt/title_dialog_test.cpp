// "タイトル設定" against a recording serial port and against a simulated unit.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "dialog_driver.h"
#include "test_app.h"
#include "text_builders.h"
#include "titles/title_dialog.h"

namespace vtg::testing {

namespace {

constexpr int kSet = 40031, kSetAll = 40189, kNotMemory = 40030, kNotMemoryAll = 1016;

QString Cell(QWidget& dialog, int i) { return Find<QLabel>(dialog, 40191 + i)->text(); }

// A hidden button pressed all the same: its command is handled.
void PressHidden(QWidget& dialog, int id) {
  auto* button = Find<QPushButton>(dialog, id);
  QVERIFY(button->isHidden() && !button->isEnabled());
  button->setEnabled(true);
  button->click();
}

const std::string kAi = Pair(0x889F);  // 亜, JIS 3021

}  // namespace

class TitleDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensOnTheCurrentPageWithoutMarkingTheDocument() {
    TestApp t;
    t.state.link.selected_peer = -1;
    t.state.selection.current_line = 1;
    t.state.selection.current_page = 16;
    t.state.image.title_text[TitleIndex(1, 16)] = kAi + Pair(0x1100) + Pair(0x1020);
    t.state.image.title_text[TitleIndex(2, 0)] = kAi;
    TitleDialog dialog(t.context, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("タイトル設定"));
    QCOMPARE(t.state.flags.address_prefix, 1);
    QCOMPARE(Entries(dialog, 40187),
             QStringList({QStringLiteral("ch1. Top"), "ch.1 Bottom", "ch.2 Top", "ch.2 Bottom"}));
    const QStringList pages = Entries(dialog, 1017);
    QCOMPARE(pages.size(), 64);
    QCOMPARE(pages.front() + pages.back(), QStringLiteral("0164"));
    QCOMPARE(Find<QComboBox>(dialog, 1017)->currentIndex(), 16);
    QCOMPARE(Find<QProgressBar>(dialog, 1019)->maximum(), 256);
    // An external pair is a character of its own; one of the first glyph row a blank.
    QCOMPARE(Find<QLineEdit>(dialog, 1096)->text(), QString::fromUtf16(u"亜\uF100\uF020"));
    QCOMPARE(Cell(dialog, 0), QString::fromUtf16(u"Page17=亜\uF100　"));
    QCOMPARE(Cell(dialog, 15), QStringLiteral("Page32="));

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

  void SetAllSendsEveryTitleToTheUnit() {
    TestApp t;
    sim::SimulatedUnit unit;
    t.unit = SimulatedUnits({&unit});
    t.state.image.title_text[TitleIndex(0, 0)] = Pair(0x8365) + Pair(0x8358) + Pair(0x8367);
    t.state.image.title_text[TitleIndex(3, 63)] = Pair(0x1020) + kAi;
    TitleDialog dialog(t.context, nullptr);
    auto* close = Find<QPushButton>(dialog, 2);
    auto* bar = Find<QProgressBar>(dialog, 1019);
    Click(dialog, kSetAll);
    QVERIFY(!close->isEnabled());
    QCOMPARE(RunToEnd(t, Runner(dialog), 128), 128);
    QCOMPARE(bar->value(), 128);
    QCOMPARE(Find<QLineEdit>(dialog, 1095)->text(), QStringLiteral("50"));
    Click(dialog, kSet);  // nothing while the run goes on
    QCOMPARE(t.serial.lines.size(), size_t(128));

    QCOMPARE(RunToEnd(t, Runner(dialog)), 128);
    QCOMPARE(t.serial.lines.size(), size_t(256));
    QCOMPARE(t.serial.lines.back().substr(0, 9), std::string("00CT02B64"));
    const auto& titles = unit.state().stored_titles;
    QCOMPARE(titles[0][0], std::uint16_t(0x2546));
    QCOMPARE(titles[0][3], std::uint16_t(0x2121));
    QCOMPARE(titles[255][0], std::uint16_t(0xA365));
    QCOMPARE(titles[255][1], std::uint16_t(0x3021));
    QVERIFY(close->isEnabled());
    QCOMPARE(t.state.flags.sequence_step, 0);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(Find<QLineEdit>(dialog, 1095)->text(), QStringLiteral("  "));
  }

  void AnErrorReplyEndsTheRun() {
    TestApp t;
    TitleDialog dialog(t.context, nullptr);
    Click(dialog, kSetAll);
    Runner(dialog).Tick();
    Runner(dialog).Tick();  // waits for the reply
    QCOMPARE(t.serial.lines.size(), size_t(1));
    t.link.OnSerialBytes("00E3\r\n");
    Runner(dialog).Tick();
    QVERIFY(!Runner(dialog).Running());
    QCOMPARE(t.serial.lines.size(), size_t(1));
    QCOMPARE(t.messages.shown.size(), size_t(1));
    QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
    QCOMPARE(t.state.flags.sequence_step, 0);
    QCOMPARE(Find<QProgressBar>(dialog, 1019)->value(), 0);
  }

  void WithBroadcastTheRunDoesNotWait() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    TitleDialog dialog(t.context, nullptr);
    PressHidden(dialog, kNotMemoryAll);
    for (int i = 0; i < 3; ++i) Runner(dialog).Tick();
    QCOMPARE(t.serial.lines.size(), size_t(3));
    QCOMPARE(t.serial.lines[2].substr(0, 9), std::string("FFCN01T03"));
    QCOMPARE(Find<QProgressBar>(dialog, 1019)->value(), 3);
  }

  void SetAllNeedsTheLink() {
    TestApp t;
    t.state.link.interface_setting = kTcpIp;
    TitleDialog dialog(t.context, nullptr);
    Click(dialog, kSetAll);
    QVERIFY(!Runner(dialog).Running());
    QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Error, std::string(text::kNotConnected)}}));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::TitleDialogTest)
#include "title_dialog_test.moc"
