#pragma once
// Everything one simulated title generator remembers.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vtg::sim {

inline constexpr int kLines = 4;           // ch.1 Top, ch.1 Bottom, ch.2 Top, ch.2 Bottom
inline constexpr int kPages = 64;
inline constexpr int kTitles = kLines * kPages;
inline constexpr int kTitleCodes = 28;
inline constexpr int kAutoSwitching = 64;  // page value of "AS"
inline constexpr unsigned kFullWidthSpace = 0x2121;

using TitleCodes = std::array<std::uint16_t, kTitleCodes>;
template <typename T>
using PerPage = std::array<std::array<T, kPages>, kLines>;
using IPv4 = std::array<std::uint8_t, 4>;

struct UnitNetwork {
  IPv4 ip{192, 168, 1, 3};
  IPv4 gateway{192, 168, 1, 1};
  IPv4 active{192, 168, 1, 3};
  int subnet_class = 2;             // 0..2 = "A".."C"
  std::string port = "09004";       // five digits, as the unit keeps it
  bool keep_alive = false;
  int time_register = 6;            // 1..6, the wire digit
  std::string mac = "00-11-22-33-44-55";
  std::string version = "1.00";

  bool operator==(const UnitNetwork&) const = default;
};

struct UnitState {
  UnitState();

  int address = 0;                  // slave address 0..31
  std::array<TitleCodes, kTitles> stored_titles;  // kept in memory ("CT")
  std::array<TitleCodes, kTitles> shown_titles;   // on screen ("CT" and "CN")
  PerPage<int> display_flag;      // 1 = the page is shown
  PerPage<int> char_size;           // index into kGlyphClasses
  PerPage<int> auto_switch_time;    // seconds 0..99
  std::array<int, kLines> display_page{};   // 0..63 or kAutoSwitching
  std::array<int, kLines> startup_page{};
  std::array<int, kLines> display_position{7, 7, 7, 7};
  int white_level = 3;
  int edge_level = 1;
  std::array<std::vector<std::string>, 3> glyphs;  // per class, each glyph its hex digits
  UnitNetwork network;

  bool AnyLineAutoSwitching() const;
  bool operator==(const UnitState&) const = default;
};

// Title index of (line, page).
inline int TitleIndex(int line, int page) { return line * kPages + page; }

}  // namespace vtg::sim
