#pragma once
// What the unit at the far end of a WiredController's link answers. A behaviour gets the
// n-th line the unit received on a transport (1-based, as sent: address and CR LF included)
// and gives the bytes that come back, framed; empty: the unit says nothing. A unit never
// answers a Broadcast line.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/simulated_unit.h"
#include "sim/unit_bus.h"

namespace vtg::testing {

using UnitBehaviour = std::function<std::string(int n, std::string_view line)>;

// The reply text to one command (the line without address and CR LF), framed with the
// line's address.
UnitBehaviour UnitAnswering(std::function<std::string(std::string_view command)> reply);
// "GO" to every line.
UnitBehaviour AnsweringUnit();
UnitBehaviour SilentUnit();
// `reply` to line n, "GO" to the others.
UnitBehaviour UnitAnsweringAtLine(int n, std::string reply);
// The simulated units answer, as vtg7300-sim would with `faults`. They must outlive the
// behaviour.
UnitBehaviour SimulatedUnits(std::vector<sim::SimulatedUnit*> units, sim::FaultPlan faults = {});

}  // namespace vtg::testing
