#include "invariants.h"

#include <algorithm>
#include <set>
#include <span>
#include <string_view>

namespace vtg::testing {
namespace {

// Keeps the first rule that fails.
class Rules {
 public:
  void Require(bool holds, std::string_view rule) {
    if (!holds && !broken_) broken_ = std::string(rule);
  }
  void Require(bool holds, std::string_view rule, int index) {
    if (!holds && !broken_) broken_ = std::string(rule) + " (at " + std::to_string(index) + ")";
  }
  template <class Values>
  void AllWithin(const Values& values, int low, int high, std::string_view rule) {
    const auto outside = std::ranges::find_if(values, [&](int v) { return v < low || v > high; });
    if (outside != std::ranges::end(values))
      Require(false, rule, static_cast<int>(outside - std::ranges::begin(values)));
  }
  void Flag(int value, std::string_view rule) { Require(value == 0 || value == 1, rule); }
  void Merge(const Broken& other) {
    if (other && !broken_) broken_ = other;
  }
  Broken Result() const { return broken_; }

 private:
  Broken broken_;
};

// The checks keep their own character tests: the core's are instrumented in the fuzz
// build, and walking every glyph through them would slow the fuzzers to a crawl.
bool IsPrintable(std::string_view s) {
  return std::ranges::all_of(s, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool IsDecimal(std::string_view s) {
  return std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
}

bool IsGlyphText(std::string_view s, GlyphClass c) {
  return s.size() == static_cast<std::size_t>(Info(c).digits) &&
         std::ranges::all_of(s, [](char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'); });
}

// A JIS X 0208 code: both bytes 0x21..0x7E.
bool IsJisPair(unsigned code) {
  const unsigned hi = code >> 8, lo = code & 0xFF;
  return hi >= 0x21 && hi <= 0x7E && lo >= 0x21 && lo <= 0x7E;
}

}  // namespace

Broken BrokenSettingsRule(const SettingsImage& image) {
  Rules r;
  const auto long_title = std::ranges::find_if(
      image.title_text, [](const std::string& title) { return title.size() > static_cast<std::size_t>(kTitleSlotBytes); });
  if (long_title != image.title_text.end())
    r.Require(false, "title longer than a slot", static_cast<int>(long_title - image.title_text.begin()));
  r.AllWithin(image.display_flag, 0, 1, "display_flag not 0/1");
  r.AllWithin(image.char_size, 0, 2, "char_size not 0..2");
  r.AllWithin(image.auto_switch_time, 0, 99, "auto_switch_time not 0..99");
  r.AllWithin(image.startup_page, 0, kAutoSwitchPage, "startup_page not 0..64");
  r.AllWithin(image.display_page, 0, kAutoSwitchPage, "display_page not 0..64");
  r.AllWithin(image.display_position, 0, 15, "display_position not 0..15");
  r.AllWithin(std::array{image.white_level, image.edge_level}, 0, 3, "white/edge level not 0..3");
  r.Require(std::ranges::any_of(kAllGlyphClasses, [&](GlyphClass c) { return IsGlyphText(image.ext_glyph_work, c); }),
            "ext_glyph_work not D hex digits of a class");

  r.Require(image.unit_mac_address.size() == 17 && IsPrintable(image.unit_mac_address),
            "unit_mac_address not 17 printable characters");
  r.Require(image.unit_port_number.size() == 5 && IsDecimal(image.unit_port_number),
            "unit_port_number not 5 digits");
  r.Require(image.unit_version.size() == 4 && IsPrintable(image.unit_version),
            "unit_version not 4 printable characters");
  r.AllWithin(std::array{image.unit_subnet_class}, 0, 2, "unit_subnet_class not 0..2");
  r.Flag(image.unit_keep_alive, "unit_keep_alive not 0/1");
  r.AllWithin(std::array{image.unit_time_register}, 0, 5, "unit_time_register not 0..5");
  return r.Result();
}

Broken BrokenImageRule(const SettingsImage& image) {
  Rules r;
  r.Merge(BrokenSettingsRule(image));
  for (GlyphClass c : kAllGlyphClasses) {
    const auto& store = image.glyphStore(c);
    r.Require(store.size() == static_cast<std::size_t>(Info(c).count), "glyph store not N slots");
    int i = 0;
    for (const std::string& slot : store) r.Require(IsGlyphText(slot, c), "glyph slot not D hex digits", i++);
  }
  return r.Result();
}

Broken BrokenClientTableRule(const ClientTable& table) {
  Rules r;
  r.Require(table[0].in_use == 1 && table[0].peer_socket == 0, "record 0 given away");
  std::set<int> live;
  int in_use = 0;
  for (int i = 1; i < kClientRecords; ++i) {
    const ClientRecord& record = table[i];
    r.Flag(record.in_use, "client in_use not 0/1");
    r.Require(record.address_text.size() <= 15, "client address_text longer than 15", i);
    if (record.in_use) {
      ++in_use;
      r.Require(record.peer_socket != 0, "live record without a connection", i);
      r.Require(live.insert(record.peer_socket).second, "one connection in two records", i);
    } else {
      r.Require(record.peer_socket == 0, "free record keeps a connection", i);
    }
  }
  r.Require(table.InUseCount() == in_use, "InUseCount differs from the live records");
  return r.Result();
}

Broken BrokenFlagRule(const ControllerState& state) {
  Rules r;
  const LinkFlags& f = state.flags;
  r.Require(f.sequence_step >= 0, "sequence_step negative");
  r.Flag(f.step_pending, "step_pending not 0/1");
  r.Flag(f.abort_flag, "abort_flag not 0/1");
  r.Flag(f.reply_pending, "reply_pending not 0/1");
  r.Flag(f.address_prefix, "address_prefix not 0/1");
  r.Flag(f.announce_success, "announce_success not 0/1");
  r.AllWithin(std::array{f.watchdog_ticks}, 0, 11, "watchdog_ticks not 0..11");

  const GlyphFlags& g = state.glyph;
  r.Flag(g.glyph_read_pending, "glyph_read_pending not 0/1");
  r.Flag(g.glyph_transfer_busy, "glyph_transfer_busy not 0/1");
  r.Flag(g.glyph_edited, "glyph_edited not 0/1");
  for (const GlyphListFile& file : g.glyph_list_files) r.Flag(file.unsaved, "glyph list file unsaved not 0/1");
  r.AllWithin(std::array{g.glyph_index}, 0, kGlyphCodeCount, "glyph_index not 0..256");
  // A transfer's counter moves only with the replies to its own reads.
  r.Require(!g.glyph_transfer_busy || g.glyph_index <= Info(g.glyph_transfer_class).count,
            "glyph transfer counter past its class");
  r.Require(!g.glyph_transfer_busy || f.sequence_step != 0 || f.abort_flag, "glyph transfer busy without a run");

  const Selection& s = state.selection;
  r.AllWithin(std::array{s.slave_index}, 0, kBroadcast, "slave_index not 0..32");
  r.AllWithin(std::array{s.current_line}, 0, kLines - 1, "current_line not 0..3");
  r.AllWithin(std::array{s.current_page}, 0, kPages - 1, "current_page not 0..63");

  const LinkConfig& l = state.link;
  r.Require(l.interface_setting == kRs232c || l.interface_setting == kTcpIp, "interface_setting not 0/1");
  r.Require(l.tcp_role == kClient || l.tcp_role == kServer, "tcp_role not 0/1");
  r.Flag(l.tcp_connected, "tcp_connected not 0/1");
  r.Require(l.tcp_port_text.size() <= 5, "tcp_port_text longer than 5");
  r.Require(l.host_list.size() <= static_cast<std::size_t>(kMaxHosts), "host_list longer than 100");

  r.Merge(BrokenClientTableRule(state.client_table));
  return r.Result();
}

Broken BrokenStateRule(const ControllerState& state) {
  Rules r;
  r.Merge(BrokenImageRule(state.image));
  r.Merge(BrokenFlagRule(state));
  return r.Result();
}

Broken BrokenUnitSettingsRule(const sim::UnitState& unit) {
  Rules r;
  r.AllWithin(std::array{unit.address}, 0, 31, "unit address not 0..31");
  int i = 0;
  for (const auto& titles : {std::span(unit.stored_titles), std::span(unit.shown_titles)})
    for (const sim::TitleCodes& title : titles) {
      for (std::uint16_t code : title)
        r.Require(IsJisPair(code) || GlyphIndexOfCode(code).has_value(), "title code the unit cannot show", i);
      ++i;
    }
  for (int line = 0; line < sim::kLines; ++line) {
    r.AllWithin(unit.display_flag[line], 0, 1, "unit display_flag not 0/1");
    r.AllWithin(unit.char_size[line], 0, 2, "unit char_size not 0..2");
    r.AllWithin(unit.auto_switch_time[line], 0, 99, "unit auto_switch_time not 0..99");
  }
  r.AllWithin(unit.display_page, 0, sim::kAutoSwitching, "unit display_page not 0..64");
  r.AllWithin(unit.startup_page, 0, sim::kAutoSwitching, "unit startup_page not 0..64");
  r.AllWithin(unit.display_position, 0, 15, "unit display_position not 0..15");
  r.AllWithin(std::array{unit.white_level, unit.edge_level}, 0, 3, "unit level not 0..3");
  const sim::UnitNetwork& n = unit.network;
  r.AllWithin(std::array{n.subnet_class}, 0, 2, "unit subnet_class not 0..2");
  r.AllWithin(std::array{n.time_register}, 1, 6, "unit time_register not 1..6");
  r.Require(n.port.size() == 5 && IsDecimal(n.port) && n.port != "00000", "unit port not 5 digits 1..65535");
  r.Require(n.mac.size() == 17 && IsPrintable(n.mac), "unit mac not 17 printable characters");
  r.Require(n.version.size() == 4 && IsPrintable(n.version), "unit version not 4 printable characters");
  return r.Result();
}

Broken BrokenUnitGlyphRule(const sim::UnitState& unit) {
  Rules r;
  for (GlyphClass c : kAllGlyphClasses) {
    const auto& glyphs = unit.glyphs[static_cast<int>(c)];
    r.Require(glyphs.size() == static_cast<std::size_t>(Info(c).count), "unit glyph store not N glyphs");
    int i = 0;
    for (const std::string& glyph : glyphs) r.Require(IsGlyphText(glyph, c), "unit glyph not D hex digits", i++);
  }
  return r.Result();
}

}  // namespace vtg::testing
