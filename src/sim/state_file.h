#pragma once
// Keeps the units' state in a text file between runs.
//
//   vtg7300-sim state 1        first line: format and version
//   unit 00                    a unit, with its slave address
//   CT01T01212121...           set commands that rebuild its state, one a line
//   MA00-11-22-33-44-55        and its MAC address and version, which no command sets
//   VN1.00
//   end
#include <span>
#include <string>

#include "sim/simulated_unit.h"

namespace vtg::sim {

// Writes to a temporary file in the same folder and renames it over `path`.
// Returns an empty string, or what went wrong.
std::string SaveUnits(const std::string& path, std::span<const SimulatedUnit> units);

// Replaces the units' state with the file's, all of it or nothing: a file that does not
// parse, or that holds another number of units, changes nothing and is named in the message.
// Returns an empty string, or what went wrong.
std::string LoadUnits(const std::string& path, std::span<SimulatedUnit> units);

}  // namespace vtg::sim
