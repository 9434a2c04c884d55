#include "sim/state_file.h"

#include "settings/replace_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "link/text_helpers.h"
#include "glyphs/glyph_class.h"
#include "sim/wire_fields.h"

namespace vtg::sim {
namespace {

constexpr std::string_view kHeader = "vtg7300-sim state 1";
// 96 units with every glyph drawn and every title shown unstored come to some 18 MB.
constexpr std::uintmax_t kMaxFileBytes = 32u << 20;

// The set commands that rebuild a unit, each the reply to the matching read.
std::vector<std::string> UnitLines(const SimulatedUnit& unit) {
  SimulatedUnit reader = unit;
  std::vector<std::string> lines;
  auto read = [&](const std::string& command) { lines.push_back(reader.Handle("R" + command, true).text); };
  const UnitState& state = unit.state();
  for (int title = 0; title < kTitles; ++title) read("CT" + LineField(title / kPages) + PageField(title % kPages));
  for (int title = 0; title < kTitles; ++title) {
    if (state.shown_titles[title] == state.stored_titles[title]) continue;
    std::string line = "CN" + LineField(title / kPages) + PageField(title % kPages);
    for (auto code : state.shown_titles[title]) line += Hex4(code);
    lines.push_back(line);
  }
  for (const char* head : {"CTD", "CFS", "AST", "P", "SUS", "CTDPO"})
    for (int line = 0; line < kLines; ++line) read(head + LineField(line));
  for (const char* head : {"CWL", "CEL", "IA", "GA", "AA", "SM", "PN", "KA", "TR"}) read(head);
  for (std::size_t c = 0; c < kGlyphClasses.size(); ++c) {
    const std::string blank(kGlyphClasses[c].digits, '0');
    for (int i = 0; i < kGlyphClasses[c].count; ++i)
      if (state.glyphs[c][i] != blank)
        lines.push_back(std::string("GR") + kGlyphClasses[c].letter + Dec3(i + 1) + state.glyphs[c][i]);
  }
  read("MA");
  read("VN");
  return lines;
}

bool IsMacText(std::string_view text) {
  if (text.size() != 17) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i % 3 == 2 ? text[i] != '-' : !IsUpperHex(text.substr(i, 1))) return false;
  return true;
}

// One line inside a unit block; returns what is wrong with it, or an empty string.
std::string ApplyUnitLine(SimulatedUnit& unit, const std::string& line) {
  if (line.starts_with("MA")) {
    if (!IsMacText(line.substr(2))) return "bad MAC address";
    unit.state().network.mac = line.substr(2);
    return {};
  }
  if (line.starts_with("VN")) {
    if (line.size() != 6) return "bad version";
    unit.state().network.version = line.substr(2);
    return {};
  }
  if (line.starts_with("R") || unit.Handle(line, true).text != "GO") return "not a setting the unit accepts";
  return {};
}

}  // namespace

std::string SaveUnits(const std::string& path, std::span<const SimulatedUnit> units) {
  std::string text = std::string(kHeader) + '\n';
  for (const SimulatedUnit& unit : units) {
    text += "unit " + Dec2(unit.address()) + '\n';
    for (const std::string& line : UnitLines(unit)) text += line + '\n';
    text += "end\n";
  }
  if (const auto error = ReplaceFile(path, text)) return "cannot save " + path + ": " + *error;
  return {};
}

std::string LoadUnits(const std::string& path, std::span<SimulatedUnit> units) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return "state file " + path + ": " + error.message();
  if (size > kMaxFileBytes) return "state file " + path + ": too large to be a state file";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "state file " + path + ": cannot be read";

  std::vector<SimulatedUnit> loaded;
  bool in_unit = false;
  std::string line;
  int number = 0;
  auto refuse = [&](const std::string& why) {
    return "state file " + path + " line " + std::to_string(number) + ": " + why;
  };
  while (std::getline(in, line)) {
    ++number;
    if (number == 1) {
      if (line != kHeader) return refuse("not a vtg7300-sim state file (expected \"" + std::string(kHeader) + "\")");
      continue;
    }
    if (!in_unit) {
      const auto address = line.starts_with("unit ") ? ReadNumber(line.substr(5), 0, 31) : std::nullopt;
      if (!address || line.size() != 7) return refuse("expected \"unit NN\"");
      loaded.emplace_back(*address);
      in_unit = true;
    } else if (line == "end") {
      in_unit = false;
    } else if (const std::string why = ApplyUnitLine(loaded.back(), line); !why.empty()) {
      return refuse(why);
    }
  }
  if (number == 0) return "state file " + path + " is empty";
  if (in_unit) return refuse("the last unit has no \"end\"");
  if (loaded.size() != units.size())
    return "state file " + path + " holds " + std::to_string(loaded.size()) + " unit(s), but " +
           std::to_string(units.size()) + " were asked for";
  for (std::size_t i = 0; i < units.size(); ++i) units[i].state() = loaded[i].state();
  return {};
}

}  // namespace vtg::sim
