#pragma once
// One unit's side of the controller, so that several units can run at once: its state (the
// link flags, the reply wait, the image a read fills), its framing and reply wait, and its
// paced run. Each session talks through a transport of its own (a unit's connection in the
// server role) or takes its turn on a shared one (the addresses on one serial line). The
// single-unit path is the program's own state, link and engine, which is a session as well.
#include "link/link.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

class Session {
 public:
  // Starts from `from` (the document, the link configuration, the slave address) with the
  // sequence and reply state cleared.
  Session(const ControllerState& from, Messages& messages, SequenceView& view);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  ControllerState& state() { return state_; }
  Link& link() { return link_; }
  SequenceEngine& engine() { return engine_; }

  // The unit of `record` in the server role: lines go to it whatever the program has chosen.
  void AddressServerUnit(int record);

 private:
  ControllerState state_;
  Link link_;
  SequenceEngine engine_;
};

}  // namespace vtg
