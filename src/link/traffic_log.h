#pragma once
// The traffic log: every line sent to a unit and every reply or stray byte received, with
// what the controller made of it. The program keeps one; each line names the link it went
// over. The last lines stay in a ring of fixed size for the log window, and a sink sees
// every line as it is recorded (a file, standard error).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vtg {

enum class Traffic { Sent, Received, Event };

// Local wall time in milliseconds since 1970-01-01 00:00, read at each line.
using LogClock = std::function<std::int64_t()>;

// One line, without its line end:
//   2026-12-07 10:15:02.117 received serial /dev/ttyUSB0 "05GO\r\n" matched GO
// The bytes are quoted: printable ASCII as it is, \\ \" \r \n escaped, any other byte as
// \xNN. Title text crosses the link as hex digits and shows as such. Empty bytes and an
// empty outcome are left out.
std::string FormatTrafficLine(std::int64_t local_ms, Traffic direction, std::string_view link,
                              std::string_view bytes, std::string_view outcome);

class TrafficLog {
 public:
  static constexpr std::size_t kKeptLines = 10000;

  explicit TrafficLog(LogClock clock) : clock_(std::move(clock)) {}

  // Constant time: at the bound the oldest line gives way and is counted as dropped.
  void Record(Traffic direction, std::string_view link, std::string_view bytes, std::string_view outcome = {});
  void SetSink(std::function<void(std::string_view line)> sink) { sink_ = std::move(sink); }

  // The kept lines, oldest first.
  std::size_t Kept() const { return ring_.size(); }
  const std::string& Line(std::size_t i) const { return ring_[(first_ + i) % ring_.size()]; }
  // Every kept line, each ending in LF.
  std::string Text() const;
  // Lines that gave way since the last Clear.
  std::uint64_t Dropped() const { return dropped_; }
  // Lines recorded since the log was made; a view compares it with what it has shown.
  std::uint64_t Recorded() const { return recorded_; }
  void Clear();

 private:
  LogClock clock_;
  std::vector<std::string> ring_;
  std::size_t first_ = 0;  // the oldest line once the ring is full
  std::uint64_t dropped_ = 0;
  std::uint64_t recorded_ = 0;
  std::function<void(std::string_view line)> sink_;
};

}  // namespace vtg
