#pragma once
// Writes the units' state file a moment after they change, so that a burst of changes (a
// whole run against 96 units) costs one write instead of one a line, and writes what is not
// written yet when the program ends.
#include <QObject>
#include <QTimer>
#include <span>
#include <string>

#include "sim/simulated_unit.h"

namespace vtg::sim {

class StateSaver : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMs = 1000;

  // The units must outlive the saver.
  StateSaver(std::string path, std::span<const SimulatedUnit> units, QObject* parent = nullptr);

  void noteChange();
  // Writes now if a change is not written yet; a failure goes to standard error.
  void flush();

 private:
  std::string path_;
  std::span<const SimulatedUnit> units_;
  QTimer timer_;
  bool unsaved_ = false;
};

}  // namespace vtg::sim
