#pragma once
// A port or socket that keeps every framed line the link sends it, with the virtual time it
// went out when given a clock. It plays a link nobody answers (the test hands the replies to
// the link itself); `refuse` plays one whose send fails.
#include <string>
#include <string_view>
#include <vector>

#include "link/transport.h"

namespace vtg::testing {

class RecordingTransport : public Transport {
 public:
  explicit RecordingTransport(TransportTraits traits) : traits_(traits) {}

  TransportTraits traits() const override { return traits_; }
  bool ready() const override { return true; }
  bool send(std::string_view line) override {
    lines.emplace_back(line);
    if (clock) sent_at_ms.push_back(*clock);
    return !refuse;
  }

  std::vector<std::string> lines;
  std::vector<long> sent_at_ms;  // beside `lines`, while `clock` is set
  const long* clock = nullptr;
  bool refuse = false;

 private:
  TransportTraits traits_;
};

inline RecordingTransport SerialPort() { return RecordingTransport({true, false}); }
inline RecordingTransport SocketPeer() { return RecordingTransport({false, true}); }

}  // namespace vtg::testing
