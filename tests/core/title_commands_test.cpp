#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "text_builders.h"
#include "titles/auto_switch_command.h"
#include "titles/char_size_command.h"
#include "titles/glyph_insert_command.h"
#include "titles/level_command.h"
#include "titles/page_switch_command.h"
#include "titles/slave_address_command.h"
#include "titles/title_command.h"
#include "titles/title_display_command.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::DefaultImage;
using testing::Pair;
using testing::Repeat;

struct CommandCase {
  const char* name;
  std::function<void(SettingsImage&)> set;
  std::function<std::string(const SettingsImage&)> build;
  std::string expected;  // without CR LF
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class Commands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Commands, BuildTheirLineFromTheImage) {
  SettingsImage image = DefaultImage();
  if (GetParam().set) GetParam().set(image);
  EXPECT_EQ(GetParam().build(image), GetParam().expected + "\r\n");
}

constexpr int kCh2Bottom = 3;

INSTANTIATE_TEST_SUITE_P(
    Titles, Commands,
    ::testing::Values(
        CommandCase{"DisplayOnePageOff", [](auto& im) { im.display_flag[TitleIndex(0, 0)] = 0; },
                    [](const auto& im) { return TitleDisplayCommand(im, 0, 0); }, "CTD01T01OF"},
        CommandCase{"DisplayOnePageOn", nullptr, [](const auto& im) { return TitleDisplayCommand(im, 1, 63); },
                    "CTD01B64ON"},
        CommandCase{"DisplayAllPagesLastOff", [](auto& im) { im.display_flag[TitleIndex(kCh2Bottom, 63)] = 0; },
                    [](const auto& im) { return TitleDisplayAllCommand(im, kCh2Bottom); },
                    "CTD02B" + Repeat("N", 63) + "F"},
        CommandCase{"SizeOnePage", [](auto& im) { im.char_size[TitleIndex(2, 8)] = 1; },
                    [](const auto& im) { return CharSizeCommand(im, 2, 8); }, "CFS02T09M"},
        CommandCase{"SizeAllPagesFirstSmall",
                    [](auto& im) {
                      for (int p = 0; p < kPages; ++p) im.char_size[TitleIndex(0, p)] = p == 0 ? 2 : 1;
                    },
                    [](const auto& im) { return CharSizeAllCommand(im, 0); }, "CFS01TS" + Repeat("M", 63)},
        CommandCase{"TimeOnePageZero", [](auto& im) { im.auto_switch_time[TitleIndex(1, 4)] = 0; },
                    [](const auto& im) { return AutoSwitchCommand(im, 1, 4); }, "AST01B0500"},
        CommandCase{"TimesAllPages",
                    [](auto& im) {
                      for (int p = 0; p < kPages; ++p) im.auto_switch_time[TitleIndex(2, p)] = 5;
                    },
                    [](const auto& im) { return AutoSwitchAllCommand(im, 2); }, "AST02T" + Repeat("05", 64)},
        CommandCase{"PageSwitchAuto", [](auto& im) { im.display_page[kCh2Bottom] = kAutoSwitchPage; },
                    [](const auto& im) { return PageSwitchCommand(im, kCh2Bottom); }, "P02BAS"},
        CommandCase{"StartupPage", [](auto& im) { im.startup_page[1] = 4; },
                    [](const auto& im) { return StartupPageCommand(im, 1); }, "SUS01B05"},
        CommandCase{"PositionTwoDigits", [](auto& im) { im.display_position[kCh2Bottom] = 12; },
                    [](const auto& im) { return DisplayPositionCommand(im, kCh2Bottom); }, "CTDPO02B12"},
        CommandCase{"GlyphInsert", nullptr, [](const auto&) { return GlyphInsertCommand(4, 1, 11, 2); },
                    "G005C01B12I03"},
        CommandCase{"GlyphInsertLast", nullptr, [](const auto&) { return GlyphInsertCommand(255, 3, 63, 27); },
                    "G256C02B64I28"}),
    [](const auto& info) { return std::string(info.param.name); });

// What one title sends: the codes of its characters, or nothing.
struct TitleCase {
  const char* name;
  std::string title;
  std::string codes;  // the first codes of the line; empty = refused
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class TitleCodes : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleCodes, ConvertOrRefuse) {
  SettingsImage image = DefaultImage();
  const int index = TitleIndex(kCh2Bottom, 4);
  image.title_text[index] = GetParam().title;
  const auto command = TitleCommand(image, index, TitleMemory::Store);
  if (GetParam().codes.empty()) {
    EXPECT_FALSE(command);
    return;
  }
  ASSERT_TRUE(command);
  EXPECT_EQ(command->size(), 121u);
  EXPECT_EQ(command->substr(0, 7), "CT02B05");
  EXPECT_EQ(command->substr(7, GetParam().codes.size()), GetParam().codes);
  EXPECT_EQ(command->substr(119), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleCodes,
    ::testing::Values(TitleCase{"BlankIsAllFullWidthSpaces", "", Repeat("2121", 28)},
                      TitleCase{"KanjiThenPadding", Pair(0x889F), "3021" + Repeat("2121", 27)},
                      TitleCase{"IbmUnmovableRefused", Pair(0x889F) + Pair(0xFA58), ""},
                      TitleCase{"FirstGlyphPair", Pair(0x1020), "A365"},
                      TitleCase{"FullLengthNoPadding", Repeat(Pair(0x82A0), 28), Repeat("2422", 28)},
                      TitleCase{"TooLongRefused", Repeat(Pair(0x82A0), 29), ""},
                      TitleCase{"OddLengthRefused", Pair(0x82A0) + "A" + Pair(0x82A0), ""},
                      TitleCase{"HalfWidthPairRefused", "AB", ""}, TitleCase{"LeadByteF0Refused", Pair(0xF040), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleCommand, NotStoredFormAndPadding) {
  SettingsImage image = DefaultImage();
  image.title_text[0] = Pair(0x82A0);
  EXPECT_EQ(TitleCommand(image, 0, TitleMemory::NotStore)->substr(0, 11), "CN01T012422");
  EXPECT_EQ(*PadTitleText(Pair(0x82A0)), Pair(0x82A0) + Repeat("\x81\x40", 27));
}

class Senders : public ::testing::Test, public testing::WiredController {
 protected:
  Senders() {
    state.flags.address_prefix = 1;
    state.selection.slave_index = 3;
  }
};

TEST_F(Senders, SlaveAddressGoesBareToThePort) {
  state.flags.address_prefix = 0;
  state.link.interface_setting = kTcpIp;
  EXPECT_TRUE(SendSlaveAddress(link, messages, 7));
  EXPECT_EQ(serial.lines, (std::vector<std::string>{"SA07\r\n"}));
}

TEST_F(Senders, BroadcastIsNoAddressToSet) {
  EXPECT_FALSE(SendSlaveAddress(link, messages, kBroadcast));
  EXPECT_TRUE(serial.lines.empty());
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, std::string(kChooseSlaveAddress)}}));
  EXPECT_EQ(*SlaveAddressCommand(31), "SA31\r\n");
}

TEST(GlyphInsert, ChoicesTheClassDoesNotOfferGoBackToTheFirst) {
  int glyph = 199, position = 25;
  KeepInsertChoiceInClass(GlyphClass::Small, glyph, position);
  EXPECT_EQ(glyph, 199);
  KeepInsertChoiceInClass(GlyphClass::Medium, glyph, position);
  EXPECT_EQ(glyph, 0);
  EXPECT_EQ(position, 0);
  glyph = 69, position = 13;
  KeepInsertChoiceInClass(GlyphClass::Large, glyph, position);
  EXPECT_EQ(std::tuple(glyph, position, InsertPositions(GlyphClass::Medium)), std::tuple(69, 13, 21));
}

}  // namespace
}  // namespace vtg
