#include "glyphs/glyph_list.h"

#include <gtest/gtest.h>

#include <map>

#include "glyphs/glyph_transfer.h"
#include "link/text_helpers.h"
#include "link/watchdog.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::RecordingMessages;
using testing::Shown;

// Answers each glyph read with a glyph of its own digit (0, 1, 2, ... in turn), each other
// line with "GO".
testing::UnitBehaviour UnitAnsweringGlyphReads() {
  return testing::UnitAnswering([reads = 0](std::string_view command) mutable {
    if (!command.starts_with("RFBM")) return std::string("GO");
    const GlyphClass c =
        command[4] == 'L' ? GlyphClass::Large : command[4] == 'M' ? GlyphClass::Medium : GlyphClass::Small;
    const char digit = "0123456789ABCDEF"[reads++ % 16];
    return std::string(command.substr(1, 8)) + std::string(static_cast<std::size_t>(Info(c).digits), digit);
  });
}

class GlyphListTest : public ::testing::Test, public testing::WiredController {
 protected:
  GlyphListTest() {
    state.flags.address_prefix = 1;
    state.selection.slave_index = 5;
    unit = UnitAnsweringGlyphReads();
  }
  GlyphList& List(GlyphClass c) {
    list.emplace(state, link, messages, engine, dialogs, c);
    list->Open();
    list->OnTransferEnd([this] { ++transfer_ends; });
    return *list;
  }
  void TickUntilDone() {
    for (int guard = 0; view.timer_on && guard < 1000; ++guard) Tick();
  }
  void ForgetLines() {
    serial.lines.clear();
    serial.sent_at_ms.clear();
  }

  std::optional<GlyphList> list;
  int transfer_ends = 0;
};

TEST_F(GlyphListTest, ReadAllWaitsForTheOutstandingReplyWhileTheBarMoves) {
  unit = testing::SilentUnit();
  List(GlyphClass::Small).ReadAll();
  EXPECT_EQ(view.periods, std::vector<int>{600});
  for (int i = 0; i < 5; ++i) Tick();
  EXPECT_EQ(std::tuple(serial.lines.size(), view.position, view.percent), std::tuple(1u, 5, " 00.0"));
  link.OnSerialBytes("05FBMSA365" + std::string(144, 'F') + "\r\n");
  Tick();
  EXPECT_EQ(serial.lines.back(), "05RFBMSA366\r\n");
  EXPECT_EQ(state.image.glyphStore(GlyphClass::Small)[0], std::string(144, 'F'));
}

// Whatever else comes while a glyph is asked for, the transfer takes only that glyph's
// reply: each slot ends up with the answer to the last read of its own code.
TEST_F(GlyphListTest, ReadAllTakesOnlyTheReplyToTheGlyphItAskedFor) {
  struct Case {
    const char* name;
    std::string (*spoil)(const std::string& reply);
  } cases[] = {
      {"two replies in one reception", [](const std::string& reply) { return reply + reply; }},
      {"a reply of another class", [](const std::string&) { return "05FBMSA367" + std::string(144, 'E') + "\r\n"; }},
      {"a reply for another glyph", [](const std::string&) { return "05FBMLA366" + std::string(576, 'E') + "\r\n"; }},
  };
  for (const auto& c : cases) {
    ResetToDefaults(state);
    state.flags.address_prefix = 1;
    state.selection.slave_index = 5;
    ForgetLines();
    unit = [spoil = c.spoil, glyphs = UnitAnsweringGlyphReads()](int n, std::string_view line) {
      const std::string reply = glyphs(n, line);
      return n == 3 ? spoil(reply) : reply;
    };
    ASSERT_TRUE(List(GlyphClass::Large).ReadAll());
    TickUntilDone();
    std::map<std::string, char> last_answer;
    for (std::size_t n = 0; n < serial.lines.size(); ++n)
      last_answer[serial.lines[n].substr(7, 4)] = "0123456789ABCDEF"[n % 16];
    ASSERT_EQ(last_answer.size(), 70u) << c.name;
    const auto& store = state.image.glyphStore(GlyphClass::Large);
    for (int i = 0; i < 70; ++i)
      ASSERT_EQ(store[static_cast<std::size_t>(i)], std::string(576, last_answer[Hex4(GlyphCode(i))])) << c.name << i;
    EXPECT_EQ(state.image.glyphStore(GlyphClass::Small)[2], BlankGlyph(GlyphClass::Small)) << c.name;
  }
}

TEST_F(GlyphListTest, TransfersAreRefusedBeforeTheyStart) {
  const std::vector<Shown> not_connected{{Box::Error, "Socket が接続されていません"}};
  struct Case { const char* name; bool sending, confirmed; int interface, slave, step; std::vector<Shown> shown; } cases[] = {
      {"SendNotConfirmed", true, false, kRs232c, 5, 0, {}},
      {"SendNotConnected", true, true, kTcpIp, 5, 0, not_connected},
      {"ReadNotConnectedBeforeBroadcast", false, true, kTcpIp, kBroadcast, 0, not_connected},
      {"SendDuringASequence", true, true, kRs232c, 5, 4, {}},
      {"ReadDuringASequence", false, true, kRs232c, 5, 4, {}},
  };
  for (const auto& c : cases) {
    ResetToDefaults(state);
    state.link = {};
    state.link.interface_setting = c.interface;
    state.selection.slave_index = c.slave;
    state.flags.sequence_step = c.step;
    messages = RecordingMessages{};
    messages.answer = c.confirmed;
    GlyphList& glyphs = List(GlyphClass::Large);
    EXPECT_FALSE(c.sending ? glyphs.SendAll() : glyphs.ReadAll()) << c.name;
    EXPECT_EQ(messages.shown, c.shown) << c.name;
    EXPECT_EQ(state.glyph.glyph_transfer_busy, 0) << c.name;
    EXPECT_TRUE(view.periods.empty()) << c.name;
  }
}

TEST_F(GlyphListTest, WhileATransferRunsOnlyTheCombosAndCloseWork) {
  GlyphList& glyphs = List(GlyphClass::Large);
  state.glyph.glyph_edited = 0;
  glyphs.SendAll();
  Tick();
  Tick();
  const std::size_t questions = messages.asked.size();
  EXPECT_FALSE(glyphs.SendAll());
  EXPECT_FALSE(glyphs.ReadAll());
  EXPECT_FALSE(glyphs.ClearAll());
  EXPECT_FALSE(glyphs.SaveFileAs());
  EXPECT_FALSE(glyphs.ChooseForEditor(3));
  EXPECT_EQ(messages.asked.size(), questions);
  EXPECT_TRUE(dialogs.requests.empty());
  glyphs.ChoosePage(4);
  EXPECT_EQ(glyphs.Page(), 4);
  state.glyph.glyph_read_pending = 1;
  glyphs.Close();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(state.glyph.glyph_transfer_busy, 0);
  EXPECT_EQ(std::tuple(state.glyph.glyph_read_pending, state.glyph.glyph_index, transfer_ends), std::tuple(0, 2, 1));
}

TEST_F(GlyphListTest, AListThatGoesEndsItsTransfer) {
  List(GlyphClass::Large).ReadAll();
  Tick();
  list.reset();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(state.glyph.glyph_transfer_busy, 0);
  EXPECT_EQ(transfer_ends, 0);  // nothing calls back into the dialog that has gone
  ASSERT_TRUE(List(GlyphClass::Large).ReadAll());
}

TEST_F(GlyphListTest, ClearAllAsksAfterEditingAndForgetsTheFile) {
  GlyphList& glyphs = List(GlyphClass::Small);
  state.image.glyphStore(GlyphClass::Small)[7] = std::string(144, 'A');
  state.glyph.listFile(GlyphClass::Small).name = "x.tls";
  state.glyph.listFile(GlyphClass::Large).name = "x.tll";
  state.glyph.glyph_edited = 1;
  messages.answer = false;
  EXPECT_FALSE(glyphs.ClearAll());
  EXPECT_EQ(state.glyph.listFile(GlyphClass::Small).name, "x.tls");
  EXPECT_EQ(messages.asked.back().first, Question::NewGlyphList);
  messages.answer = true;
  EXPECT_TRUE(glyphs.ClearAll());
  EXPECT_EQ(state.image.glyphStore(GlyphClass::Small)[7], BlankGlyph(GlyphClass::Small));
  EXPECT_EQ(state.glyph.listFile(GlyphClass::Small).name, "");
  EXPECT_EQ(state.glyph.listFile(GlyphClass::Large).name, "x.tll");
  EXPECT_EQ(state.glyph.glyph_edited, 0);
}

TEST_F(GlyphListTest, PagesLabelsAndHits) {
  struct Case { GlyphClass c; int page; int x, y; std::optional<int> box; const char* label; } cases[] = {
      {GlyphClass::Large, 0, 12, 11, 0, "No.1"},      {GlyphClass::Large, 4, 696, 252, 13, "No.70"},
      {GlyphClass::Large, 1, 12, 158, 7, "No.22"},    {GlyphClass::Large, 0, 810, 50, std::nullopt, ""},
      {GlyphClass::Large, 0, 810, 200, std::nullopt, ""}, {GlyphClass::Large, 0, 107, 50, std::nullopt, ""},
      {GlyphClass::Medium, 9, 810, 252, 15, "No.160"}, {GlyphClass::Small, 15, 126, 105, 1, "No.242"},
      {GlyphClass::Small, 0, 50, 130, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    GlyphList& glyphs = List(c.c);
    glyphs.ChoosePage(c.page);
    EXPECT_EQ(glyphs.BoxAt(c.x, c.y), c.box) << c.x << "," << c.y;
    if (!c.box) continue;
    EXPECT_EQ(glyphs.LabelText(*c.box), c.label);
    EXPECT_TRUE(glyphs.ChooseForEditor(*c.box));
    EXPECT_EQ("No." + std::to_string(state.glyph.glyph_index + 1), c.label);
  }
}

TEST_F(GlyphListTest, ExportTakesTheGlyphOfTheBoxOnThePage) {
  GlyphList& glyphs = List(GlyphClass::Large);
  glyphs.ChoosePage(2);
  EXPECT_FALSE(glyphs.ExportBox(3, Picture(96, 96)));  // cancelled
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].default_name, "gl32.bmp");
}

TEST_F(GlyphListTest, OpeningCorrectsAPageTheClassDoesNotHave) {
  state.glyph.glyph_list_page = 12;
  List(GlyphClass::Small);
  EXPECT_EQ(state.glyph.glyph_list_page, 12);
  List(GlyphClass::Large);
  EXPECT_EQ(state.glyph.glyph_list_page, 0);
}

TEST(GlyphTransfer, ProgressTextAndBar) {
  struct Case { int count, total; const char* text; } cases[] = {
      {0, 70, " 00.0"}, {1, 70, " 01.4"}, {35, 70, " 50.0"}, {69, 70, " 98.5"}, {70, 70, "100.0"}, {1, 256, " 00.3"}};
  for (const auto& c : cases) EXPECT_EQ(GlyphProgressText(c.count, c.total), c.text) << c.count;
  testing::WiredController w;
  const GlyphList glyphs(w.state, w.link, w.messages, w.engine, w.dialogs, GlyphClass::Large);
  EXPECT_EQ(glyphs.ProgressBarValue(72), 72);
  EXPECT_EQ(glyphs.ProgressBarValue(73), 0);
}

}  // namespace
}  // namespace vtg
