#include "shell/set_all_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_builders.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Repeat;

const char* const kLineFields[] = {"01T", "01B", "02T", "02B"};

// What a unit holding the default settings receives, written out from the step table.
std::vector<std::string> DefaultLines() {
  std::vector<std::string> lines;
  for (const char* line : kLineFields)
    for (int page = 1; page <= 64; ++page)
      lines.push_back("CT" + std::string(line) + (page < 10 ? "0" : "") + std::to_string(page) + Repeat("2121", 28));
  for (const char* line : kLineFields) lines.push_back("AST" + std::string(line) + Repeat("02", 64));
  for (const char* line : kLineFields) lines.push_back("CTD" + std::string(line) + Repeat("N", 64));
  lines.push_back("CWL3");
  lines.push_back("CEL1");
  for (const char* line : kLineFields) lines.push_back("SUS" + std::string(line) + "01");
  for (const char* line : kLineFields) lines.push_back("CTDPO" + std::string(line) + "07");
  for (const char* line : kLineFields) lines.push_back("CFS" + std::string(line) + Repeat("L", 64));
  for (const char* line : kLineFields) lines.push_back("P" + std::string(line) + "01");
  for (auto& line : lines) line += "\r\n";
  return lines;
}

class SetAllItems : public ::testing::Test, public testing::WiredController {
 protected:
  SetAllItems() { UseSocketLink(5); }
  SequenceEngine::Start Begin() { return engine.Begin(SetAllItemsRun(state, link, messages)); }
};

TEST_F(SetAllItems, SendsEveryLineInOrderAtItsPace) {
  std::vector<int> announce_at_line;
  unit = testing::UnitAnswering([&](std::string_view) {
    announce_at_line.push_back(state.flags.announce_success);
    return std::string("GO");
  });
  ASSERT_EQ(Begin(), SequenceEngine::Start::Started);
  EXPECT_EQ(RunToEnd(), 284);
  EXPECT_EQ(testing::WithoutAddress(socket.lines), DefaultLines());
  // Steps 257 and 262 send nothing; the first of them slows the timer for good.
  EXPECT_EQ(view.periods, (std::vector<int>{600, 1200, 1200}));
  EXPECT_EQ(now_ms, 257 * 600 + 27 * 1200);
  // Only the last line asks for the box, and its "GO" shows it once.
  EXPECT_EQ(announce_at_line[280], 0);
  EXPECT_EQ(announce_at_line[281], 1);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Success, "Socket ＯＫ"}}));
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_TRUE(view.close_enabled);
  EXPECT_EQ(view.percent, "   ");
}

// Before a verify: the run completes only once the unit took its last line.
TEST_F(SetAllItems, AwaitingTheLastReplyCompletesOnlyWhenTheUnitTookIt) {
  for (const int error_at : {282, 0}) {  // the last line; lines count on across the runs
    unit = testing::UnitAnsweringAtLine(error_at, "E3");
    engine.Begin(SetAllItemsRun(state, link, messages, true));
    EXPECT_EQ(RunToEnd(), 285);
    EXPECT_EQ(engine.LastEnd(), error_at ? SequenceEngine::End::Aborted : SequenceEngine::End::Completed);
  }
}

TEST_F(SetAllItems, LinesAreBuiltFromTheImageWhenSent) {
  state.image.title_text[TitleIndex(2, 9)] = testing::Pair(0x889F);
  state.image.startup_page[3] = kAutoSwitchPage;
  state.image.display_page[1] = 63;
  state.image.edge_level = 0;
  Begin();
  RunToEnd();
  const auto sent = testing::WithoutAddress(socket.lines);
  EXPECT_EQ(sent[TitleIndex(2, 9)].substr(0, 11), "CT02T103021");
  EXPECT_EQ(sent[265], "CEL0\r\n");
  EXPECT_EQ(sent[269], "SUS02BAS\r\n");
  EXPECT_EQ(sent[279], "P01B64\r\n");
}

TEST_F(SetAllItems, ProgressCountsStepsOf284) {
  const SequenceRun run = SetAllItemsRun(state, link, messages);
  EXPECT_EQ(run.progress_range, 284);
  engine.Begin(run);
  for (int i = 0; i < 100; ++i) Tick();
  EXPECT_EQ(view.position, 100);
  EXPECT_EQ(view.percent, "35");
  EXPECT_EQ(Begin(), SequenceEngine::Start::Busy);  // pressing "設定" again does nothing
  while (engine.Running() && state.flags.sequence_step < 284) Tick();
  ASSERT_EQ(state.flags.sequence_step, 284);
  engine.OnEnd([&](SequenceEngine::End) { EXPECT_EQ(view.percent, "   "); });
  Tick();
  EXPECT_FALSE(engine.Running());
}

TEST_F(SetAllItems, BroadcastDoesNotWait) {
  state.selection.slave_index = kBroadcast;
  unit = testing::SilentUnit();
  Begin();
  EXPECT_EQ(RunToEnd(), 284);
  EXPECT_EQ(socket.lines.size(), 282u);
  EXPECT_EQ(socket.lines.back(), "FFP02B01\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetAllItems, ErrorReplyEndsTheRunAtTheNextTick) {
  unit = testing::UnitAnsweringAtLine(100, "E3");
  Begin();
  EXPECT_EQ(RunToEnd(), 101);
  EXPECT_EQ(socket.lines.size(), 100u);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Socket Command"}}));
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_EQ(state.flags.abort_flag, 0);
  EXPECT_TRUE(view.close_enabled);
  EXPECT_EQ(view.position, 0);
}

TEST_F(SetAllItems, SilentUnitEndsTheRunWithTheTimeOut) {
  unit = testing::SilentUnit();
  Begin();
  RunToEnd();
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_EQ(now_ms, 6600);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Answer が､きません"}}));
  EXPECT_EQ(state.flags.sequence_step, 0);
}

TEST_F(SetAllItems, UnsendableTitleStopsTheRunThere) {
  state.image.title_text[70] = testing::Pair(0x82A0) + "a";
  Begin();
  EXPECT_EQ(RunToEnd(), 71);
  EXPECT_EQ(socket.lines.size(), 70u);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, std::string(text::kNotJis)}}));
}

}  // namespace
}  // namespace vtg
