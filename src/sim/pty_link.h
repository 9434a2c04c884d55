#pragma once
// Simulated units behind a pseudo-terminal, whose device is linked at a path of the
// caller's choice so the controller can open it as its serial port.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "sim/unit_link.h"

namespace vtg::sim {

class PtyLink : public QObject {
  Q_OBJECT

 public:
  // The units and the log (which may be null) must outlive the link.
  PtyLink(std::vector<SimulatedUnit*> units, LinkSettings settings, SimLog* log, QObject* parent = nullptr);
  ~PtyLink() override;

  // Creates the pseudo-terminal in raw mode and links its device at `link_path`, replacing
  // an old symbolic link there but nothing else. Returns false with the reason in `error`.
  bool open(const QString& link_path, QString* error);
  QString devicePath() const { return device_; }

  // Replies the controller has not read yet, kept up to this many bytes; more are dropped.
  static constexpr qsizetype kMaxUnsent = 64 * 1024;

 signals:
  void unitsChanged();

 private:
  void readMaster();
  void writeMaster(const QByteArray& bytes);
  void flushUnsent();
  // The link as the log names it.
  QString logName() const { return QStringLiteral("pty ") + device_; }

  std::vector<SimulatedUnit*> units_;
  LinkSettings settings_;
  SimLog* log_;
  int master_ = -1;
  int slave_ = -1;  // kept open so the master never sees a hang-up when the controller closes
  QString device_;
  QString link_path_;
  std::unique_ptr<QSocketNotifier> readable_;
  std::unique_ptr<QSocketNotifier> writable_;
  QByteArray unsent_;
  UnitLink* link_ = nullptr;
};

}  // namespace vtg::sim
