#pragma once
// Ends the event loop on SIGINT and SIGTERM, so the program leaves through its destructors.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace vtg::sim {

class QuitOnSignals : public QObject {
  Q_OBJECT

 public:
  explicit QuitOnSignals(QObject* parent = nullptr);
  ~QuitOnSignals() override;

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vtg::sim
