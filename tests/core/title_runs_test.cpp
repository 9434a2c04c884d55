#include "titles/title_runs.h"

#include <gtest/gtest.h>

#include "text_builders.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Repeat;
using testing::WithoutAddress;

// A unit at address 05 on the socket link, answering every line.
class TitleRuns : public ::testing::Test, public testing::WiredController {
 protected:
  TitleRuns() { UseSocketLink(5); }
};

TEST_F(TitleRuns, AllTitlesStoredOneSecondApart) {
  state.image.title_text[TitleIndex(1, 0)] = testing::Pair(0x889F);
  const SequenceRun run = TitleTextRun(link, messages, state.image, TitleMemory::Store);
  EXPECT_EQ(run.progress_range, 256);
  ASSERT_EQ(engine.Begin(run), SequenceEngine::Start::Started);
  engine.OnEnd([&](SequenceEngine::End) { EXPECT_EQ(view.percent, "  "); });
  EXPECT_EQ(RunToEnd(), 256);
  EXPECT_EQ(now_ms, 256 * 1000);
  const auto sent = WithoutAddress(socket.lines);
  ASSERT_EQ(sent.size(), 256u);
  EXPECT_EQ(sent[0], "CT01T01" + Repeat("2121", 28) + "\r\n");
  EXPECT_EQ(sent[64].substr(0, 11), "CT01B013021");
  EXPECT_EQ(sent[255].substr(0, 7), "CT02B64");
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_TRUE(view.close_enabled);
}

TEST_F(TitleRuns, NotStoredRunIsFaster) {
  engine.Begin(TitleTextRun(link, messages, state.image, TitleMemory::NotStore));
  RunToEnd();
  EXPECT_EQ(now_ms, 256 * 600);
  EXPECT_EQ(WithoutAddress(socket.lines)[10].substr(0, 7), "CN01T11");
}

TEST_F(TitleRuns, UnsendableTitleEndsTheRunAfterItsMessage) {
  state.image.title_text[5] = "x";
  engine.Begin(TitleTextRun(link, messages, state.image, TitleMemory::Store));
  EXPECT_EQ(RunToEnd(), 6);
  EXPECT_EQ(socket.lines.size(), 5u);
  EXPECT_EQ(messages.shown.back().text, text::kNotJis);
  EXPECT_EQ(state.flags.abort_flag, 0);
  EXPECT_EQ(state.flags.sequence_step, 0);
}

struct LinesRunCase {
  const char* name;
  SequenceRun (*make)(Link&, const SettingsImage&);
  int period_ms;
  const char* head;
};

void PrintTo(const LinesRunCase& c, std::ostream* os) { *os << c.name; }

class LinesRuns : public TitleRuns, public ::testing::WithParamInterface<LinesRunCase> {};

TEST_P(LinesRuns, FourLinesInOrder) {
  const SequenceRun run = GetParam().make(link, state.image);
  EXPECT_EQ(run.progress_range, 3);
  engine.Begin(run);
  EXPECT_EQ(RunToEnd(), 4);
  EXPECT_EQ(now_ms, 4 * GetParam().period_ms);
  const auto sent = WithoutAddress(socket.lines);
  ASSERT_EQ(sent.size(), 4u);
  const char* lines[] = {"01T", "01B", "02T", "02B"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(sent[i].substr(0, 6), GetParam().head + std::string(lines[i]));
}

INSTANTIATE_TEST_SUITE_P(Titles, LinesRuns,
                         ::testing::Values(LinesRunCase{"Display", TitleDisplayRun, 500, "CTD"},
                                           LinesRunCase{"Size", CharSizeRun, 500, "CFS"},
                                           LinesRunCase{"AutoSwitch", AutoSwitchRun, 1200, "AST"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vtg
