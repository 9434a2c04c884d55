#include "sim/state_saver.h"

#include <iostream>

#include "sim/state_file.h"

namespace vtg::sim {

StateSaver::StateSaver(std::string path, std::span<const SimulatedUnit> units, QObject* parent)
    : QObject(parent), path_(std::move(path)), units_(units) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &StateSaver::flush);
}

void StateSaver::noteChange() {
  unsaved_ = true;
  if (!timer_.isActive()) timer_.start();
}

void StateSaver::flush() {
  timer_.stop();
  if (!unsaved_) return;
  unsaved_ = false;
  if (const std::string error = SaveUnits(path_, units_); !error.empty()) std::cerr << "vtg7300-sim: " << error << '\n';
}

}  // namespace vtg::sim
