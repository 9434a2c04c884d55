#include "shell/set_all_run.h"

#include <gtest/gtest.h>

#include "text_builders.h"
#include "wired_controller.h"

namespace vtg {
namespace {

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
  EXPECT_EQ(sent[265], "CEL0\r\n");
  EXPECT_EQ(sent[269], "SUS02BAS\r\n");
  EXPECT_EQ(sent[279], "P01B64\r\n");
}

}  // namespace
}  // namespace vtg
