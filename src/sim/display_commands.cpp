// Titles, per-page and per-line display settings, levels and glyph insertion.
#include <array>

#include "link/text_helpers.h"
#include "sim/command_table.h"
#include "glyphs/glyph_class.h"
#include "link/cp932.h"
#include "sim/wire_fields.h"

namespace vtg::sim {
namespace {

constexpr std::size_t kLineField = 3;   // "01T"
constexpr std::size_t kTitleKey = 5;    // "01T05"
constexpr std::size_t kTitleDigits = kTitleCodes * 4;

std::optional<int> ReadTitleIndex(std::string_view key) {
  if (key.size() != kTitleKey) return std::nullopt;
  const auto line = ReadLine(key.substr(0, kLineField));
  const auto page = ReadPage(key.substr(kLineField));
  if (!line || !page) return std::nullopt;
  return TitleIndex(*line, *page);
}

std::optional<TitleCodes> ReadTitleCodes(std::string_view digits) {
  if (digits.size() != kTitleDigits) return std::nullopt;
  TitleCodes codes{};
  for (int i = 0; i < kTitleCodes; ++i) {
    const auto code = ReadHex4(digits.substr(4 * i, 4));
    if (!code || !(IsJisCode(*code) || GlyphIndexOfCode(*code))) return std::nullopt;
    codes[i] = static_cast<std::uint16_t>(*code);
  }
  return codes;
}

// "CT" keeps the title in memory and shows it; "CN" only shows it.
template <bool kStore>
bool ApplyTitle(UnitState& unit, std::string_view fields) {
  if (fields.size() != kTitleKey + kTitleDigits) return false;
  const auto title = ReadTitleIndex(fields.substr(0, kTitleKey));
  const auto codes = ReadTitleCodes(fields.substr(kTitleKey));
  if (!title || !codes) return false;
  if (kStore) unit.stored_titles[*title] = *codes;
  unit.shown_titles[*title] = *codes;
  return true;
}

std::optional<std::string> ReadTitle(const UnitState& unit, std::string_view fields) {
  const auto title = ReadTitleIndex(fields);
  if (!title) return std::nullopt;
  std::string reply = "CT" + std::string(fields);
  for (auto code : unit.stored_titles[*title]) reply += Hex4(code);
  return reply;
}

// A setting held per page: set for one page, or for all 64 pages of a line at once.
struct PageSettingForm {
  std::string_view head;
  PerPage<int> UnitState::*values;
  std::size_t one_page_width;  // value field of the one-page form
  std::size_t per_page_width;  // value field of each page in the whole-line form
  std::optional<int> (*read_one_page)(std::string_view);
  std::optional<int> (*read_per_page)(std::string_view);
  std::string (*write_per_page)(int);
};

std::optional<int> ReadLetterIndex(std::string_view field, std::string_view letters) {
  if (field.size() != 1 || letters.find(field[0]) == std::string_view::npos) return std::nullopt;
  return static_cast<int>(letters.find(field[0]));
}

constexpr PageSettingForm kDisplayFlags{
    "CTD", &UnitState::display_flag, 2, 1,
    [](std::string_view f) -> std::optional<int> {
      if (f == "ON") return 1;
      if (f == "OF") return 0;
      return std::nullopt;
    },
    [](std::string_view f) { return ReadLetterIndex(f, "FN"); },
    [](int v) { return std::string(1, "FN"[v]); }};

constexpr PageSettingForm kCharSizes{
    "CFS", &UnitState::char_size, 1, 1,
    [](std::string_view f) { return ReadLetterIndex(f, "LMS"); },
    [](std::string_view f) { return ReadLetterIndex(f, "LMS"); },
    [](int v) { return std::string(1, kGlyphClasses[v].letter); }};

constexpr PageSettingForm kAutoSwitchTimes{
    "AST", &UnitState::auto_switch_time, 2, 2,
    [](std::string_view f) { return f.size() == 2 ? ReadNumber(f, 0, 99) : std::nullopt; },
    [](std::string_view f) { return f.size() == 2 ? ReadNumber(f, 0, 99) : std::nullopt; },
    [](int v) { return Dec2(v); }};

template <const PageSettingForm& kForm>
bool ApplyPageSetting(UnitState& unit, std::string_view fields) {
  if (fields.size() < kLineField) return false;
  const auto line = ReadLine(fields.substr(0, kLineField));
  const std::string_view rest = fields.substr(kLineField);
  if (!line) return false;
  auto& values = (unit.*kForm.values)[*line];
  if (rest.size() == 2 + kForm.one_page_width) {
    const auto page = ReadPage(rest.substr(0, 2));
    const auto value = kForm.read_one_page(rest.substr(2));
    if (!page || !value) return false;
    values[*page] = *value;
    return true;
  }
  if (rest.size() != kPages * kForm.per_page_width) return false;
  std::array<int, kPages> read{};
  for (int p = 0; p < kPages; ++p) {
    const auto value = kForm.read_per_page(rest.substr(p * kForm.per_page_width, kForm.per_page_width));
    if (!value) return false;
    read[p] = *value;
  }
  values = read;
  return true;
}

template <const PageSettingForm& kForm>
std::optional<std::string> ReadPageSetting(const UnitState& unit, std::string_view fields) {
  const auto line = ReadLine(fields);
  if (!line) return std::nullopt;
  std::string reply = std::string(kForm.head) + std::string(fields);
  for (int value : (unit.*kForm.values)[*line]) reply += kForm.write_per_page(value);
  return reply;
}

// A setting held per line, with a two-character value field.
struct LineSettingForm {
  std::string_view head;
  std::array<int, kLines> UnitState::*values;
  std::optional<int> (*read_value)(std::string_view);
  std::string (*write_value)(int);
};

constexpr LineSettingForm kDisplayPages{"P", &UnitState::display_page, ReadPageOrAuto, PageOrAutoField};
constexpr LineSettingForm kStartupPages{"SUS", &UnitState::startup_page, ReadPageOrAuto, PageOrAutoField};
constexpr LineSettingForm kDisplayPositions{
    "CTDPO", &UnitState::display_position,
    [](std::string_view f) { return f.size() == 2 ? ReadNumber(f, 0, 15) : std::nullopt; },
    [](int v) { return Dec2(v); }};

template <const LineSettingForm& kForm>
bool ApplyLineSetting(UnitState& unit, std::string_view fields) {
  if (fields.size() != kLineField + 2) return false;
  const auto line = ReadLine(fields.substr(0, kLineField));
  const auto value = kForm.read_value(fields.substr(kLineField));
  if (!line || !value) return false;
  (unit.*kForm.values)[*line] = *value;
  return true;
}

template <const LineSettingForm& kForm>
std::optional<std::string> ReadLineSetting(const UnitState& unit, std::string_view fields) {
  const auto line = ReadLine(fields);
  if (!line) return std::nullopt;
  return std::string(kForm.head) + std::string(fields) + kForm.write_value((unit.*kForm.values)[*line]);
}

// White and edge level: one digit 0..3 for the whole unit.
struct LevelForm {
  std::string_view head;
  int UnitState::*level;
};

constexpr LevelForm kWhiteLevel{"CWL", &UnitState::white_level};
constexpr LevelForm kEdgeLevel{"CEL", &UnitState::edge_level};

template <const LevelForm& kForm>
bool ApplyLevel(UnitState& unit, std::string_view fields) {
  const auto level = fields.size() == 1 ? ReadNumber(fields, 0, 3) : std::nullopt;
  if (!level) return false;
  unit.*kForm.level = *level;
  return true;
}

template <const LevelForm& kForm>
std::optional<std::string> ReadLevel(const UnitState& unit, std::string_view fields) {
  if (!fields.empty()) return std::nullopt;
  return std::string(kForm.head) + std::to_string(unit.*kForm.level);
}

// "G005C01B12I03": glyph number, line, page and position. The page's character size
// decides which glyphs fit and how many characters the line shows.
bool InsertGlyph(UnitState& unit, std::string_view fields) {
  if (fields.size() != 12 || fields[3] != 'C' || fields[9] != 'I') return false;
  const auto number = ReadNumber(fields.substr(0, 3), 1, kGlyphCodeCount);
  const auto line = ReadLine(fields.substr(4, kLineField));
  const auto page = ReadPage(fields.substr(7, 2));
  const auto position = ReadNumber(fields.substr(10, 2), 1, kTitleCodes);
  if (!number || !line || !page || !position) return false;
  const GlyphClassInfo& size = kGlyphClasses[unit.char_size[*line][*page]];
  if (*number > size.count || *position > size.title_columns) return false;
  const auto code = static_cast<std::uint16_t>(GlyphCode(*number - 1));
  const int title = TitleIndex(*line, *page);
  unit.stored_titles[title][*position - 1] = code;
  unit.shown_titles[title][*position - 1] = code;
  return true;
}

constexpr CommandRow kRows[] = {
    {.head = "CT", .apply = ApplyTitle<true>, .read = ReadTitle},
    {.head = "CN", .apply = ApplyTitle<false>},
    {.head = "CTD", .apply = ApplyPageSetting<kDisplayFlags>, .read = ReadPageSetting<kDisplayFlags>},
    {.head = "CFS", .apply = ApplyPageSetting<kCharSizes>, .read = ReadPageSetting<kCharSizes>},
    {.head = "AST", .apply = ApplyPageSetting<kAutoSwitchTimes>, .read = ReadPageSetting<kAutoSwitchTimes>},
    {.head = "P", .apply = ApplyLineSetting<kDisplayPages>, .read = ReadLineSetting<kDisplayPages>},
    {.head = "SUS", .apply = ApplyLineSetting<kStartupPages>, .read = ReadLineSetting<kStartupPages>},
    {.head = "CTDPO", .apply = ApplyLineSetting<kDisplayPositions>, .read = ReadLineSetting<kDisplayPositions>},
    {.head = "CWL", .apply = ApplyLevel<kWhiteLevel>, .read = ReadLevel<kWhiteLevel>},
    {.head = "CEL", .apply = ApplyLevel<kEdgeLevel>, .read = ReadLevel<kEdgeLevel>},
    {.head = "G", .apply = InsertGlyph},
};

}  // namespace

std::span<const CommandRow> DisplayCommands() { return kRows; }

}  // namespace vtg::sim
