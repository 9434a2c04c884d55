#include <algorithm>

#include <gtest/gtest.h>

#include "memory_profile.h"
#include "recording_messages.h"
#include "shell/corner_entry.h"
#include "shell/exit_flow.h"
#include "shell/start_up.h"

namespace vtg {
namespace {

using testing::RecordingMessages;

// Ten clicks in a row inside the corner open; anything else starts the count again.
TEST(CornerEntry, TenClicksInARowInTheCornerOpen) {
  for (const std::optional<ClickPoint> breaker : {std::optional(ClickPoint{20, 0}), std::optional(ClickPoint{0, 20}),
                                                  std::optional(ClickPoint{-1, 5}), std::optional<ClickPoint>()}) {
    int clicks = 0;
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(CountCornerClick(clicks, ClickPoint{19, 0}));
    CountCornerClick(clicks, breaker);
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(CountCornerClick(clicks, i < 5 ? ClickPoint{19, 0} : ClickPoint{5, 5}));
    EXPECT_TRUE(CountCornerClick(clicks, ClickPoint{0, 19}));
    EXPECT_EQ(clicks, 0);
  }
}

TEST(ExitFlow, AsksAndSavesAsTheOperatorChooses) {
  using Classes = std::vector<GlyphClass>;
  constexpr GlyphClass L = GlyphClass::Large, M = GlyphClass::Medium, S = GlyphClass::Small;
  struct Case {
    const char* name;
    int connected, modified;
    Classes unsaved;  // glyph classes drawn and not saved to a file
    bool answer_yes, cancel;
    std::optional<bool> save_result;  // none: no save available
    bool glyph_save_result;
    bool exits;
    int saves;
    Classes glyph_saves;
  };
  const Case cases[] = {
      {"connected", 1, 1, {L}, true, false, true, true, false, 0, {}},
      {"nothing edited", 0, 0, {}, true, false, true, true, true, 0, {}},
      {"exit without saving", 0, 1, {}, true, false, true, true, true, 0, {}},
      {"saved first", 0, 1, {}, false, false, true, true, true, 1, {}},
      {"save failed or cancelled", 0, 1, {}, false, false, false, true, false, 1, {}},
      {"no save to ask for", 0, 1, {}, false, false, std::nullopt, true, false, 0, {}},
      {"glyphs saved", 0, 0, {L, S}, true, false, true, true, true, 0, {L, S}},
      {"glyphs not saved", 0, 0, {L, S}, false, false, true, true, true, 0, {}},
      {"glyph question cancelled", 0, 0, {M}, true, true, true, true, false, 0, {}},
      {"glyph save failed or cancelled", 0, 0, {L, M}, true, false, true, false, false, 0, {L}},
      {"document first, then glyphs", 0, 1, {S}, false, false, true, true, true, 1, {}},
  };
  for (const Case& c : cases) {
    ControllerState state;
    state.link.tcp_connected = c.connected;
    state.doc.doc_modified = c.modified;
    for (GlyphClass unsaved : c.unsaved) state.glyph.listFile(unsaved).unsaved = 1;
    RecordingMessages messages;
    messages.answer = c.answer_yes;
    messages.cancel = c.cancel;
    int saves = 0;
    SaveDocument save;
    if (c.save_result) save = [&] { ++saves; return *c.save_result; };
    Classes glyph_saves;
    const SaveGlyphs save_glyphs = [&](GlyphClass saved) {
      glyph_saves.push_back(saved);
      return c.glyph_save_result;
    };
    EXPECT_EQ(MayExit(state, messages, save, save_glyphs), c.exits) << c.name;
    EXPECT_EQ(saves, c.saves) << c.name;
    EXPECT_EQ(glyph_saves, c.glyph_saves) << c.name;
    if (c.connected) {
      EXPECT_EQ(messages.shown.at(0).text, kDisconnectFirstText);
    }
    // The document first, then each class of glyphs, as far as the operator lets it go.
    std::vector<std::pair<Question, std::string>> order;
    if (c.modified) order.push_back({Question::UnsavedData, std::string(kExitUnsavedText)});
    for (GlyphClass unsaved : c.unsaved) order.push_back({Question::UnsavedData, ExitUnsavedGlyphsText(unsaved)});
    if (c.connected) order.clear();
    if (!c.exits) order.resize(std::min(order.size(), messages.asked.size()));
    EXPECT_EQ(messages.asked, order) << c.name;
  }
}

TEST(StartUp, ConfigurationIsReadAfterTheDefaults) {
  testing::MemoryProfile file{{"ClientServer", "1"}, {"com_port", "5"}};
  ControllerState state;
  state.link.tcp_connected = 1;
  state.client_table.Accept(1, 7, "10.0.0.1");
  state.image.white_level = 0;
  PrepareStartState(state, file);
  EXPECT_EQ(state.link.tcp_connected, 0);
  EXPECT_EQ(state.client_table.InUseCount(), 0);
  EXPECT_EQ(state.image.white_level, 3);
  EXPECT_EQ(state.link.tcp_role, kServer);
  ClampComPort(state.link, 2);
  EXPECT_EQ(state.link.com_port_index, 0);
  state.link.com_port_index = 1;
  ClampComPort(state.link, 2);
  EXPECT_EQ(state.link.com_port_index, 1);
}

}  // namespace
}  // namespace vtg
