// The unit's own network settings and its slave address; these may come without an address.
#include "sim/command_table.h"
#include "sim/wire_fields.h"

namespace vtg::sim {
namespace {

template <IPv4 UnitNetwork::*kAddress>
bool ApplyAddress(UnitState& unit, std::string_view fields) {
  const auto address = ReadDotted(fields);
  if (!address) return false;
  unit.network.*kAddress = *address;
  return true;
}

bool ApplySubnet(UnitState& unit, std::string_view fields) {
  if (fields != "A" && fields != "B" && fields != "C") return false;
  unit.network.subnet_class = fields[0] - 'A';
  return true;
}

bool ApplyPort(UnitState& unit, std::string_view fields) {
  if (fields.size() != 5 || !ReadNumber(fields, 1, 65535)) return false;
  unit.network.port = std::string(fields);
  return true;
}

bool ApplyKeepAlive(UnitState& unit, std::string_view fields) {
  if (fields != "ON" && fields != "OF") return false;
  unit.network.keep_alive = fields == "ON";
  return true;
}

bool ApplyTimeRegister(UnitState& unit, std::string_view fields) {
  const auto digit = fields.size() == 1 ? ReadNumber(fields, 1, 6) : std::nullopt;
  if (!digit) return false;
  unit.network.time_register = *digit;
  return true;
}

bool ApplySlaveAddress(UnitState& unit, std::string_view fields) {
  const auto address = fields.size() == 2 ? ReadNumber(fields, 0, 31) : std::nullopt;
  if (!address) return false;
  unit.address = *address;
  return true;
}

// Reads of settings that take no fields: the tag and the value's text.
template <std::string (*kValue)(const UnitNetwork&), char... kTag>
std::optional<std::string> ReadPlain(const UnitState& unit, std::string_view fields) {
  if (!fields.empty()) return std::nullopt;
  return std::string{kTag...} + kValue(unit.network);
}

template <IPv4 UnitNetwork::*kAddress>
std::string AddressText(const UnitNetwork& n) { return DottedField(n.*kAddress); }
std::string SubnetText(const UnitNetwork& n) { return std::string(1, static_cast<char>('A' + n.subnet_class)); }
std::string PortText(const UnitNetwork& n) { return n.port; }
std::string KeepAliveText(const UnitNetwork& n) { return n.keep_alive ? "ON" : "OF"; }
std::string TimeRegisterText(const UnitNetwork& n) { return std::to_string(n.time_register); }
std::string MacText(const UnitNetwork& n) { return n.mac; }
std::string VersionText(const UnitNetwork& n) { return n.version; }

constexpr CommandRow kRows[] = {
    {"IA", true, false, ApplyAddress<&UnitNetwork::ip>, ReadPlain<AddressText<&UnitNetwork::ip>, 'I', 'A'>},
    {"GA", true, false, ApplyAddress<&UnitNetwork::gateway>, ReadPlain<AddressText<&UnitNetwork::gateway>, 'G', 'A'>},
    {"AA", true, false, ApplyAddress<&UnitNetwork::active>, ReadPlain<AddressText<&UnitNetwork::active>, 'A', 'A'>},
    {"SM", true, false, ApplySubnet, ReadPlain<SubnetText, 'S', 'M'>},
    {"PN", true, false, ApplyPort, ReadPlain<PortText, 'P', 'N'>},
    {"KA", true, false, ApplyKeepAlive, ReadPlain<KeepAliveText, 'K', 'A'>},
    {"TR", true, false, ApplyTimeRegister, ReadPlain<TimeRegisterText, 'T', 'R'>},
    {"MA", true, false, nullptr, ReadPlain<MacText, 'M', 'A'>},
    {"VN", true, false, nullptr, ReadPlain<VersionText, 'V', 'N'>},
    {"SA", true, false, ApplySlaveAddress, nullptr},
};

}  // namespace

std::span<const CommandRow> NetworkCommands() { return kRows; }

}  // namespace vtg::sim
