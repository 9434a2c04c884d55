#include "sim/simulated_unit.h"

#include "link/text_helpers.h"
#include "sim/command_table.h"

namespace vtg::sim {

SimulatedUnit::SimulatedUnit(int address, UnitOptions options) : options_(options) {
  state_.address = address;
  // Units on one line get MAC addresses of their own.
  state_.network.mac = "00-11-22-33-44-" + Hex4(0x55 + address).substr(2);
}

UnitReply SimulatedUnit::Handle(std::string_view body, bool addressed) {
  const bool is_read = body.starts_with('R');
  const std::string_view command = is_read ? body.substr(1) : body;
  const CommandRow* row = FindCommand(command);
  if (!row || (!addressed && !row->network)) return {"E3"};
  const std::string_view fields = command.substr(row->head.size());
  if (is_read) {
    if (!row->read) return {"E3"};
    if (row->refused_while_auto_switching && options_.refuse_glyph_reads_while_auto_switching &&
        state_.AnyLineAutoSwitching())
      return {"GN"};
    auto reply = row->read(state_, fields);
    return {reply ? std::move(*reply) : "E3"};
  }
  if (!row->apply || !row->apply(state_, fields)) return {"E3"};
  return {"GO", true};
}

}  // namespace vtg::sim
