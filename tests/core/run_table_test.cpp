// Every paced run against a unit that answers, and the three ways a unit lets it down: an
// error reply at line k, no reply at all, and Broadcast, which nobody answers. Each run, on each link it goes on, must send its lines in
// order at its pace, end where it should with the one box that says why, leave nothing set
// behind, and let the next run start at once.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "glyphs/glyph_list.h"
#include "invariants.h"
#include "link/text_helpers.h"
#include "link/unit_network.h"
#include "link/watchdog.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "text_builders.h"
#include "titles/title_runs.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Repeat;
using testing::Shown;
using Lines = std::vector<std::string>;

const char* const kLineFields[] = {"01T", "01B", "02T", "02B"};

// head, line, page and tail for each of the 256 titles, line by line.
Lines PerTitle(const std::string& head, const std::string& tail) {
  Lines lines;
  for (const char* line : kLineFields)
    for (int page = 1; page <= 64; ++page) lines.push_back(head + line + (page < 10 ? "0" : "") + std::to_string(page) + tail);
  return lines;
}
Lines PerLine(const std::string& head, const std::string& tail, bool bottom_first = false) {
  Lines lines;
  for (int i = 0; i < 4; ++i) lines.push_back(head + kLineFields[bottom_first ? i ^ 1 : i] + tail);
  return lines;
}
Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What a unit holding the default settings receives from Set All, written out from its step table.
Lines SetAllLines() {
  return PerTitle("CT", Repeat("2121", 28)) + PerLine("AST", Repeat("02", 64)) + PerLine("CTD", Repeat("N", 64)) +
         Lines{"CWL3", "CEL1"} + PerLine("SUS", "01") + PerLine("CTDPO", "07") + PerLine("CFS", Repeat("L", 64)) +
         PerLine("P", "01");
}
Lines ReadAllLines() {
  return PerLine("RAST", "", true) + PerLine("RCTD", "", true) + PerLine("RCTDPO", "", true) + Lines{"RCEL", "RCWL"} +
         PerLine("RSUS", "", true) + PerLine("RCFS", "", true) + PerLine("RP", "", true) + PerTitle("RCT", "");
}
// Each glyph a digit of its own, so that a shift between glyphs shows.
std::string Distinct(GlyphClass c, int i) { return std::string(static_cast<std::size_t>(Info(c).digits), "0123456789ABCDEF"[i % 16]); }
Lines GlyphSendLines() {
  Lines lines;
  for (int i = 0; i < 160; ++i) lines.push_back("GRM" + Dec3(i + 1) + Distinct(GlyphClass::Medium, i));
  return lines;
}
Lines GlyphReadLines() {
  Lines lines;
  for (int i = 0; i < 70; ++i) lines.push_back("RFBML" + Hex4(GlyphCode(i)));
  return lines;
}

// The controller with the glyph list a glyph transfer runs in.
struct Controller : testing::WiredController {
  bool Start(SequenceRun run) { return engine.Begin(std::move(run)) == SequenceEngine::Start::Started; }
  GlyphList& List(GlyphClass c) {
    list.emplace(state, link, messages, engine, dialogs, c);
    list->Open();
    return *list;
  }
  std::optional<GlyphList> list;
};

enum class OnBroadcast { NoWait, Refused, Unaffected };

struct RunRow {
  const char* name;
  bool (*begin)(Controller&);
  Lines (*lines)();  // a whole run, without address
  long end_ms;       // when a whole run ended, its last reply come at once
  bool announces;    // a success box at the end of a whole run
  std::size_t error_line;
  OnBroadcast broadcast;
  bool bare = false;  // to the port without a slave address, whatever the interface
  const char* error = "E3";
  long broadcast_end_ms = 0;  // 0: as a whole run answered
};

const RunRow kRuns[] = {
    {"SetAll", [](Controller& c) { return c.Start(SetAllItemsRun(c.state, c.link, c.messages)); }, SetAllLines,
     257 * 600 + 27 * 1200, true, 260, OnBroadcast::NoWait},
    {"ReadAll", [](Controller& c) { return c.Start(ReadSettingItemsRun(c.state, c.link, c.messages)); }, ReadAllLines,
     286 * 400, true, 97, OnBroadcast::Refused},
    {"TitlesStored",
     [](Controller& c) { return c.Start(TitleTextRun(c.link, c.messages, c.state.image, TitleMemory::Store)); },
     [] { return PerTitle("CT", Repeat("2121", 28)); }, 256 * 1000, true, 100, OnBroadcast::NoWait},
    {"TitlesShown",
     [](Controller& c) { return c.Start(TitleTextRun(c.link, c.messages, c.state.image, TitleMemory::NotStore)); },
     [] { return PerTitle("CN", Repeat("2121", 28)); }, 256 * 600, true, 255, OnBroadcast::NoWait},
    {"DisplayFlags", [](Controller& c) { return c.Start(TitleDisplayRun(c.link, c.state.image)); },
     [] { return PerLine("CTD", Repeat("N", 64)); }, 4 * 500, true, 2, OnBroadcast::NoWait},
    {"CharSizes", [](Controller& c) { return c.Start(CharSizeRun(c.link, c.state.image)); },
     [] { return PerLine("CFS", Repeat("L", 64)); }, 4 * 500, true, 3, OnBroadcast::NoWait},
    {"AutoSwitchTimes", [](Controller& c) { return c.Start(AutoSwitchRun(c.link, c.state.image)); },
     [] { return PerLine("AST", Repeat("02", 64)); }, 4 * 1200, true, 1, OnBroadcast::NoWait},
    {"NetworkReadBack", [](Controller& c) { return c.Start(UnitNetworkReadBack(c.link)); },
     [] { return Lines{"RAA", "RGA", "RIA", "RMA", "RPN", "RSM", "RKA", "RTR", "RVN"}; }, 10 * 200, true, 2,
     OnBroadcast::Unaffected, true},
    {"GlyphSend", [](Controller& c) { return c.List(GlyphClass::Medium).SendAll(); }, GlyphSendLines, 160 * 3000,
     true, 3, OnBroadcast::NoWait, false, "E3", 160 * 5000},
    // A unit auto-switching refuses glyph reads.
    {"GlyphRead", [](Controller& c) { return c.List(GlyphClass::Large).ReadAll(); }, GlyphReadLines, 71 * 800, false,
     3, OnBroadcast::Refused, false, "GN"},
};

enum class Fault { None, ErrorAtLineK, Silence, Broadcast };

struct Cell {
  const RunRow* row;
  Fault fault;
  int interface;
};

std::vector<Cell> Cells() {
  std::vector<Cell> cells;
  for (const RunRow& row : kRuns)
    for (Fault fault : {Fault::None, Fault::ErrorAtLineK, Fault::Silence, Fault::Broadcast})
      for (int interface : {kRs232c, kTcpIp})
        if (!row.bare || interface == kRs232c) cells.push_back({&row, fault, interface});
  return cells;
}

std::string Name(const Cell& c) {
  const char* fault[] = {"Answered", "ErrorAtLineK", "Silence", "Broadcast"};
  return std::string(c.row->name) + fault[static_cast<int>(c.fault)] + (c.interface == kTcpIp ? "Socket" : "Serial");
}

void PrintTo(const Cell& c, std::ostream* os) { *os << Name(c); }

class RunTable : public ::testing::TestWithParam<Cell>, public Controller {
 protected:
  RunTable() {
    if (Interface() == kTcpIp) UseSocketLink();
    state.selection.slave_index = 5;
    state.flags.address_prefix = Row().bare ? 0 : 1;  // as the dialogs set it
    for (GlyphClass c : kAllGlyphClasses) {
      state.glyph.listFile(c).unsaved = 1;
      auto& store = state.image.glyphStore(c);
      for (std::size_t i = 0; i < store.size(); ++i) store[i] = Distinct(c, static_cast<int>(i));
      for (std::size_t i = 0; i < store.size(); ++i) sim_unit.state().glyphs[static_cast<int>(c)][i] = Distinct(c, static_cast<int>(i) + 5);
    }
  }
  const RunRow& Row() const { return *GetParam().row; }
  int Interface() const { return Row().bare ? kRs232c : GetParam().interface; }
  testing::RecordingTransport& Wire() { return Interface() == kTcpIp ? socket : serial; }

  // One period of the run's timer, with the main window's watchdog ticks that fall in it.
  void TickWithWatchdog() {
    const long before = now_ms;
    Tick();
    for (long t = before / kWatchdogPeriodMs; t < now_ms / kWatchdogPeriodMs; ++t) link.OnWatchdogTick();
  }
  void RunOut() {
    for (int guard = 0; engine.Running() && guard < 2000; ++guard) TickWithWatchdog();
  }

  sim::SimulatedUnit sim_unit{5};
};

TEST_P(RunTable, EndsWhereItShouldAndLeavesNothingBehind) {
  const RunRow& row = Row();
  const std::vector<std::string>& lines = Wire().lines;
  const bool socket_link = Interface() == kTcpIp;
  const bool refused = row.error == std::string_view("GN");
  const Shown error_box = refused ? (socket_link ? Shown{Box::Stop, "Socket 自動切換え中！"} : Shown{Box::Error, "自動切換え中！"})
                                  : (socket_link ? Shown{Box::Error, "Socket Command"} : Shown{Box::Error, "Command Error"});
  const Shown silence_box = socket_link ? Shown{Box::Error, "Answer が､きません"} : Shown{Box::Stop, "No Connect"};
  const Shown success_box = socket_link ? Shown{Box::Success, "Socket ＯＫ"} : Shown{Box::SerialSuccess, "Success"};
  switch (GetParam().fault) {
    case Fault::None: {
      unit = testing::SimulatedUnits({&sim_unit});
      ASSERT_TRUE(row.begin(*this));
      RunOut();
      Lines expected = row.lines();
      for (std::string& line : expected) line += "\r\n";
      EXPECT_EQ(row.bare ? lines : testing::WithoutAddress(lines), expected);
      EXPECT_EQ(now_ms, row.end_ms);
      EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Completed);
      EXPECT_EQ(messages.shown, row.announces ? std::vector<Shown>{success_box} : std::vector<Shown>{});
      EXPECT_EQ(state.image.glyphStore(GlyphClass::Large)[69], Distinct(GlyphClass::Large, refused ? 74 : 69));
      break;
    }
    case Fault::ErrorAtLineK: {
      unit = testing::UnitAnsweringAtLine(static_cast<int>(row.error_line), row.error);
      ASSERT_TRUE(row.begin(*this));
      while (engine.Running() && lines.size() < row.error_line) TickWithWatchdog();
      ASSERT_EQ(lines.size(), row.error_line);
      EXPECT_TRUE(engine.Running());
      TickWithWatchdog();  // the run ends at the next tick, sending nothing more
      EXPECT_FALSE(engine.Running());
      EXPECT_EQ(lines.size(), row.error_line);
      EXPECT_EQ(messages.shown, std::vector<Shown>{error_box});
      EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Aborted);
      break;
    }
    case Fault::Silence: {
      unit = testing::SilentUnit();
      ASSERT_TRUE(row.begin(*this));
      RunOut();
      EXPECT_EQ(lines.size(), 1u);
      EXPECT_EQ(messages.shown, std::vector<Shown>{silence_box});
      EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Aborted);
      // Given up after six seconds, at the run's first tick after that.
      const long waited = now_ms - Wire().sent_at_ms.at(0);
      EXPECT_GE(waited, 6000 - kWatchdogPeriodMs);
      EXPECT_LE(waited, 6000 + view.periods.back());
      break;
    }
    case Fault::Broadcast: {
      state.selection.slave_index = kBroadcast;
      if (row.broadcast == OnBroadcast::Refused) {
        EXPECT_FALSE(row.begin(*this));
        EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Broadcastではリードできません"}}));
        EXPECT_TRUE(lines.empty());
        EXPECT_TRUE(view.periods.empty());
        break;
      }
      ASSERT_TRUE(row.begin(*this));
      RunOut();  // nobody answers a Broadcast line: the run goes on regardless
      ASSERT_EQ(lines.size(), row.lines().size());
      for (const std::string& line : lines) ASSERT_EQ(line.starts_with("FF"), row.broadcast == OnBroadcast::NoWait);
      EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Completed);
      EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
      EXPECT_EQ(now_ms, row.broadcast_end_ms ? row.broadcast_end_ms : row.end_ms);
      break;
    }
  }
  EXPECT_TRUE(view.close_enabled);
  EXPECT_FALSE(view.timer_on);
  EXPECT_EQ(view.position, 0);
  EXPECT_FALSE(link.ReplyAwaited());
  const LinkFlags& f = state.flags;
  EXPECT_EQ(std::tie(f.sequence_step, f.abort_flag, f.step_pending), std::tuple(0, 0, 0));
  EXPECT_EQ(std::tie(state.glyph.glyph_transfer_busy, state.glyph.glyph_read_pending), std::tuple(0, 0));
  EXPECT_EQ(testing::BrokenStateRule(state), std::nullopt);
  const bool whole_read = refused && GetParam().fault == Fault::None;
  for (GlyphClass c : kAllGlyphClasses) EXPECT_EQ(state.glyph.listFile(c).unsaved, whole_read && c == GlyphClass::Large ? 0 : 1);

  // The next run starts at once, even over the abort flag a refused single command leaves.
  state.selection.slave_index = 5;
  state.flags.abort_flag = 1;
  unit = testing::AnsweringUnit();
  messages.shown.clear();
  const std::size_t before = lines.size();
  ASSERT_TRUE(row.begin(*this));
  TickWithWatchdog();
  EXPECT_EQ(lines.size(), before + 1);
  EXPECT_TRUE(engine.Running());
  EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Runs, RunTable, ::testing::ValuesIn(Cells()),
                         [](const auto& info) { return Name(info.param); });

TEST(SetAllItems, LinesAreBuiltFromTheImageWhenSent) {
  testing::WiredController c;
  c.UseSocketLink(5);
  c.state.image.title_text[TitleIndex(2, 9)] = testing::Pair(0x889F);
  c.state.image.startup_page[3] = kAutoSwitchPage;
  c.state.image.display_page[1] = 63;
  c.state.image.edge_level = 0;
  c.engine.Begin(SetAllItemsRun(c.state, c.link, c.messages));
  c.RunToEnd();
  const auto sent = testing::WithoutAddress(c.socket.lines);
  EXPECT_EQ(sent[TitleIndex(2, 9)].substr(0, 11), "CT02T103021");
  EXPECT_EQ(std::tuple(sent[265], sent[269], sent[279]), std::tuple("CEL0\r\n", "SUS02BAS\r\n", "P01B64\r\n"));
}

// Before a verify: the run completes only once the unit took its last line.
TEST(SetAllItems, AwaitingTheLastReplyCompletesOnlyWhenTheUnitTookIt) {
  testing::WiredController c;
  c.UseSocketLink(5);
  for (const int error_at : {282, 0}) {  // the last line; lines count on across the runs
    c.unit = testing::UnitAnsweringAtLine(error_at, "E3");
    c.engine.Begin(SetAllItemsRun(c.state, c.link, c.messages, true));
    EXPECT_EQ(c.RunToEnd(), 285);
    EXPECT_EQ(c.engine.LastEnd(), error_at ? SequenceEngine::End::Aborted : SequenceEngine::End::Completed);
  }
}

// A title the unit cannot take ends a run that sends titles after its box, before its line.
TEST(TitleSendingRuns, EndAtATitleTheUnitCannotTake) {
  for (const RunRow* row : {&kRuns[0], &kRuns[2]}) {
    Controller c;
    c.UseSocketLink(5);
    c.state.image.title_text[70] = testing::Pair(0x82A0) + "a";
    ASSERT_TRUE(row->begin(c));
    EXPECT_EQ(c.RunToEnd(), 71) << row->name;
    EXPECT_EQ(c.socket.lines.size(), 70u);
    EXPECT_EQ(c.messages.shown, (std::vector<Shown>{{Box::Error, std::string(text::kNotJis)}}));
    EXPECT_EQ(std::tie(c.state.flags.abort_flag, c.state.flags.sequence_step), std::tuple(0, 0));
  }
}

}  // namespace
}  // namespace vtg
