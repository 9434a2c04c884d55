#pragma once
// When the simulated unit takes each line it receives: a unit cannot read faster than its
// line, so with a line rate a line is taken only once its last byte would have arrived over a
// serial line of that rate (8E1: 11 bits a byte, each byte after the one before). The receive
// direction runs on its own clock; the replies have theirs (a serial line is full duplex).
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/line_assembler.h"
#include "sim/unit_bus.h"

namespace vtg::sim {

struct ReceivedLine {
  double due_ms;       // when its last byte has arrived, on the caller's clock
  std::string raw;     // as it came, for the log
  AssembledLine line;  // as the unit reads it
};

class ReceivePacing {
 public:
  // 0: every line is due the moment it arrives.
  explicit ReceivePacing(int line_rate_baud);

  // Bytes that reached the unit at `now_ms`. Returns the lines refused because too many wait
  // already (as they came, for the log); a refused line takes no time on the line.
  std::vector<std::string> Arrive(std::string_view bytes, double now_ms);
  // The lines due by `now_ms`, oldest first, taken out of the wait.
  std::vector<ReceivedLine> TakeDue(double now_ms);
  // When the next waiting line is due, if one waits.
  std::optional<double> NextDueMs() const;
  // Forgets every waiting line and any partial one.
  void Clear();

  // Lines waiting to be taken, in bytes as they came; past this a further line is refused.
  static constexpr std::size_t kMaxWaitingBytes = 1 << 20;

 private:
  LineAssembler assembler_;
  double byte_ms_;
  double clock_ms_ = 0;     // when the last byte received so far has arrived
  double line_end_ms_ = 0;  // when the last line kept has arrived
  std::deque<ReceivedLine> waiting_;
  std::size_t waiting_bytes_ = 0;
};

}  // namespace vtg::sim
