#pragma once
// The controller's copy of every unit setting it edits, sends, reads back and saves.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "glyphs/glyph_class.h"

namespace vtg {

inline constexpr int kLines = 4;
inline constexpr int kPages = 64;
inline constexpr int kTitles = kLines * kPages;
inline constexpr int kAutoSwitchPage = 64;  // "AS" in a page field
// A title that may be sent: 28 two-byte characters.
inline constexpr int kTitleBytes = 56;
// What a title slot may ever hold (the edit box and the document reader cut there).
inline constexpr int kTitleSlotBytes = 59;

inline constexpr int TitleIndex(int line, int page) { return line * kPages + page; }

using IpBytes = std::array<std::uint8_t, 4>;

struct SettingsImage {
  // Persisted in the settings document. Titles are Shift-JIS bytes with an explicit
  // length: an external-character pair may hold 0x00, 0x0A or 0x0D.
  std::array<std::string, kTitles> title_text;
  std::array<int, kTitles> display_flag{};
  std::array<int, kTitles> char_size{};
  std::array<int, kTitles> auto_switch_time{};
  std::array<int, kLines> startup_page{};
  std::array<int, kLines> display_page{};
  std::array<int, kLines> display_position{};
  int white_level = 3;
  int edge_level = 1;

  // Glyph stores: slot i holds exactly D hex digits of glyph number i + 1.
  std::array<std::vector<std::string>, 3> ext_glyph;
  std::string ext_glyph_work;

  // The unit's own network settings (not in the document).
  IpBytes unit_ip_address{};
  IpBytes unit_gateway_address{};
  IpBytes unit_active_address{};
  std::string unit_mac_address;
  std::string unit_port_number;
  int unit_subnet_class = 2;
  int unit_keep_alive = 0;
  int unit_time_register = 5;
  std::string unit_version;

  std::vector<std::string>& glyphStore(GlyphClass c) { return ext_glyph[static_cast<int>(c)]; }
  const std::vector<std::string>& glyphStore(GlyphClass c) const { return ext_glyph[static_cast<int>(c)]; }

  bool operator==(const SettingsImage&) const = default;
};

}  // namespace vtg
