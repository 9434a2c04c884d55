#include "link/session.h"

namespace vtg {

Session::Session(const ControllerState& from, Messages& messages, SequenceView& view)
    : state_(from), link_(state_, messages), engine_(state_, link_, messages, view) {
  state_.flags = LinkFlags{};
  state_.flags.address_prefix = from.flags.address_prefix;
  state_.flags.link_running = 1;
  state_.glyph.glyph_read_pending = 0;
  state_.glyph.glyph_transfer_busy = 0;
}

void Session::AddressServerUnit(int record) {
  state_.link.interface_setting = kTcpIp;
  state_.link.tcp_role = kServer;
  state_.link.selected_peer = record;
  state_.link.tcp_connected = 1;
  state_.flags.address_prefix = 1;  // the socket link addresses every line
}

}  // namespace vtg
