#include "sim/unit_bus.h"

#include <algorithm>
#include <iterator>

#include "link/text_helpers.h"

namespace vtg::sim {

UnitBus::UnitBus(std::vector<SimulatedUnit*> units, FaultPlan faults)
    : units_(std::move(units)), faults_(std::move(faults)) {}

void UnitBus::Answer(std::string framed, Delivery& delivery) {
  ++replies_;
  if (faults_.drop_every > 0 && replies_ % faults_.drop_every == 0)
    delivery.dropped.push_back(std::move(framed));
  else
    delivery.replies.push_back(std::move(framed));
}

Delivery UnitBus::Deliver(const AssembledLine& line) {
  if (units_.empty() || (line.text.empty() && !line.overlong)) return {};
  Delivery delivery = Route(line);
  if (faults_.close_after > 0 && ++lines_ == faults_.close_after) {
    // Executed, but the unit goes before its answer does.
    std::ranges::move(delivery.replies, std::back_inserter(delivery.dropped));
    delivery.replies.clear();
    delivery.close_link = true;
  }
  return delivery;
}

Delivery UnitBus::Route(const AssembledLine& line) {
  Delivery delivery;
  const std::string& text = line.text;
  const std::string prefix = text.substr(0, 2);
  const std::string_view body = std::string_view(text).substr(prefix.size());

  if (prefix == "FF") {
    if (line.overlong) return delivery;
    for (SimulatedUnit* unit : units_) delivery.changed |= unit->Handle(body, true).changed;
    return delivery;
  }
  if (prefix.size() < 2 || !IsDigits(prefix)) {
    const UnitReply reply = line.overlong ? UnitReply{"E3"} : units_.front()->Handle(text, false);
    delivery.changed = reply.changed;
    Answer(reply.text + "\r\n", delivery);
    return delivery;
  }

  const int address = ParseDec2(prefix.data());
  std::vector<SimulatedUnit*> addressed;
  for (SimulatedUnit* unit : units_)
    if (unit->address() == address) addressed.push_back(unit);
  if (addressed.empty()) return delivery;
  ++addressed_lines_;
  const bool refuse = faults_.error_every > 0 && addressed_lines_ % faults_.error_every == 0;
  for (SimulatedUnit* unit : addressed) {
    UnitReply reply{"E3"};
    if (refuse)
      reply.text = faults_.error_code;
    else if (!line.overlong)
      reply = unit->Handle(body, true);
    delivery.changed |= reply.changed;
    Answer(prefix + reply.text + "\r\n", delivery);
  }
  return delivery;
}

}  // namespace vtg::sim
