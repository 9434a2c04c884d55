// Every paced run against the three ways a unit lets it down: an error reply at line k, no
// reply at all, and Broadcast, which nobody answers. Each run, on each link it goes on, must
// end where it should with the one box that says why, leave nothing set behind, and let the
// next run start at once.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "glyphs/glyph_list.h"
#include "invariants.h"
#include "link/unit_network.h"
#include "link/watchdog.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "titles/title_runs.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Shown;

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
  std::size_t lines;  // a whole run
  std::size_t error_line;
  OnBroadcast broadcast;
  bool bare = false;  // to the port without a slave address, whatever the interface
  const char* error = "E3";
};

const RunRow kRuns[] = {
    {"SetAll", [](Controller& c) { return c.Start(SetAllItemsRun(c.state, c.link, c.messages)); }, 282, 260,
     OnBroadcast::NoWait},
    {"ReadAll", [](Controller& c) { return c.Start(ReadSettingItemsRun(c.state, c.link, c.messages)); }, 282, 97,
     OnBroadcast::Refused},
    {"TitlesStored",
     [](Controller& c) { return c.Start(TitleTextRun(c.link, c.messages, c.state.image, TitleMemory::Store)); }, 256,
     100, OnBroadcast::NoWait},
    {"TitlesShown",
     [](Controller& c) { return c.Start(TitleTextRun(c.link, c.messages, c.state.image, TitleMemory::NotStore)); },
     256, 255, OnBroadcast::NoWait},
    {"DisplayFlags", [](Controller& c) { return c.Start(TitleDisplayRun(c.link, c.state.image)); }, 4, 2,
     OnBroadcast::NoWait},
    {"CharSizes", [](Controller& c) { return c.Start(CharSizeRun(c.link, c.state.image)); }, 4, 3, OnBroadcast::NoWait},
    {"AutoSwitchTimes", [](Controller& c) { return c.Start(AutoSwitchRun(c.link, c.state.image)); }, 4, 1,
     OnBroadcast::NoWait},
    {"NetworkReadBack", [](Controller& c) { return c.Start(UnitNetworkReadBack(c.link)); }, kUnitNetworkReads, 2,
     OnBroadcast::Unaffected, true},
    {"GlyphSend", [](Controller& c) { return c.List(GlyphClass::Medium).SendAll(); }, 160, 3, OnBroadcast::NoWait},
    // A unit auto-switching refuses glyph reads.
    {"GlyphRead", [](Controller& c) { return c.List(GlyphClass::Large).ReadAll(); }, 70, 3, OnBroadcast::Refused,
     false, "GN"},
};

enum class Fault { ErrorAtLineK, Silence, Broadcast };

struct Cell {
  const RunRow* row;
  Fault fault;
  int interface;
};

std::vector<Cell> Cells() {
  std::vector<Cell> cells;
  for (const RunRow& row : kRuns)
    for (Fault fault : {Fault::ErrorAtLineK, Fault::Silence, Fault::Broadcast})
      for (int interface : {kRs232c, kTcpIp})
        if (!row.bare || interface == kRs232c) cells.push_back({&row, fault, interface});
  return cells;
}

std::string Name(const Cell& c) {
  const char* fault[] = {"ErrorAtLineK", "Silence", "Broadcast"};
  return std::string(c.row->name) + fault[static_cast<int>(c.fault)] + (c.interface == kTcpIp ? "Socket" : "Serial");
}

void PrintTo(const Cell& c, std::ostream* os) { *os << Name(c); }

class RunTable : public ::testing::TestWithParam<Cell>, public Controller {
 protected:
  RunTable() {
    if (Interface() == kTcpIp) UseSocketLink();
    state.selection.slave_index = 5;
    state.flags.address_prefix = Row().bare ? 0 : 1;  // as the dialogs set it
    for (GlyphClass c : kAllGlyphClasses) state.glyph.listFile(c).unsaved = 1;
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
};

TEST_P(RunTable, EndsWhereItShouldAndLeavesNothingBehind) {
  const RunRow& row = Row();
  const std::vector<std::string>& lines = Wire().lines;
  const bool socket_link = Interface() == kTcpIp;
  const bool refused = row.error == std::string_view("GN");
  const Shown error_box = refused ? (socket_link ? Shown{Box::Stop, "Socket 自動切換え中！"} : Shown{Box::Error, "自動切換え中！"})
                                  : (socket_link ? Shown{Box::Error, "Socket Command"} : Shown{Box::Error, "Command Error"});
  const Shown silence_box = socket_link ? Shown{Box::Error, "Answer が､きません"} : Shown{Box::Stop, "No Connect"};
  switch (GetParam().fault) {
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
      ASSERT_EQ(lines.size(), row.lines);
      for (const std::string& line : lines) ASSERT_EQ(line.starts_with("FF"), row.broadcast == OnBroadcast::NoWait);
      EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Completed);
      EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
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
  for (GlyphClass c : kAllGlyphClasses) EXPECT_EQ(state.glyph.listFile(c).unsaved, 1);  // no read was whole

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

}  // namespace
}  // namespace vtg
