#pragma once
// The fields every per-line and per-page command shares.
#include <array>
#include <string>
#include <string_view>

namespace vtg {

inline constexpr std::string_view kCrLf = "\r\n";

inline constexpr std::array<std::string_view, 4> kLineNames{"ch.1 Top", "ch.1 Bottom", "ch.2 Top", "ch.2 Bottom"};
// The channel lists of the dialogs write the first line differently.
inline constexpr std::array<std::string_view, 4> kLineListNames{"ch1. Top", "ch.1 Bottom", "ch.2 Top", "ch.2 Bottom"};

// Channel "01"/"02" and "T"/"B" of a line index, as in "CTD02B".
std::string LineField(int line);

// Page index 0..63 as "01".."64".
std::string PageField(int page);

// A page of a line as the operator names it: "ch.1 Top Page05".
std::string PageName(int title_index);

// A displayed or start-up page: "01".."64", or "AS" for automatic switching (64 and up).
std::string PageChoiceField(int page);

}  // namespace vtg
