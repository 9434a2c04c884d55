// The rules must hold for a fresh controller and unit and catch each kind of broken state,
// or the fuzzers and the soak would pass whatever the code did.
#include <functional>

#include <gtest/gtest.h>

#include "default_state.h"
#include "invariants.h"

namespace vtg::testing {
namespace {

struct StateCase {
  const char* rule;
  std::function<void(ControllerState&)> breaks;
};

const StateCase kStateCases[] = {
    {"title longer than a slot", [](auto& s) { s.image.title_text[200] = std::string(60, 'x'); }},
    {"display_flag", [](auto& s) { s.image.display_flag[3] = 2; }},
    {"char_size", [](auto& s) { s.image.char_size[255] = -1; }},
    {"auto_switch_time", [](auto& s) { s.image.auto_switch_time[0] = 100; }},
    {"startup_page", [](auto& s) { s.image.startup_page[3] = 65; }},
    {"display_position", [](auto& s) { s.image.display_position[0] = 16; }},
    {"level", [](auto& s) { s.image.edge_level = 4; }},
    {"glyph slot", [](auto& s) { s.image.glyphStore(GlyphClass::Small)[255].back() = 'a'; }},
    {"glyph store", [](auto& s) { s.image.glyphStore(GlyphClass::Large).pop_back(); }},
    {"ext_glyph_work", [](auto& s) { s.image.ext_glyph_work.resize(575); }},
    {"unit_port_number", [](auto& s) { s.image.unit_port_number = "9004"; }},
    {"unit_time_register", [](auto& s) { s.image.unit_time_register = 6; }},
    {"step_pending", [](auto& s) { s.flags.step_pending = 2; }},
    {"glyph_index", [](auto& s) { s.glyph.glyph_index = 257; }},
    {"glyph transfer busy without a run", [](auto& s) { s.glyph.glyph_transfer_busy = 1; }},
    {"glyph transfer counter", [](auto& s) {
       s.flags.sequence_step = 3;
       s.glyph.glyph_transfer_busy = 1;
       s.glyph.glyph_index = 71;
     }},
    {"slave_index", [](auto& s) { s.selection.slave_index = 33; }},
    {"tcp_port_text", [](auto& s) { s.link.tcp_port_text = "123456"; }},
    {"one connection in two records", [](auto& s) {
       s.client_table.Accept(1, 7, "127.0.0.1");
       s.client_table.Accept(2, 7, "127.0.0.1");
     }},
    {"live record without a connection", [](auto& s) { s.client_table.Accept(5, 0, "127.0.0.1"); }},
};

TEST(Rules, HoldForAFreshControllerAndUnit) {
  EXPECT_EQ(BrokenStateRule(DefaultState()), std::nullopt);
  const sim::UnitState unit;
  EXPECT_EQ(BrokenUnitSettingsRule(unit), std::nullopt);
  EXPECT_EQ(BrokenUnitGlyphRule(unit), std::nullopt);
}

TEST(Rules, CatchEachBrokenSetting) {
  for (const auto& [rule, breaks] : kStateCases) {
    ControllerState state = DefaultState();
    breaks(state);
    const Broken broken = BrokenStateRule(state);
    ASSERT_TRUE(broken.has_value()) << rule;
    EXPECT_NE(broken->find(rule), std::string::npos) << *broken;
  }
}

TEST(Rules, CatchABrokenUnit) {
  sim::UnitState unit;
  unit.stored_titles[17][3] = 0x2120;
  EXPECT_NE(BrokenUnitSettingsRule(unit), std::nullopt);
  unit = {};
  unit.network.port = "00000";
  EXPECT_NE(BrokenUnitSettingsRule(unit), std::nullopt);
  unit = {};
  unit.glyphs[1][0] += "0";
  EXPECT_NE(BrokenUnitGlyphRule(unit), std::nullopt);
}

}  // namespace
}  // namespace vtg::testing
