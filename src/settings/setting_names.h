#pragma once
// What the operator calls each kind of setting, in messages and comparisons: the kind, then
// the line ("表示位置 ch.1 Top") or the page ("タイトル ch.1 Top Page05") it belongs to.
#include <string>
#include <string_view>

#include "titles/line_fields.h"

namespace vtg::setting_name {

inline constexpr std::string_view kAutoSwitch = "自動切換え";
inline constexpr std::string_view kTitleDisplay = "タイトル表示";
inline constexpr std::string_view kDisplayPosition = "表示位置";
inline constexpr std::string_view kEdgeLevel = "Edge Level";
inline constexpr std::string_view kWhiteLevel = "White Level";
inline constexpr std::string_view kStartupPage = "スタートアップ";
inline constexpr std::string_view kCharSize = "文字サイズ";
inline constexpr std::string_view kDisplayPage = "表示ページ";
inline constexpr std::string_view kTitle = "タイトル";

inline std::string OfLine(std::string_view kind, int line) {
  return std::string(kind) + " " + std::string(kLineNames[static_cast<std::size_t>(line)]);
}
inline std::string OfPage(std::string_view kind, int title_index) {
  return std::string(kind) + " " + PageName(title_index);
}

}  // namespace vtg::setting_name
