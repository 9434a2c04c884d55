#pragma once
// Rules the controller's shared state and a simulated unit must keep whatever arrives from
// outside. Each check returns the first broken rule in words, none when all hold.
#include <optional>
#include <string>

#include "settings/controller_state.h"
#include "sim/unit_state.h"

namespace vtg::testing {

using Broken = std::optional<std::string>;

// Every setting in its range, titles within a slot, ext_glyph_work D hex digits of a class.
Broken BrokenSettingsRule(const SettingsImage& image);
// Those, and every slot of the three glyph stores D upper-case hex digits.
Broken BrokenImageRule(const SettingsImage& image);

// The link flags, the glyph flags, the selection, the link configuration and the client table.
Broken BrokenFlagRule(const ControllerState& state);

// The image and the flags.
Broken BrokenStateRule(const ControllerState& state);

// The in-use records match their connections: each live record has its own connection.
Broken BrokenClientTableRule(const ClientTable& table);

// A simulated unit: every setting in its range, titles of codes it can show.
Broken BrokenUnitSettingsRule(const sim::UnitState& unit);
// Its glyphs: N of each class, each D upper-case hex digits.
Broken BrokenUnitGlyphRule(const sim::UnitState& unit);

}  // namespace vtg::testing
