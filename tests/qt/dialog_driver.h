#pragma once
// Working a dialog as the operator does: find its controls by id, press buttons, pick list
// entries; and a simulated unit on the serial port.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "link/link.h"
#include "sim/unit_bus.h"
#include "ui/control_id.h"
#include "ui/sequence_runner.h"

namespace vtg::testing {

template <class W = QWidget>
W* Find(QWidget& dialog, int id) {
  W* control = dialog.findChild<W*>(ui::ControlName(id));
  if (!control) qFatal("no control %d", id);
  return control;
}

inline void Click(QWidget& dialog, int id) { QTest::mouseClick(Find<QPushButton>(dialog, id), Qt::LeftButton); }

// Picks an entry as the operator does: the list moves to it and reports the choice.
inline void Choose(QWidget& dialog, int id, int index) {
  auto* list = Find<QComboBox>(dialog, id);
  list->setCurrentIndex(index);
  emit list->activated(index);
}

inline QStringList Entries(QWidget& dialog, int id) {
  auto* list = Find<QComboBox>(dialog, id);
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

// Works the modal dialog that opens next (a tool over a dialog); `work` closes it.
inline void OnNextModal(std::function<void(QWidget&)> work) {
  QTimer::singleShot(0, [work = std::move(work)] {
    if (QWidget* modal = QApplication::activeModalWidget()) work(*modal);
  });
}

inline ui::SequenceRunner& Runner(QWidget& dialog) { return *dialog.findChild<ui::SequenceRunner*>(); }

// One simulated unit on the serial line. A line reaches it as it is sent; its replies come
// back when the test delivers them, as the port's read side would.
class UnitOnSerialPort : public Transport {
 public:
  explicit UnitOnSerialPort(Link& link, int address = 0) : unit(address), link_(link) { link.AttachSerial(this); }

  TransportTraits traits() const override { return {true, false}; }
  bool ready() const override { return true; }
  bool send(std::string_view line) override {
    lines.emplace_back(line);
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (const std::string& reply : bus_.Deliver({text}).replies) replies_ += reply;
    return true;
  }
  void DeliverReplies() {
    std::string replies;
    replies.swap(replies_);
    link_.OnSerialBytes(replies);
  }
  // Ticks the dialog's run, each reply arriving before the next tick; the ticks it took.
  int RunToEnd(ui::SequenceRunner& runner, int max_ticks = 1000) {
    int ticks = 0;
    while (runner.Running() && ticks < max_ticks) {
      ++ticks;
      runner.Tick();
      DeliverReplies();
    }
    return ticks;
  }

  sim::SimulatedUnit unit;
  std::vector<std::string> lines;

 private:
  Link& link_;
  sim::UnitBus bus_{{&unit}};
  std::string replies_;
};

}  // namespace vtg::testing
