// What a verify reports: two settings images compared item by item.
#include <gtest/gtest.h>

#include "default_state.h"
#include "settings/setting_comparison.h"
#include "text_builders.h"

namespace vtg {

inline void PrintTo(const Difference& d, std::ostream* os) { *os << d.item << " | " << d.document << " | " << d.unit; }

namespace {

using testing::Pair;

// Stands in for the code page: shows the bytes it was given.
std::string Bracketed(std::string_view bytes) { return bytes.empty() ? "" : "<" + std::string(bytes) + ">"; }

struct ComparisonCase {
  const char* what;
  void (*change)(SettingsImage& document, SettingsImage& unit);
  std::vector<Difference> expected;
};

const ComparisonCase kComparisonCases[] = {
    {"the levels, then line by line, then page by page, each as the commands send it",
     [](SettingsImage& d, SettingsImage& u) {
       d.white_level = 0;
       u.display_position[1] = 15;
       u.startup_page[2] = kAutoSwitchPage;
       u.display_flag[TitleIndex(3, 63)] = 0;
       u.char_size[TitleIndex(1, 0)] = 2;
       u.auto_switch_time[TitleIndex(0, 5)] = 10;
     },
     {{"White Level", "0", "3"},
      {"表示位置 ch.1 Bottom", "7", "15"},
      {"スタートアップ ch.2 Top", "01", "AS"},
      {"自動切換え ch.1 Top Page06", "02 秒", "10 秒"},
      {"文字サイズ ch.1 Bottom Page01", "LARGE", "SMALL"},
      {"タイトル表示 ch.2 Bottom Page64", "ON", "OFF"}}},
    {"titles show their text and the unit's glyphs by number; what the unit holds alike is none",
     [](SettingsImage& d, SettingsImage& u) {
       d.title_text[2] = "AB";
       u.title_text[2] = Pair(0x1020) + "AB" + Pair(0x1305);
       d.title_text[7] = Pair(0x889F) + Pair(0x8140);  // a trailing full-width space is not kept
       u.title_text[7] = Pair(0x889F);
       d.title_text[8] = Pair(0xFA40);  // the IBM form of a character the unit keeps in the NEC form
       u.title_text[8] = Pair(0xEEEF);
     },
     {{"タイトル ch.1 Top Page03", "「<AB>」", "「[外字1]<AB>[外字256]」"}}},
};

TEST(CompareSettings, ListsEachItemTheUnitWouldHoldDifferently) {
  for (const ComparisonCase& c : kComparisonCases) {
    SettingsImage document = testing::DefaultImage(), unit = document;
    c.change(document, unit);
    EXPECT_EQ(CompareSettings(document, unit, Bracketed), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vtg
