#pragma once
// Settings the controller sets on a unit and reads back, each with where its read lands.
// Every value differs from the controller's defaults, so a read that lands nowhere fails.
#include <functional>
#include <string>
#include <vector>

#include "settings/controller_state.h"

namespace vtg::testing {

struct ReadBack {
  std::string set;
  std::string read;
  std::function<bool(const ControllerState&)> landed;
};

inline std::vector<ReadBack> ReadBackCases() {
  std::string title = "CT01T02" "3021";  // one kanji, then full-width spaces
  for (int i = 1; i < 28; ++i) title += "2121";
  const auto& image = [](const ControllerState& s) -> const SettingsImage& { return s.image; };
  return {
      {"CWL0\r\n", "RCWL\r\n", [=](auto& s) { return image(s).white_level == 0; }},
      {"CEL2\r\n", "RCEL\r\n", [=](auto& s) { return image(s).edge_level == 2; }},
      {"CTDPO02B11\r\n", "RCTDPO02B\r\n", [=](auto& s) { return image(s).display_position[3] == 11; }},
      {"P01B05\r\n", "RP01B\r\n", [=](auto& s) { return image(s).display_page[1] == 4; }},
      {"SUS02TAS\r\n", "RSUS02T\r\n", [=](auto& s) { return image(s).startup_page[2] == kAutoSwitchPage; }},
      {"CTD01T03OF\r\n", "RCTD01T\r\n", [=](auto& s) { return image(s).display_flag[TitleIndex(0, 2)] == 0; }},
      {"CFS02B10M\r\n", "RCFS02B\r\n", [=](auto& s) { return image(s).char_size[TitleIndex(3, 9)] == 1; }},
      {"AST01T0412\r\n", "RAST01T\r\n", [=](auto& s) { return image(s).auto_switch_time[TitleIndex(0, 3)] == 12; }},
      {title + "\r\n", "RCT01T02\r\n", [=](auto& s) { return image(s).title_text[TitleIndex(0, 1)] == "\x88\x9F"; }},
  };
}

}  // namespace vtg::testing
