#pragma once
// Reading and writing the fixed-width fields of the unit's command lines.
// Every reader returns nullopt for a field of the wrong length or out of range.
#include <optional>
#include <string>
#include <string_view>

#include "sim/unit_state.h"

namespace vtg::sim {

// Decimal digits of exactly their width, within lo..hi.
std::optional<int> ReadNumber(std::string_view digits, int lo, int hi);

// Line field: channel "01"/"02" and letter "T"/"B" (3 characters) to a line index 0..3.
std::optional<int> ReadLine(std::string_view field);
std::string LineField(int line);

// Page field "01".."64" to a page index 0..63; with "AS" also kAutoSwitching.
std::optional<int> ReadPage(std::string_view field);
std::optional<int> ReadPageOrAuto(std::string_view field);
std::string PageField(int page);
std::string PageOrAutoField(int page);

// Four upper-case hexadecimal digits.
std::optional<unsigned> ReadHex4(std::string_view field);

// "192.168.001.003": four three-digit groups 000..255 joined by dots.
std::optional<IPv4> ReadDotted(std::string_view field);
std::string DottedField(const IPv4& address);

}  // namespace vtg::sim
