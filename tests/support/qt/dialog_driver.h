#pragma once
// Working a window as the operator does: find its controls by id, press buttons, pick list
// entries, type through the input method, answer the modal dialog that opens next; and run
// a dialog's sequence against the unit at the far end of a WiredController's wire.
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/control_id.h"
#include "ui/sequence_runner.h"
#include "wired_controller.h"

namespace vtg::testing {

template <class W = QWidget>
W* Find(QWidget& window, int id) {
  W* control = window.findChild<W*>(ui::ControlName(id));
  if (!control) qFatal("no control %d", id);
  return control;
}

inline void Click(QWidget& window, int id) { QTest::mouseClick(Find<QPushButton>(window, id), Qt::LeftButton); }

// Picks an entry as the operator does: the list moves to it and reports the choice.
inline void Choose(QWidget& window, int id, int index) {
  auto* list = Find<QComboBox>(window, id);
  list->setCurrentIndex(index);
  emit list->activated(index);
}

inline QStringList Entries(QWidget& window, int id) {
  auto* list = Find<QComboBox>(window, id);
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

inline QStringList Entries(const QListWidget* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  return entries;
}

inline void DoubleClick(QListWidget* list, int row) {
  list->setCurrentRow(row);
  emit list->itemDoubleClicked(list->item(row));
}

// Each character as an input method hands it over.
inline void Type(QWidget* edit, const QString& text) {
  for (QChar c : text) {
    QInputMethodEvent commit;
    commit.setCommitString(c);
    QApplication::sendEvent(edit, &commit);
  }
}

// Shows the window and waits until it is on the (offscreen) screen.
[[nodiscard]] inline bool ShowOnScreen(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

// Works the modal dialog that opens next (a tool, a box, an editor over a list), then closes
// it unless `work` did.
inline void OnNextModal(std::function<void(QWidget&)> work) {
  QTimer::singleShot(0, [work = std::move(work)] {
    const QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal) return;
    work(*modal);
    if (modal && modal->isVisible()) modal->close();
  });
}

inline ui::SequenceRunner& Runner(QWidget& dialog) { return *dialog.findChild<ui::SequenceRunner*>(); }

// Ticks the dialog's run, the unit's replies arriving before each next tick; the ticks it took.
inline int RunToEnd(WiredController& wire, ui::SequenceRunner& runner, int max_ticks = 1000) {
  int ticks = 0;
  for (; runner.Running() && ticks < max_ticks; ++ticks) {
    runner.Tick();
    wire.Answer();
  }
  return ticks;
}

}  // namespace vtg::testing
