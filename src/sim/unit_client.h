#pragma once
// One simulated unit that connects to the controller's server, as units do when the
// controller is the server. A refused or lost connection is tried again a bounded number
// of times; one the close fault ended is not.
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include "sim/unit_link.h"

namespace vtg::sim {

class UnitClient : public QObject {
  Q_OBJECT

 public:
  static constexpr int kRetryMs = 500;
  static constexpr int kMaxFailedAttempts = 20;  // about ten seconds without a connection

  // The unit and the log (which may be null) must outlive the client. `number` (from 1) names
  // it in the log, as units connecting side by side may share an address.
  UnitClient(SimulatedUnit* unit, int number, QString host, quint16 port, LinkSettings settings, SimLog* log,
             QObject* parent = nullptr);

  void start();

 signals:
  void unitsChanged();
  void gaveUp();  // kMaxFailedAttempts attempts in a row failed

 private:
  void attempt();
  void onConnected();
  void onLost();

  SimulatedUnit* unit_;
  QString host_;
  quint16 port_;
  LinkSettings settings_;
  SimLog* log_;
  QString name_;
  // Declared first so it outlives the socket, whose destructor still reports the disconnect.
  QTimer retry_;
  QTcpSocket socket_;
  QPointer<UnitLink> link_;  // one per connection, so nothing of an old one reaches a new one
  int failed_attempts_ = 0;
  bool gone_ = false;  // the close fault ended its connection
};

}  // namespace vtg::sim
