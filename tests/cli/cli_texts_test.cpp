#include <gtest/gtest.h>

#include <sstream>

#include "cli/document_text.h"
#include "cli/network_values.h"
#include "cli/progress_report.h"
#include "cli/terminal_messages.h"
#include "default_state.h"

namespace vtg::cli {
namespace {

// Stands in for the code page: shows the bytes it was given.
std::string Bracketed(std::string_view bytes) { return bytes.empty() ? "" : "<" + std::string(bytes) + ">"; }

TEST(DocumentText, ShowsEverySettingAndNamesTheUnitsGlyphs) {
  SettingsImage image = testing::DefaultImage();
  image.white_level = 0;
  image.startup_page[2] = kAutoSwitchPage;
  image.display_flag[TitleIndex(3, 63)] = 0;
  image.char_size[TitleIndex(3, 63)] = 2;
  image.auto_switch_time[TitleIndex(3, 63)] = 99;
  // Glyph 1 (unit code A365), a plain pair, glyph 256 (A64A), and a low pair that is no glyph.
  image.title_text[TitleIndex(3, 63)] = std::string("\x10\x20" "AB" "\x13\x05" "\x01\x02", 8);
  const std::string text = DocumentText(image, Bracketed);
  EXPECT_TRUE(text.starts_with("white level 0\nedge level 1\n")) << text;
  EXPECT_NE(text.find("ch.2 Top: startup page AS, display page 01, position 7\n"), std::string::npos);
  EXPECT_NE(text.find("ch.1 Top page 01: on, L, auto 02, \"\"\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("ch.2 Bottom page 64: off, S, auto 99, \"[外字1]<AB>[外字256][0102]\"\n")) << text;
}

TEST(NetworkValues, SetLinesInDialogOrderAndValuesAsNetSetTakesThem) {
  NetSettings net;
  net.time_register = 0;
  net.active = IpBytes{192, 168, 1, 3};
  net.port = "09004";
  EXPECT_EQ(NetSetLines(net), (std::vector<std::string>{"AA192.168.001.003\r\n", "PN09004\r\n", "TR1\r\n"}));

  SettingsImage image = testing::DefaultImage();
  image.unit_ip_address = {10, 0, 0, 7};
  image.unit_subnet_class = 1;
  image.unit_keep_alive = 1;
  image.unit_version = "1.00";
  const std::string text = NetworkValuesText(image);
  EXPECT_NE(text.find("\nip 10.0.0.7\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nsubnet B\nkeep-alive on\ntime-register 6\nversion 1.00\n"), std::string::npos) << text;
}

TEST(TerminalMessages, ErrorsCountAsFailuresAndQuestionsAreAnsweredYes) {
  std::ostringstream out;
  TerminalMessages messages(out);
  messages.SuccessBox("Socket ＯＫ");
  EXPECT_FALSE(messages.Failed());
  EXPECT_TRUE(messages.ConfirmNotAutoSwitching());
  EXPECT_FALSE(messages.Failed());
  messages.StopBox("No Connect");
  EXPECT_TRUE(messages.Failed());
  EXPECT_EQ(out.str(),
            "vtg7300ctl: Socket ＯＫ\nvtg7300ctl: 本機が自動切換えでない事を確認してください -> yes\n"
            "vtg7300ctl: No Connect\n");
}

TEST(ProgressReport, ALineForEachWholePercentOffATerminal) {
  std::ostringstream out;
  TerminalMessages messages(out);
  ProgressReport progress(out, messages, false);
  for (std::string_view shown : {" 00.0", " 01.4", " 01.9", " 02.8", "   ", "100"}) progress.Show(shown);
  EXPECT_EQ(out.str(), "0%\n1%\n2%\n100%\n");
}

TEST(ProgressReport, OneLineDrawnAgainOnATerminalThatMessagesBreak) {
  std::ostringstream out;
  TerminalMessages messages(out);
  ProgressReport progress(out, messages, true);
  progress.Show("1");
  progress.Show("2");
  messages.ErrorBox("Command Error");
  progress.Show("3");
  progress.Show("   ");
  EXPECT_EQ(out.str(), "\r1%\r2%\nvtg7300ctl: Command Error\n\r3%\n");
}

}  // namespace
}  // namespace vtg::cli
