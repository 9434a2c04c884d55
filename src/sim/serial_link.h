#pragma once
// Simulated units on a real serial port, at the unit's line settings: 9600 baud, 8E1.
#include <QObject>
#include <QSerialPort>

#include "sim/unit_link.h"

namespace vtg::sim {

class SerialLink : public QObject {
  Q_OBJECT

 public:
  // The units and the log (which may be null) must outlive the link.
  SerialLink(std::vector<SimulatedUnit*> units, LinkSettings settings, SimLog* log, QObject* parent = nullptr);

  // Returns false with the reason in `error` when the port cannot be opened.
  bool open(const QString& device, QString* error);

 signals:
  void unitsChanged();

 private:
  QSerialPort port_;
  UnitLink link_;
};

}  // namespace vtg::sim
