// The traffic log window: live during a run on its own timer, its save and clear, and usable
// beside the modal dialogs and boxes.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "dialog_driver.h"
#include "link/traffic_log_window.h"
#include "shell/version_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "test_app.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"

namespace vtg::testing {

// A click as the window system delivers it, which a modal window may block.
void SystemClick(QWidget* button) {
  QWidget* top = button->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, button->mapTo(top, button->rect().center()));
}

class TrafficLogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsUpWithARunOnItsTimerSavesAndClears() {
    TestApp t;
    TrafficLog log([] { return 0; });
    t.link.SetTrafficLog(&log);
    TrafficLogWindow window(log);
    window.show();
    auto* view = Find<QPlainTextEdit>(window, TrafficLogWindow::kView);
    shell::WholeUnitRunDialog dialog(t.context, shell::kSetAllItemsLayout, nullptr);
    Click(dialog, 1012);
    dialog.runner().Tick();
    t.Answer();
    QVERIFY(view->toPlainText().isEmpty());  // not drawn line by line
    RunToEnd(t, dialog.runner());
    QTRY_COMPARE(view->toPlainText() + '\n', ui::ToQString(log.Text()));

    // Beyond what the log keeps, the view keeps the same lines and says how many went.
    for (std::size_t i = 0; i < TrafficLog::kKeptLines; ++i) log.Record(Traffic::Event, "serial", {}, "時間切れ");
    window.Redraw();
    QCOMPARE(view->toPlainText() + '\n', ui::ToQString(log.Text()));
    QVERIFY(Find<QLabel>(window, TrafficLogWindow::kCountLabel)->text().contains(QString::number(log.Dropped())));

    QTemporaryDir folder;
    OnNextModal([&](QWidget& modal) {
      modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(folder.filePath(QStringLiteral("l.txt")));
      static_cast<QDialog&>(modal).accept();
    });
    Click(window, TrafficLogWindow::kSaveButton);
    QFile saved(folder.filePath(QStringLiteral("l.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray::fromStdString(log.Text()));
    Click(window, TrafficLogWindow::kClearButton);
    QVERIFY(log.Kept() == 0 && view->toPlainText().isEmpty());
  }

  void staysUsableBesideModalDialogsAndBoxes_data() {
    QTest::addColumn<bool>("box");
    QTest::newRow("settings dialog") << false;
    QTest::newRow("message box") << true;
  }
  void staysUsableBesideModalDialogsAndBoxes() {
    QWidget main;
    auto* button = new QPushButton(QStringLiteral("main"), &main);
    QSignalSpy presses(button, &QPushButton::clicked);
    TrafficLog log([] { return 0; });
    log.Record(Traffic::Sent, "serial", "00RCEL\r\n");
    TrafficLogWindow window(log);
    main.show();
    QVERIFY(ShowOnScreen(window));
    OnNextModal([&](QWidget& modal) {
      SystemClick(button);
      SystemClick(Find(window, TrafficLogWindow::kClearButton));
      modal.close();
    });
    TestApp t;
    ui::MessageBoxes boxes;
    boxes.SetHome(&main);
    QFETCH(bool, box);
    if (box) boxes.ErrorBox("No Connect");
    if (!box) shell::VersionDialog(t.context, &main).exec();
    QCOMPARE(log.Kept(), std::size_t{0});
    QCOMPARE(presses.count(), 0);  // the main window still waits for it
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::TrafficLogWindowTest)
#include "traffic_log_window_test.moc"
