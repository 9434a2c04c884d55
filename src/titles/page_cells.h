#pragma once
// The page lists of the title dialogs. Cell texts are code page 932 bytes, as titles are,
// so a dialog shows every cell through the one conversion it uses for titles.
#include <array>
#include <string>
#include <string_view>

#include "settings/settings_image.h"

namespace vtg {

inline constexpr int kTitleCells = 16;
inline constexpr int kSettingCells = 32;

// The entries of the "Display" and size lists, index = stored value.
inline constexpr std::array<std::string_view, 2> kDisplayChoices{"OFF", "ON "};
inline constexpr std::array<std::string_view, 3> kSizeChoices{"LARGE ", "MEDIUM", "SMALL "};

using TitleCells = std::array<std::string, kTitleCells>;
using SettingCells = std::array<std::string, kSettingCells>;

// The block of 16 pages holding `page`: "Page01=" + title.
TitleCells TitlePageCells(const SettingsImage& image, int line, int page);

// The block of 32 pages holding `page`: "Page01 = " + "OFF"/"ON ".
SettingCells DisplayFlagCells(const SettingsImage& image, int line, int page);
// "Page01 = " + "LARGE "/"MEDIUM"/"SMALL ".
SettingCells CharSizeCells(const SettingsImage& image, int line, int page);
// "Page01 = " + two-digit seconds + " 秒".
SettingCells AutoSwitchCells(const SettingsImage& image, int line, int page);

}  // namespace vtg
