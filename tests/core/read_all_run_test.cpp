#include "shell/read_all_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_builders.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Repeat;

class ReadSettingItems : public ::testing::Test, public testing::WiredController {
 protected:
  ReadSettingItems() { UseSocketLink(5); }
  SequenceEngine::Start Begin() { return engine.Begin(ReadSettingItemsRun(state, link, messages)); }
};

TEST_F(ReadSettingItems, ReadsEverySettingBottomFirstThenTheTitles) {
  ASSERT_EQ(Begin(), SequenceEngine::Start::Started);
  EXPECT_EQ(RunToEnd(), 286);  // the last tick comes once the last reply is in
  EXPECT_EQ(now_ms, 286 * 400);
  std::vector<std::string> expected = {
      "RAST01B",   "RAST01T",   "RAST02B",   "RAST02T", "RCTD01B", "RCTD01T", "RCTD02B", "RCTD02T", "RCTDPO01B",
      "RCTDPO01T", "RCTDPO02B", "RCTDPO02T", "RCEL",    "RCWL",    "RSUS01B", "RSUS01T", "RSUS02B", "RSUS02T",
      "RCFS01B",   "RCFS01T",   "RCFS02B",   "RCFS02T", "RP01B",   "RP01T",   "RP02B",   "RP02T"};
  for (const char* line : {"01T", "01B", "02T", "02B"})
    for (int page = 1; page <= 64; ++page)
      expected.push_back("RCT" + std::string(line) + (page < 10 ? "0" : "") + std::to_string(page));
  for (auto& line : expected) line += "\r\n";
  EXPECT_EQ(testing::WithoutAddress(socket.lines), expected);
  EXPECT_EQ(view.percent, "   ");
}

TEST_F(ReadSettingItems, ThreeIdleStepsBeforeTheTitlesStillMoveTheBar) {
  const SequenceRun run = ReadSettingItemsRun(state, link, messages);
  EXPECT_EQ(run.progress_range, 286);
  engine.Begin(run);
  for (int i = 0; i < 26; ++i) Tick();
  const std::size_t before = socket.lines.size();
  for (int i = 0; i < 3; ++i) Tick();
  EXPECT_EQ(socket.lines.size(), before);
  EXPECT_EQ(view.position, 29);
  EXPECT_EQ(view.percent, "10");
  while (state.flags.sequence_step <= 285) Tick();
  EXPECT_EQ(view.percent, "99");
  engine.OnEnd([&](SequenceEngine::End) { EXPECT_EQ(view.percent, "   "); });
  Tick();
  EXPECT_FALSE(engine.Running());
}

TEST_F(ReadSettingItems, RepliesFillTheImageAndTheLastAnnouncesSuccess) {
  state.image.title_text[255] = Repeat(testing::Pair(0x82A0), 28);
  unit = testing::UnitAnswering([](std::string_view command) {
    if (command == "RCEL") return std::string("CEL2");
    if (command == "RCT02B64") return "CT02B64" + std::string("3021") + Repeat("2121", 27);
    return std::string("GO");
  });
  Begin();
  RunToEnd();
  EXPECT_EQ(state.image.edge_level, 2);
  EXPECT_EQ(state.image.title_text[255], testing::Pair(0x889F));
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Success, "Socket ＯＫ"}}));
  EXPECT_EQ(state.doc.doc_modified, 0);
}

// Replies the controller cannot use leave their items as they were: the run ends with one
// error that names them, and no success box.
TEST_F(ReadSettingItems, UnusableRepliesAreNamedAtTheEndInsteadOfSuccess) {
  const std::string kHead = "次の項目が読み込めませんでした。\n読み込み前の値のままです。\n";
  struct Case {
    const char* name;
    bool (*spoiled)(const std::string& command);
    std::string text;
  } cases[] = {
      {"a line's setting, a level and a title",
       [](const std::string& command) { return command == "RAST02T" || command == "RCEL" || command == "RCT01T05"; },
       kHead + "\n自動切換え ch.2 Top\nEdge Level\nタイトル ch.1 Top Page05"},
      {"the last title", [](const std::string& command) { return command == "RCT02B64"; },
       kHead + "\nタイトル ch.2 Bottom Page64"},
      {"every title", [](const std::string& command) { return command.starts_with("RCT0"); },
       kHead + "\nタイトル ch.1 Top Page01\nタイトル ch.1 Top Page02\nタイトル ch.1 Top Page03"
               "\nタイトル ch.1 Top Page04\nタイトル ch.1 Top Page05\nタイトル ch.1 Top Page06"
               "\nタイトル ch.1 Top Page07\nタイトル ch.1 Top Page08\nタイトル ch.1 Top Page09"
               "\nタイトル ch.1 Top Page10\nほか 246 項目"},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    state.image.edge_level = 3;
    state.image.title_text[4] = "before";
    unit = testing::UnitAnswering([&](std::string_view command) {
      if (c.spoiled(std::string(command))) return std::string("CEL9");
      return command == "RCEL" ? std::string("CEL2") : std::string("GO");
    });
    ASSERT_EQ(Begin(), SequenceEngine::Start::Started) << c.name;
    RunToEnd();
    EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, c.text}})) << c.name;
    EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Aborted) << c.name;
    EXPECT_EQ(view.percent, "   ") << c.name;
    EXPECT_EQ(state.image.edge_level, c.spoiled("RCEL") ? 3 : 2) << c.name;
    EXPECT_EQ(state.image.title_text[4], "before") << c.name;
  }
}

// The verify's read leaves the settings image alone even when it fails; a reply that comes
// late still goes where the line it answers was to read into.
TEST_F(ReadSettingItems, AReadIntoAnImageOfItsOwnLeavesTheSettingsAlone) {
  state.link.interface_setting = kRs232c;  // the link where a reply may come after its wait
  const SettingsImage before = state.image;
  auto own = std::make_shared<SettingsImage>(testing::DefaultImage());
  unit = testing::UnitAnswering([](std::string_view command) {
    return std::string(command == "RCWL" ? "E3" : command == "RCEL" ? "CEL2" : "GO");
  });
  engine.Begin(ReadUnitRun(state, link, messages, own));
  RunToEnd();
  EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Aborted);
  EXPECT_EQ(own->edge_level, 2);
  link.OnSerialBytes("CWL0\r\n");
  EXPECT_EQ(own->white_level, 0);
  EXPECT_EQ(state.image, before);
  link.SendCommandLine("RCWL\r\n");  // a line of no run reads into the settings image again
  link.OnSerialBytes("CWL0\r\n");
  EXPECT_EQ(state.image.white_level, 0);
}

TEST_F(ReadSettingItems, BroadcastIsRefusedBeforeAnythingStarts) {
  state.selection.slave_index = kBroadcast;
  EXPECT_EQ(Begin(), SequenceEngine::Start::Broadcast);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Broadcastではリードできません"}}));
  EXPECT_TRUE(view.periods.empty());
  EXPECT_EQ(view.position, 0);
  EXPECT_EQ(state.flags.sequence_step, 0);
  // A missing connection is reported first.
  messages.shown.clear();
  state.link.tcp_connected = 0;
  EXPECT_EQ(Begin(), SequenceEngine::Start::NotReady);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Socket が接続されていません"}}));
}

TEST_F(ReadSettingItems, ErrorReplyAtStep100EndsTheRunAtTheNextTick) {
  unit = testing::UnitAnsweringAtLine(97, "E3");  // three steps sent nothing
  Begin();
  EXPECT_EQ(RunToEnd(), 101);
  EXPECT_EQ(socket.lines.size(), 97u);
  EXPECT_EQ(socket.lines.back(), "05RCT01B07\r\n");
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Socket Command"}}));
  EXPECT_EQ(state.flags.sequence_step, 0);
}

TEST_F(ReadSettingItems, SilentUnitEndsTheRunWithTheTimeOut) {
  unit = testing::SilentUnit();
  Begin();
  RunToEnd();
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Answer が､きません"}}));
  EXPECT_FALSE(engine.Running());
}

}  // namespace
}  // namespace vtg
