// The unit's command set: what it accepts, what it reads back, what it refuses.
#include <gtest/gtest.h>

#include "link/text_helpers.h"
#include "sim/simulated_unit.h"
#include "text_builders.h"

namespace vtg::sim {
namespace {

using testing::Repeat;

const std::string kBlankTitle = Repeat("2121", 28);

struct Exchange {
  std::string_view command;
  std::string expected;
};

// A fresh unit answers each read with its defaults, in the layouts the controller reads.
const Exchange kDefaults[] = {
    {"RCTD01T", "CTD01T" + Repeat("N", 64)},
    {"RCFS02B", "CFS02B" + Repeat("L", 64)},
    {"RAST01B", "AST01B" + Repeat("02", 64)},
    {"RP02T", "P02T01"},
    {"RSUS01B", "SUS01B01"},
    {"RCTDPO02B", "CTDPO02B07"},
    {"RCWL", "CWL3"},
    {"RCEL", "CEL1"},
    {"RCT02B64", "CT02B64" + kBlankTitle},
    {"RFBMLA365", "FBMLA365" + Repeat("0", 576)},
    {"RFBMSA64A", "FBMSA64A" + Repeat("0", 144)},
    {"RIA", "IA192.168.001.003"},
    {"RGA", "GA192.168.001.001"},
    {"RAA", "AA192.168.001.003"},
    {"RMA", "MA00-11-22-33-44-55"},
    {"RPN", "PN09004"},
    {"RSM", "SMC"},
    {"RKA", "KAOF"},
    {"RTR", "TR6"},
    {"RVN", "VN1.00"},
};

TEST(UnitCommands, FreshUnitReadsItsDefaults) {
  SimulatedUnit unit;
  for (const auto& [command, expected] : kDefaults) EXPECT_EQ(unit.Handle(command, true).text, expected) << command;
}

struct SetAndRead {
  std::string set;
  std::string_view read;
  std::string expected;
};

const std::string kGlyph7 = "F0" + Repeat("0", 253) + "1";

// Each set command is accepted ("GO") and its read shows the value in the set layout.
const SetAndRead kSetAndRead[] = {
    {"CTD01B05OF", "RCTD01B", "CTD01BNNNNF" + Repeat("N", 59)},
    {"CTD02B" + Repeat("N", 63) + "F", "RCTD02B", "CTD02B" + Repeat("N", 63) + "F"},
    {"CFS01T64M", "RCFS01T", "CFS01T" + Repeat("L", 63) + "M"},
    {"CFS01TS" + Repeat("M", 63), "RCFS01T", "CFS01TS" + Repeat("M", 63)},
    {"AST02T0199", "RAST02T", "AST02T99" + Repeat("02", 63)},
    {"AST02T" + Repeat("05", 64), "RAST02T", "AST02T" + Repeat("05", 64)},
    {"P02BAS", "RP02B", "P02BAS"},
    {"P01T64", "RP01T", "P01T64"},
    {"SUS02B12", "RSUS02B", "SUS02B12"},
    {"SUS01TAS", "RSUS01T", "SUS01TAS"},
    {"CTDPO02B12", "RCTDPO02B", "CTDPO02B12"},
    {"CTDPO01T00", "RCTDPO01T", "CTDPO01T00"},
    {"CWL0", "RCWL", "CWL0"},
    {"CEL3", "RCEL", "CEL3"},
    {"CT02B05" + std::string("3021A365") + Repeat("2121", 26), "RCT02B05",
     "CT02B053021A365" + Repeat("2121", 26)},
    {"GRM007" + kGlyph7, "RFBMMA36B", "FBMMA36B" + kGlyph7},
    {"GRL070" + Repeat("F", 576), "RFBMLA44C", "FBMLA44C" + Repeat("F", 576)},
    {"IA010.000.000.009", "RIA", "IA010.000.000.009"},
    {"GA010.000.000.001", "RGA", "GA010.000.000.001"},
    {"AA255.255.255.255", "RAA", "AA255.255.255.255"},
    {"SMA", "RSM", "SMA"},
    {"PN10001", "RPN", "PN10001"},
    {"KAON", "RKA", "KAON"},
    {"TR1", "RTR", "TR1"},
};

TEST(UnitCommands, SetCommandsAreAcceptedAndReadBack) {
  for (const auto& [set, read, expected] : kSetAndRead) {
    SimulatedUnit unit;
    const UnitReply reply = unit.Handle(set, true);
    EXPECT_EQ(reply.text, "GO") << set;
    EXPECT_TRUE(reply.changed) << set;
    EXPECT_EQ(unit.Handle(read, true).text, expected) << set;
  }
}

// Everything here is answered "E3" and leaves the unit as it was.
const std::string kMalformed[] = {
    "", "XYZ", "R", "cwl1", "CTD03T01ON", "CTD01X01ON", "CTD01T65ON", "CTD01T00ON", "CTD01T01NO",
    "CTD01T" + Repeat("N", 63), "CTD01T" + Repeat("N", 65), "CTD01T" + Repeat("N", 63) + "X",
    "CFS01T01X", "CFS01T01", "AST01T01AB", "AST01T015", "AST01T" + Repeat("02", 63) + "2X",
    "CWL4", "CWL", "CWL12", "CEL-", "CTDPO01T16", "CTDPO01T7", "CTDPO01TAS", "P01T65", "P01TA", "P01T0",
    "SUS01T00", "SUS0", "CT01T01" + Repeat("2121", 27), "CT01T01" + Repeat("2121", 27) + "21",
    "CT01T01" + Repeat("2121", 27) + "217F", "CT01T01" + Repeat("2121", 27) + "2a21",
    "CT01T01" + Repeat("2121", 27) + "2020", "CT01T01" + Repeat("2121", 27) + "7F21",
    "CT01T01" + Repeat("2121", 27) + "A37F", "CT01T01" + Repeat("2121", 27) + "A64B",
    "CT01T00" + kBlankTitle, "CN03T01" + kBlankTitle, "G071C01T01I01", "G001C01T01I15", "G000C01T01I01",
    "G001X01T01I01", "G001C01T01X01", "G001C01T01I00", "G001C01T01I1", "GRL071" + Repeat("0", 576),
    "GRL001" + Repeat("0", 575), "GRL001" + Repeat("a", 576), "GRX001" + Repeat("0", 576), "GRL",
    "RFBMLA44D", "RFBMMA549", "RFBMLA37F", "RFBMLA3", "RFBMXA365", "RFBMla365", "RFBML7F21",
    "IA192.168.001.256", "IA192.168.1.3", "IA192,168,001,003", "SMD", "SM", "PN9004", "PN00000",
    "PN65536", "KAOX", "KA", "TR0", "TR7", "SA32", "SA5", "RCT01T", "RCTD01T05", "RCEL1", "RAA1",
    "RCN01T01", "RSA", "RGRL001", "RG001C01T01I01", "RMA00", "MA00-11-22-33-44-66", "VN2.00",
    std::string("CWL\0", 4), "\xff\xfe", "RCT01T01\x80",
};

TEST(UnitCommands, MalformedLinesAreAnsweredE3AndChangeNothing) {
  for (const std::string& line : kMalformed) {
    SimulatedUnit unit;
    const UnitReply reply = unit.Handle(line, true);
    EXPECT_EQ(reply.text, "E3") << line;
    EXPECT_FALSE(reply.changed) << line;
    EXPECT_EQ(unit.state(), SimulatedUnit().state()) << line;
  }
}

TEST(UnitCommands, OnlyNetworkAndSlaveAddressCommandsComeWithoutAddress) {
  SimulatedUnit unit;
  EXPECT_EQ(unit.Handle("RAA", false).text, "AA192.168.001.003");
  EXPECT_EQ(unit.Handle("KAON", false).text, "GO");
  EXPECT_EQ(unit.Handle("SA07", false).text, "GO");
  EXPECT_EQ(unit.address(), 7);
  EXPECT_EQ(unit.Handle("CWL0", false).text, "E3");
  EXPECT_EQ(unit.Handle("RCWL", false).text, "E3");
  EXPECT_EQ(unit.state().white_level, 3);
}

TEST(UnitCommands, NotStoredTitleIsShownButNotReadBack) {
  SimulatedUnit unit;
  const std::string shown = "3021" + Repeat("2121", 27);
  ASSERT_EQ(unit.Handle("CN01T01" + shown, true).text, "GO");
  EXPECT_EQ(unit.Handle("RCT01T01", true).text, "CT01T01" + kBlankTitle);
  EXPECT_EQ(unit.state().shown_titles[0][0], 0x3021);
  ASSERT_EQ(unit.Handle("CT01T01" + kBlankTitle, true).text, "GO");
  EXPECT_EQ(unit.state().shown_titles[0][0], 0x2121);
}

struct Insertion {
  char size;
  std::string command;
  int position;
  unsigned code;  // 0: refused
};

// The page's character size decides which glyph numbers and positions fit.
const Insertion kInsertions[] = {
    {'L', "G070C01B12I14", 14, 0xA44C}, {'L', "G071C01B12I01", 0, 0}, {'L', "G001C01B12I15", 0, 0},
    {'M', "G160C01B12I21", 21, 0xA548}, {'M', "G161C01B12I01", 0, 0}, {'M', "G001C01B12I22", 0, 0},
    {'S', "G256C01B12I28", 28, 0xA64A}, {'S', "G027C01B12I01", 1, 0xA421}, {'S', "G257C01B12I01", 0, 0},
};

TEST(UnitCommands, GlyphInsertionShowsInTheStoredTitle) {
  for (const auto& [size, command, position, code] : kInsertions) {
    SimulatedUnit unit;
    ASSERT_EQ(unit.Handle(std::string("CFS01B12") + size, true).text, "GO");
    const std::string before = unit.Handle("RCT01B12", true).text;
    EXPECT_EQ(unit.Handle(command, true).text, code ? "GO" : "E3") << command;
    std::string expected = before;
    if (code) expected.replace(7 + 4 * (position - 1), 4, Hex4(code));
    EXPECT_EQ(unit.Handle("RCT01B12", true).text, expected) << command;
  }
}

TEST(UnitCommands, GlyphReadsAreRefusedWhileAutoSwitchingWhenAskedTo) {
  SimulatedUnit strict(0, {.refuse_glyph_reads_while_auto_switching = true});
  SimulatedUnit lenient;
  for (SimulatedUnit* unit : {&strict, &lenient}) ASSERT_EQ(unit->Handle("P02BAS", true).text, "GO");
  EXPECT_EQ(strict.Handle("RFBMLA365", true).text, "GN");
  EXPECT_EQ(strict.Handle("RCT01T01", true).text, "CT01T01" + kBlankTitle);
  EXPECT_EQ(lenient.Handle("RFBMLA365", true).text.substr(0, 8), "FBMLA365");
  ASSERT_EQ(strict.Handle("P02B05", true).text, "GO");
  EXPECT_EQ(strict.Handle("RFBMLA365", true).text.substr(0, 8), "FBMLA365");
}

TEST(UnitCommands, BuiltInCharactersReadAsDistinctGlyphs) {
  SimulatedUnit unit;
  const std::string a = unit.Handle("RFBML3021", true).text;
  const std::string b = unit.Handle("RFBML3022", true).text;
  ASSERT_EQ(a.size(), 8u + 576);
  EXPECT_EQ(a.substr(0, 8), "FBML3021");
  EXPECT_NE(a.substr(8), b.substr(8));
  EXPECT_NE(a.substr(8), Repeat("0", 576));
  EXPECT_EQ(unit.Handle("RFBMS2121", true).text.size(), 8u + 144);
}

}  // namespace
}  // namespace vtg::sim
