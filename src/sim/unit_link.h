#pragma once
// One link to the controller (a TCP connection, a pseudo-terminal, a serial port): its
// bytes become lines the units on it take, paced like a serial line when asked to, and
// their replies go back paced.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

#include "sim/receive_pacing.h"
#include "sim/reply_pacing.h"
#include "sim/unit_bus.h"

namespace vtg::sim {

class SimLog;

struct LinkSettings {
  ReplyPacing pacing;
  FaultPlan faults;
};

class UnitLink : public QObject {
  Q_OBJECT

 public:
  using Writer = std::function<void(const QByteArray&)>;

  // The units and the log (which may be null) must outlive the link.
  UnitLink(QString name, std::vector<SimulatedUnit*> units, const LinkSettings& settings, SimLog* log,
           Writer writer, QObject* parent = nullptr);

  void receive(const QByteArray& bytes);

 signals:
  void unitsChanged();
  // The close fault took the units off the link: it takes and sends nothing more, and its
  // owner closes the connection, if it has one.
  void closedByFault();

 private:
  double nowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }
  void takeDueLines();
  void take(const ReceivedLine& received);
  void send(const std::string& reply, double taken_ms);
  void writeDuePieces();
  void closeByFault();

  // Replies waiting to leave; past this many bytes a further reply is dropped and logged.
  static constexpr std::size_t kMaxPendingBytes = 1 << 20;

  QString name_;
  ReceivePacing intake_;
  UnitBus bus_;
  ReplyPacing pacing_;
  SimLog* log_;
  Writer writer_;
  QElapsedTimer clock_;
  QTimer intake_timer_;
  QTimer timer_;
  std::deque<ReplyPiece> pending_;
  std::size_t pending_bytes_ = 0;
  double link_free_ms_ = 0;
  bool gone_ = false;
};

}  // namespace vtg::sim
