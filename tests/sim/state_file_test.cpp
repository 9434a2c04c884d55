// Keeping the units' state between runs, and refusing files that are not state files.
#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_folder.h"
#include "sim/state_file.h"
#include "text_builders.h"

namespace vtg::sim {
namespace {

using testing::Repeat;

class StateFile : public ::testing::Test {
 protected:
  testing::ScratchFolder folder_;
  const std::string path_ = folder_ / "units.state";
};

// A unit changed in every kind of setting it keeps.
SimulatedUnit BusyUnit(int address) {
  SimulatedUnit unit(address);
  for (const std::string& line : {
           "CT02B053021A365" + Repeat("2121", 26), "CN01T01" + Repeat("3022", 28), "CTD01BF" + Repeat("N", 63),
           "CFS02TS" + Repeat("M", 63), std::string("AST02B0199"), std::string("P01TAS"), std::string("SUS02B33"),
           std::string("CTDPO01B15"), std::string("CWL0"), std::string("CEL2"), "GRS256" + Repeat("F", 144),
           "GRL001" + Repeat("8", 576), std::string("IA010.001.002.003"), std::string("GA010.001.002.254"),
           std::string("AA010.001.002.004"), std::string("SMA"), std::string("PN10001"), std::string("KAON"),
           std::string("TR2")}) {
    EXPECT_EQ(unit.Handle(line, true).text, "GO") << line;
  }
  unit.state().network.version = "2.10";
  unit.state().network.mac = "0A-0B-0C-0D-0E-0F";
  return unit;
}

TEST_F(StateFile, SavedUnitsLoadBackUnchanged) {
  const std::vector<SimulatedUnit> saved{BusyUnit(3), SimulatedUnit(7)};
  ASSERT_EQ(SaveUnits(path_, saved), "");
  EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));
  std::vector<SimulatedUnit> loaded{SimulatedUnit(0), SimulatedUnit(1)};
  ASSERT_EQ(LoadUnits(path_, loaded), "");
  EXPECT_EQ(loaded[0].state(), saved[0].state());
  EXPECT_EQ(loaded[1].state(), saved[1].state());
  EXPECT_EQ(loaded[0].address(), 3);
}

TEST_F(StateFile, NinetySixUnitsHoldingAllTheyCanLoadBack) {
  SimulatedUnit full(0);
  for (auto& glyphs : full.state().glyphs)
    for (std::string& glyph : glyphs) glyph.assign(glyph.size(), 'F');
  for (TitleCodes& title : full.state().shown_titles) title.fill(0x3021);
  const std::vector<SimulatedUnit> saved(96, full);
  ASSERT_EQ(SaveUnits(path_, saved), "");
  std::vector<SimulatedUnit> loaded(96);
  ASSERT_EQ(LoadUnits(path_, loaded), "");
  EXPECT_EQ(loaded.back().state(), full.state());
}

struct BadFile {
  std::string text;
  std::string message;  // part of the refusal
};

const BadFile kBadFiles[] = {
    {"", "is empty"},
    {"vtg7300-sim state 2\nunit 00\nend\n", "line 1: not a vtg7300-sim state file"},
    {"vtg7300-sim state 1\nunit 00\nCWL9\nend\n", "line 3: not a setting the unit accepts"},
    {"vtg7300-sim state 1\nunit 00\nRCWL\nend\n", "line 3: not a setting"},
    {"vtg7300-sim state 1\nunit 00\nMA00-11\nend\n", "line 3: bad MAC address"},
    {"vtg7300-sim state 1\nunit 00\nVN1.000\nend\n", "line 3: bad version"},
    {"vtg7300-sim state 1\nunit 0\nend\n", "line 2: expected \"unit NN\""},
    {"vtg7300-sim state 1\nunit 32\nend\n", "line 2: expected \"unit NN\""},
    {"vtg7300-sim state 1\nCWL1\n", "line 2: expected \"unit NN\""},
    {"vtg7300-sim state 1\nunit 00\nCWL1\n", "has no \"end\""},
    {"vtg7300-sim state 1\nunit 00\nCWL1\nend\nunit 01\nend\n", "holds 2 unit(s), but 1 were asked for"},
    {std::string("\x7f" "ELF\x02\x01\x01\0\0", 9), "not a vtg7300-sim state file"},
};

TEST_F(StateFile, BadFilesAreRefusedAndChangeNothing) {
  for (const auto& [text, message] : kBadFiles) {
    testing::WriteFile(path_, text);
    std::vector<SimulatedUnit> units{SimulatedUnit(4)};
    const std::string error = LoadUnits(path_, units);
    EXPECT_NE(error.find(message), std::string::npos) << error;
    EXPECT_NE(error.find(path_), std::string::npos) << error;
    EXPECT_EQ(units[0].state(), SimulatedUnit(4).state()) << text;
  }
}

TEST_F(StateFile, MissingFileAndUnwritableFolderAreReported) {
  std::vector<SimulatedUnit> units(1);
  EXPECT_NE(LoadUnits(path_, units), "");
  EXPECT_NE(SaveUnits(folder_ / "no-such-folder/units.state", units), "");
}

}  // namespace
}  // namespace vtg::sim
