#pragma once
// vtg7300-sim started for a test from beside the test program, and what it announces: on a
// free loopback port, on a pseudo-terminal, or connecting to the controller's server role.
// Ended with SIGTERM by Terminate, killed with the object otherwise.
#include <QProcess>
#include <QStringList>

namespace vtg::testing {

class SimulatedUnitProcess {
 public:
  ~SimulatedUnitProcess();

  // Starts the program and waits for its first line on standard output; empty when none came.
  QString Start(const QStringList& arguments);
  // Listening on a free loopback port, after `options`; port() and address() tell where.
  bool Listen(QStringList options = {});
  // On a pseudo-terminal reached through the link `path`, after `options`.
  bool OnPty(const QString& path, QStringList options = {});
  // SIGTERM, and the exit code of a clean exit (-1 when it did not end by itself).
  int Terminate();

  quint16 port() const { return port_; }
  QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
  QProcess& process() { return process_; }

 private:
  QProcess process_;
  quint16 port_ = 0;
};

}  // namespace vtg::testing
