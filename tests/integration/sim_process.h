#pragma once
// Starts vtg7300-sim for a test and reads what it announces.
#include <QIODevice>
#include <QProcess>
#include <QStringList>

// Generous bound for every wait: the sanitizers make the program slow to start.
inline constexpr int kWaitMs = 15000;

class SimProcess {
 public:
  ~SimProcess();

  // Starts the program and waits for its first line on stdout; empty when none came.
  QString start(const QStringList& arguments);

  // SIGTERM, and the exit code of a clean exit (-1 when it did not end by itself).
  int terminate();

  QProcess& process() { return process_; }

 private:
  QProcess process_;
};

// Waits until `device` has delivered `count` lines ending in CR LF and returns them, CR LF included.
QByteArray ReadLines(QIODevice& device, int count);
