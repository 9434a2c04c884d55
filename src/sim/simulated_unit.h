#pragma once
// One simulated title generator: executes the body of a command line and says what to answer.
#include <string>
#include <string_view>

#include "sim/unit_state.h"

namespace vtg::sim {

struct UnitOptions {
  // Answer glyph reads "GN" while any line shows its pages by auto switching.
  bool refuse_glyph_reads_while_auto_switching = false;
};

struct UnitReply {
  std::string text;      // "GO", "E3", "GN" or the read data; no address, no CR LF
  bool changed = false;  // a set command was accepted
};

class SimulatedUnit {
 public:
  explicit SimulatedUnit(int address = 0, UnitOptions options = {});

  // `body` is the line without its address; `addressed` says whether it had one.
  // Only network and slave-address commands are understood without an address.
  UnitReply Handle(std::string_view body, bool addressed);

  int address() const { return state_.address; }
  const UnitState& state() const { return state_; }
  UnitState& state() { return state_; }

 private:
  UnitState state_;
  UnitOptions options_;
};

}  // namespace vtg::sim
