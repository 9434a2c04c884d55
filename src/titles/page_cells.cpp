#include "titles/page_cells.h"

#include <algorithm>

#include "link/text_helpers.h"
#include "titles/line_fields.h"

namespace vtg {
namespace {

constexpr std::string_view kSecondsCp932 = " \x95\x62";  // " 秒"

// Pairs of the first glyph row have no drawing in the system font; the list shows a blank.
std::string ShownTitle(std::string title) {
  for (std::size_t i = 0; i + 1 < title.size() && i < kTitleBytes; i += 2) {
    if (title[i] == '\x10') {
      title[i] = '\x81';
      title[i + 1] = '\x40';
    }
  }
  return title;
}

std::string DisplayText(int flag) { return std::string(kDisplayChoices[flag ? 1 : 0]); }
std::string SizeText(int size) { return std::string(kSizeChoices[static_cast<std::size_t>(std::clamp(size, 0, 2))]); }
std::string SecondsText(int seconds) { return Dec2(seconds) + std::string(kSecondsCp932); }

SettingCells Cells(const std::array<int, kTitles>& values, int line, int page, std::string (*text)(int)) {
  SettingCells cells;
  const int first = page / kSettingCells * kSettingCells;
  for (int i = 0; i < kSettingCells; ++i)
    cells[static_cast<std::size_t>(i)] =
        "Page" + PageField(first + i) + " = " + text(values[static_cast<std::size_t>(TitleIndex(line, first + i))]);
  return cells;
}

}  // namespace

TitleCells TitlePageCells(const SettingsImage& image, int line, int page) {
  TitleCells cells;
  const int first = page / kTitleCells * kTitleCells;
  for (int i = 0; i < kTitleCells; ++i)
    cells[static_cast<std::size_t>(i)] =
        "Page" + PageField(first + i) + "=" +
        ShownTitle(image.title_text[static_cast<std::size_t>(TitleIndex(line, first + i))]);
  return cells;
}

SettingCells DisplayFlagCells(const SettingsImage& image, int line, int page) {
  return Cells(image.display_flag, line, page, DisplayText);
}

SettingCells CharSizeCells(const SettingsImage& image, int line, int page) {
  return Cells(image.char_size, line, page, SizeText);
}

SettingCells AutoSwitchCells(const SettingsImage& image, int line, int page) {
  return Cells(image.auto_switch_time, line, page, SecondsText);
}

}  // namespace vtg
