#pragma once
// One link to the unit. The serial port and the TCP/IP socket implement it in the window
// layer; tests use recording fakes. Framing lives above it, in Link.
#include <string>
#include <string_view>

namespace vtg {

struct TransportTraits {
  bool prefix_optional;  // only the serial link may leave out the address prefix
  bool bounded_wait;     // the socket link ends a reply wait by time; serial has the watchdog
};

class Transport {
 public:
  virtual ~Transport() = default;
  virtual TransportTraits traits() const = 0;
  // An open port, or a connected peer.
  virtual bool ready() const = 0;
  // One framed line, CR LF included. False when the link refused it.
  virtual bool send(std::string_view line) = 0;
  // The link as the traffic log names it ("serial /dev/ttyUSB0", "tcp 192.168.1.3:9004");
  // empty while there is none to name.
  virtual std::string description() const { return {}; }
};

// Arms the bounded reply wait of the socket link; the window layer backs it with a timer
// that calls Link::OnReplyTimeout, tests with virtual time.
class ReplyTimer {
 public:
  virtual ~ReplyTimer() = default;
  virtual void arm(int milliseconds) = 0;
  virtual void cancel() = 0;
};

}  // namespace vtg
