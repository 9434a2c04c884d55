#pragma once
// The traffic log's clock in the programs: the system's local time.
#include <QDateTime>
#include <cstdint>

namespace vtg {

inline std::int64_t LocalClockMs() {
  const QDateTime now = QDateTime::currentDateTime();
  return now.toMSecsSinceEpoch() + std::int64_t{now.offsetFromUtc()} * 1000;
}

}  // namespace vtg
