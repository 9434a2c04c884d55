#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "default_state.h"
#include "link/reply_interpreter.h"
#include "recording_messages.h"
#include "text_builders.h"

namespace vtg {
namespace {

using testing::RecordingMessages;
using testing::Repeat;
using testing::Shown;

struct Row {
  const char* name;
  std::string reply;  // stripped, without its line end
  std::function<void(ControllerState&)> before;
  std::function<void(const ControllerState&)> check;
  std::optional<Shown> serial = std::nullopt;
  std::optional<Shown> socket = std::nullopt;
  int abort = 0;
  bool understood = true;  // false: the interpreter ignored it
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

std::vector<Row> Rows() {
  const std::string letters = "NF" + Repeat("N", 62);
  return {
      {"GoIdleShowsSuccess", "GO", nullptr, nullptr, Shown{Box::SerialSuccess, "Success"},
       Shown{Box::Success, "Socket ＯＫ"}},
      {"GoDuringRunIsQuiet", "GO", [](auto& s) { s.flags.sequence_step = 4; }, nullptr, std::nullopt, std::nullopt},
      {"GoDuringGlyphTransferIsQuiet", "GO", [](auto& s) { s.glyph.glyph_transfer_busy = 1; }, nullptr,
       std::nullopt, std::nullopt},
      {"GoAnnouncedOnceDuringRun", "GO",
       [](auto& s) {
         s.flags.sequence_step = 284;
         s.flags.announce_success = 1;
       },
       [](const auto& s) { EXPECT_EQ(s.flags.announce_success, 0); }, Shown{Box::SerialSuccess, "Success"},
       Shown{Box::Success, "Socket ＯＫ"}},
      {"AutoSwitchTimes", "AST02B" + Repeat("05", 63) + "99", nullptr,
       [](const auto& s) {
         EXPECT_EQ(s.image.auto_switch_time[TitleIndex(3, 0)], 5);
         EXPECT_EQ(s.image.auto_switch_time[TitleIndex(3, 63)], 99);
         EXPECT_EQ(s.image.auto_switch_time[TitleIndex(2, 0)], 2);
       }},
      {"DisplayPosition", "CTDPO01B12", nullptr,
       [](const auto& s) { EXPECT_EQ(s.image.display_position[1], 12); }},
      {"DisplayFlags", "CTD02T" + letters, nullptr,
       [](const auto& s) {
         EXPECT_EQ(s.image.display_flag[TitleIndex(2, 0)], 1);
         EXPECT_EQ(s.image.display_flag[TitleIndex(2, 1)], 0);
       }},
      {"CharSizes", "CFS01T" + std::string("LMS") + Repeat("S", 61), nullptr,
       [](const auto& s) {
         EXPECT_EQ(std::tuple(s.image.char_size[0], s.image.char_size[1], s.image.char_size[2]), std::tuple(0, 1, 2));
       }},
      {"EdgeLevel", "CEL2", nullptr, [](const auto& s) { EXPECT_EQ(s.image.edge_level, 2); }},
      {"WhiteLevel", "CWL0", nullptr, [](const auto& s) { EXPECT_EQ(s.image.white_level, 0); }},
      {"StartupPageAuto", "SUS02BAS", nullptr, [](const auto& s) { EXPECT_EQ(s.image.startup_page[3], 64); }},
      {"StartupPageNumber", "SUS01B07", nullptr, [](const auto& s) { EXPECT_EQ(s.image.startup_page[1], 6); }},
      {"Title", "CT01B02" + std::string("3021") + Repeat("2121", 27),
       [](auto& s) { s.image.title_text[TitleIndex(1, 1)] = "old and longer text"; },
       [](const auto& s) { EXPECT_EQ(s.image.title_text[TitleIndex(1, 1)], "\x88\x9F"); }},
      {"TitleAnnounced", "CT02B64" + Repeat("2121", 28),
       [](auto& s) {
         s.flags.sequence_step = 285;
         s.flags.announce_success = 1;
         s.image.title_text[255] = "\x88\x9F";
       },
       [](const auto& s) { EXPECT_EQ(s.image.title_text[255], ""); }, Shown{Box::SerialSuccess, "Success"},
       Shown{Box::Success, "Socket ＯＫ"}},
      {"DisplayPage", "P02T05", nullptr, [](const auto& s) { EXPECT_EQ(s.image.display_page[2], 4); }},
      {"GlyphLarge", "FBMLA365" + Repeat("F", 576), [](auto& s) { s.glyph.glyph_index = 69; },
       [](const auto& s) {
         EXPECT_EQ(s.image.glyphStore(GlyphClass::Large)[69], Repeat("F", 576));
         EXPECT_EQ(s.image.ext_glyph_work, Repeat("F", 576));
       }},
      {"GlyphMediumAdvancesATransfer", "FBMMA421" + Repeat("1", 256),
       [](auto& s) {
         s.glyph.glyph_index = 26;
         s.glyph.glyph_transfer_busy = 1;
         s.glyph.glyph_transfer_class = GlyphClass::Medium;
         s.glyph.glyph_read_pending = 1;
       },
       [](const auto& s) {
         EXPECT_EQ(s.image.glyphStore(GlyphClass::Medium)[26], Repeat("1", 256));
         EXPECT_EQ(s.glyph.glyph_index, 27);
       }},
      {"GlyphSmallShortStoresNothing", "FBMSA365" + Repeat("1", 143),
       [](auto& s) { s.glyph.glyph_transfer_busy = 1; },
       [](const auto& s) {
         EXPECT_EQ(s.image.glyphStore(GlyphClass::Small)[0], Repeat("0", 144));
         EXPECT_EQ(s.glyph.glyph_index, 0);
       },
       std::nullopt, std::nullopt, 0, false},
      {"ActiveAddress", "AA192.168.001.003", nullptr,
       [](const auto& s) { EXPECT_EQ(s.image.unit_active_address, (IpBytes{192, 168, 1, 3})); }},
      {"GatewayAddress", "GA010.000.000.254", nullptr,
       [](const auto& s) { EXPECT_EQ(s.image.unit_gateway_address, (IpBytes{10, 0, 0, 254})); }},
      {"IpAddress", "IA255.255.255.000", nullptr,
       [](const auto& s) { EXPECT_EQ(s.image.unit_ip_address, (IpBytes{255, 255, 255, 0})); }},
      {"MacAddress", "MA00-11-22-33-44-55", nullptr,
       [](const auto& s) { EXPECT_EQ(s.image.unit_mac_address, "00-11-22-33-44-55"); }},
      {"PortNumber", "PN10001", nullptr, [](const auto& s) { EXPECT_EQ(s.image.unit_port_number, "10001"); }},
      {"SubnetClass", "SMA", nullptr, [](const auto& s) { EXPECT_EQ(s.image.unit_subnet_class, 0); }},
      {"KeepAliveOn", "KAON", nullptr, [](const auto& s) { EXPECT_EQ(s.image.unit_keep_alive, 1); }},
      {"KeepAliveOff", "KAOF", [](auto& s) { s.image.unit_keep_alive = 1; },
       [](const auto& s) { EXPECT_EQ(s.image.unit_keep_alive, 0); }},
      {"TimeRegister", "TR1", nullptr, [](const auto& s) { EXPECT_EQ(s.image.unit_time_register, 0); }},
      {"VersionShowsSuccess", "VN1.23", nullptr, [](const auto& s) { EXPECT_EQ(s.image.unit_version, "1.23"); },
       Shown{Box::SerialSuccess, "Success"}, Shown{Box::Success, "Socket ＯＫ"}},
      {"RefusedGlyphRead", "GN", [](auto& s) { s.glyph.glyph_read_pending = 1; }, nullptr,
       Shown{Box::Error, "自動切換え中！"}, Shown{Box::Stop, "Socket 自動切換え中！"}, 1},
      {"RefusedCommand", "GN", nullptr, nullptr, Shown{Box::Error, "Mode difference"},
       Shown{Box::Stop, "Socket mode difference"}, 1},
      {"Menu", "MENU", nullptr, nullptr, Shown{Box::Error, "Menu Display"}, Shown{Box::Error, "Socket Menu Display"}, 1},
      {"Framing", "E0", nullptr, nullptr, Shown{Box::Error, "Framing Error"}, Shown{Box::Error, "Socket Framing"}, 1},
      {"Parity", "E1", nullptr, nullptr, Shown{Box::Error, "Parity Error"}, Shown{Box::Error, "Socket Parity"}, 1},
      {"Overrun", "E2", nullptr, nullptr, Shown{Box::Error, "Over run Error"}, Shown{Box::Error, "Socket Over run"}, 1},
      {"Command", "E3", nullptr, nullptr, Shown{Box::Error, "Command Error"}, Shown{Box::Error, "Socket Command"}, 1},
      {"Unknown", "XYZ", nullptr, nullptr, std::nullopt, std::nullopt, 0, false},
  };
}

class ReplyTable : public ::testing::TestWithParam<std::tuple<Row, LinkKind>> {};

TEST_P(ReplyTable, EffectMessageAndFlags) {
  const auto& [row, link] = GetParam();
  ControllerState state = testing::DefaultState();
  state.flags.address_prefix = 1;
  state.flags.abort_flag = 1;
  state.flags.step_pending = 1;
  state.flags.reply_pending = 1;
  if (row.before) row.before(state);
  RecordingMessages messages;
  ReplyContext context{state, messages, {}};

  const std::string line = "05" + row.reply + "\r\n";
  const bool understood = (link == LinkKind::Serial ? InterpretSerialReply(context, line)
                                                    : InterpretSocketReply(context, line)).understood();
  EXPECT_EQ(understood, row.understood);

  if (row.check) row.check(state);
  const auto& expected = link == LinkKind::Serial ? row.serial : row.socket;
  if (expected)
    EXPECT_EQ(messages.shown, std::vector<Shown>{*expected});
  else
    EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.flags.abort_flag, row.abort);
  EXPECT_EQ(state.flags.step_pending, 0);
  EXPECT_EQ(state.glyph.glyph_read_pending, 0);
  if (link == LinkKind::Serial) {
    EXPECT_EQ(state.flags.reply_pending, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(BothLinks, ReplyTable,
                         ::testing::Combine(::testing::ValuesIn(Rows()),
                                            ::testing::Values(LinkKind::Serial, LinkKind::Socket)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == LinkKind::Serial ? "Serial" : "Socket");
                         });

// Replies whose fields would reach outside the image, or do not fit their layout, change nothing.
TEST(ReplyTable, MalformedRepliesChangeNothing) {
  const std::string bad[] = {
      "CTD03T" + Repeat("F", 64),         "CTD01X" + Repeat("F", 64),   "CTD01T" + Repeat("F", 10),
      "AST01T" + Repeat("0A", 64),        "CTDPO01T16",                 "CTDPO00T05",
      "CEL4",                             "CWL/",                       "SUS01T00",
      "SUS01T65",                         "P03T01",                     "CT01T65" + Repeat("2121", 28),
      "CT01TAS" + Repeat("2121", 28),     "CT01T01" + Repeat("2g21", 28), "CT01T01" + Repeat("2121", 27),
      "IA256.000.000.000",                "IA1.2.3.4",                  "SMD",
      "TR7",                              "PN9x004",                    "VN",
      "FBMLA365" + Repeat("G", 576),
  };
  for (const auto& reply : bad) {
    ControllerState state = testing::DefaultState();
    const SettingsImage before = state.image;
    RecordingMessages messages;
    ReplyContext context{state, messages, {}};
    state.flags.step_pending = 1;
    EXPECT_FALSE(InterpretSocketReply(context, "00" + reply + "\r\n").understood()) << reply;
    EXPECT_TRUE(state.image == before) << reply;
    EXPECT_TRUE(messages.shown.empty()) << reply;
    EXPECT_EQ(state.flags.step_pending, 0) << reply;
  }
}

TEST(ReplyTable, SerialGoMustEndInCrLf) {
  ControllerState state = testing::DefaultState();
  RecordingMessages messages;
  ReplyContext context{state, messages, {}};
  state.flags.address_prefix = 1;
  EXPECT_FALSE(InterpretSerialReply(context, "05GO\n").understood());
  EXPECT_TRUE(messages.shown.empty());
  InterpretSocketReply(context, "05GO\n");
  EXPECT_EQ(messages.shown.size(), 1u);
  state.flags.address_prefix = 0;
  InterpretSerialReply(context, "GO\r\n");
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST(ReplyTable, GlyphReplyRepaintsOnlyOutsideATransfer) {
  ControllerState state = testing::DefaultState();
  RecordingMessages messages;
  int repaints = 0;
  ReplyContext context{state, messages, [&] { ++repaints; }};
  InterpretSocketReply(context, "00FBMSA365" + Repeat("8", 144) + "\r\n");
  EXPECT_EQ(repaints, 1);
  state.glyph.glyph_transfer_busy = 1;
  InterpretSocketReply(context, "00FBMSA365" + Repeat("8", 144) + "\r\n");
  EXPECT_EQ(repaints, 1);
}

}  // namespace
}  // namespace vtg
