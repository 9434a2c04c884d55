#pragma once
// One row per command the unit knows. A set command is head + fields; its read is
// "R" + head + the fields that pick what to read, answered with the set form.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/unit_state.h"

namespace vtg::sim {

struct CommandRow {
  std::string_view head;
  // Network and slave-address commands may come without a slave address.
  bool network = false;
  // With auto-switching refusal on, refused ("GN") while any line auto-switches.
  bool refused_while_auto_switching = false;
  // Validates every field first and changes nothing when one is wrong; null = no set form.
  bool (*apply)(UnitState&, std::string_view fields) = nullptr;
  // The set form with the unit's values; nullopt for wrong fields; null = no read form.
  std::optional<std::string> (*read)(const UnitState&, std::string_view fields) = nullptr;
};

std::span<const CommandRow> DisplayCommands();
std::span<const CommandRow> GlyphCommands();
std::span<const CommandRow> NetworkCommands();

// The row whose head is the longest prefix of `body`, or null.
const CommandRow* FindCommand(std::string_view body);

}  // namespace vtg::sim
