#include "settings/setting_comparison.h"

#include "link/text_helpers.h"
#include "settings/setting_names.h"
#include "titles/title_command.h"

namespace vtg {
namespace {

namespace name = setting_name;

using ValueText = std::string (*)(int);

std::string Decimal(int v) { return std::to_string(v); }
// As the commands send them: "N" only for 1, "L" only for 0, "M" only for 1.
std::string FlagText(int v) { return v == 1 ? "ON" : "OFF"; }
std::string SizeText(int v) { return v == 0 ? "LARGE" : v == 1 ? "MEDIUM" : "SMALL"; }
std::string SecondsText(int v) { return Dec2(v) + " 秒"; }

struct UnitKind {
  std::string_view name;
  int SettingsImage::*value;
};
constexpr UnitKind kUnitKinds[] = {
    {name::kWhiteLevel, &SettingsImage::white_level},
    {name::kEdgeLevel, &SettingsImage::edge_level},
};

struct LineKind {
  std::string_view name;
  std::array<int, kLines> SettingsImage::*values;
  ValueText text;
};
constexpr LineKind kLineKinds[] = {
    {name::kStartupPage, &SettingsImage::startup_page, PageChoiceField},
    {name::kDisplayPage, &SettingsImage::display_page, PageChoiceField},
    {name::kDisplayPosition, &SettingsImage::display_position, Decimal},
};

struct PageKind {
  std::string_view name;
  std::array<int, kTitles> SettingsImage::*values;
  ValueText text;
};
constexpr PageKind kPageKinds[] = {
    {name::kTitleDisplay, &SettingsImage::display_flag, FlagText},
    {name::kCharSize, &SettingsImage::char_size, SizeText},
    {name::kAutoSwitch, &SettingsImage::auto_switch_time, SecondsText},
};

bool SameTitle(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto sent = TitleDigits(a);
  return sent && sent == TitleDigits(b);
}

}  // namespace

std::vector<Difference> CompareSettings(const SettingsImage& document, const SettingsImage& unit,
                                        const ShiftJisDecoder& decode) {
  std::vector<Difference> found;
  const auto add = [&found](std::string item, std::string ours, std::string theirs) {
    if (ours != theirs) found.push_back({std::move(item), std::move(ours), std::move(theirs)});
  };
  for (const UnitKind& kind : kUnitKinds)
    add(std::string(kind.name), Decimal(document.*kind.value), Decimal(unit.*kind.value));
  for (int line = 0; line < kLines; ++line) {
    const auto l = static_cast<std::size_t>(line);
    for (const LineKind& kind : kLineKinds)
      add(name::OfLine(kind.name, line), kind.text((document.*kind.values)[l]), kind.text((unit.*kind.values)[l]));
  }
  for (int i = 0; i < kTitles; ++i) {
    const auto t = static_cast<std::size_t>(i);
    for (const PageKind& kind : kPageKinds)
      add(name::OfPage(kind.name, i), kind.text((document.*kind.values)[t]), kind.text((unit.*kind.values)[t]));
    const std::string& ours = document.title_text[t];
    const std::string& theirs = unit.title_text[t];
    if (!SameTitle(ours, theirs))
      found.push_back({name::OfPage(name::kTitle, i), "「" + ReadableTitle(ours, decode) + "」",
                         "「" + ReadableTitle(theirs, decode) + "」"});
  }
  return found;
}

}  // namespace vtg
