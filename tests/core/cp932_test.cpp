// The code page 932 rule checked against glibc's own converters over every double-byte code.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "glibc_converter.h"
#include "link/cp932.h"
#include "text_builders.h"
#include "titles/title_codes.h"

namespace vtg {
namespace {

using testing::GlibcConverter;
using testing::Pair;

unsigned Value(const std::string& s) { return (static_cast<unsigned char>(s[0]) << 8) | static_cast<unsigned char>(s[1]); }

bool IsLead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrail(unsigned b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

TEST(Cp932, JisX0208AgreesWithGlibcBothWays) {
  GlibcConverter sjis_to_euc("EUC-JP", "SHIFT_JIS");
  ASSERT_TRUE(sjis_to_euc.ok());
  int compared = 0;
  for (unsigned v = 0x8140; v <= 0xEFFC; ++v) {
    if (!IsLead(v >> 8) || !IsTrail(v & 0xFF)) continue;
    const auto euc = sjis_to_euc(Pair(v));
    if (!euc || euc->size() != 2) continue;
    const unsigned jis = Value(*euc) & 0x7F7F;
    ASSERT_EQ(ShiftJisToJis(v), jis) << std::hex << v;
    ASSERT_EQ(JisToShiftJis(jis), v) << std::hex << jis;
    ++compared;
  }
  EXPECT_GT(compared, 6800);  // every assigned JIS X 0208 character
}

TEST(Cp932, EveryJisCodeRoundTrips) {
  for (unsigned hi = 0x21; hi <= 0x7E; ++hi)
    for (unsigned lo = 0x21; lo <= 0x7E; ++lo) {
      const unsigned jis = (hi << 8) | lo;
      const auto sjis = JisToShiftJis(jis);
      ASSERT_TRUE(sjis) << std::hex << jis;
      ASSERT_EQ(ShiftJisToJis(*sjis), jis) << std::hex << jis;
    }
  EXPECT_FALSE(JisToShiftJis(0x2120));
  EXPECT_FALSE(JisToShiftJis(0x7F21));
}

// An IBM extension is moved to its NEC-selected twin: the same character under code page 932.
TEST(Cp932, IbmExtensionsMoveToTheSameCharacter) {
  GlibcConverter cp932("UTF-32LE", "CP932");
  ASSERT_TRUE(cp932.ok());
  int moved = 0;
  for (unsigned v = 0xFA40; v <= 0xFC4B; ++v) {
    if (!IsTrail(v & 0xFF)) continue;
    const auto jis = ShiftJisToJis(MoveIbmExtension(v));
    const auto original = cp932(Pair(v));
    const bool unmovable = (v >= 0xFA4A && v <= 0xFA54) || (v >= 0xFA58 && v <= 0xFA5B);
    if (unmovable || !original) {
      EXPECT_FALSE(jis) << std::hex << v;
      continue;
    }
    ASSERT_TRUE(jis) << std::hex << v;
    EXPECT_EQ(cp932(Pair(*JisToShiftJis(*jis))), original) << std::hex << v;
    ++moved;
  }
  EXPECT_EQ(moved, 388 - 11 - 4);
}

TEST(Cp932, SingleBytesAndUnusedLeadsAreRefused) {
  for (unsigned v : {0x4142u, 0xB1B2u, 0xF040u, 0xF9FCu, 0x817Fu, 0x81FDu, 0xFD40u}) EXPECT_FALSE(ShiftJisToJis(v)) << std::hex << v;
}

TEST(TitleCodes, SendAndReadBackAreInverses) {
  struct Case { unsigned pair; std::optional<unsigned> code; } cases[] = {
      {0x8740, 0x2D21}, {0xFA40, 0x7C71}, {0xFA58, std::nullopt}, {0x1020, 0xA365},
      {0x1100, 0xA445}, {0x889F, 0x3021}, {0x8140, 0x2121}, {0x1339, 0xA67E}, {0x1305, 0xA64A}};
  for (const auto& c : cases) EXPECT_EQ(TitlePairToUnitCode(c.pair), c.code) << std::hex << c.pair;
  // Every glyph code and every JIS code read back is sent again as itself.
  for (unsigned code = 0xA365; code <= 0xA64A; ++code) {
    if ((code & 0xFF) < 0x21 || (code & 0xFF) > 0x7E) continue;
    ASSERT_EQ(TitlePairToUnitCode(UnitCodeToTitlePair(code)), code) << std::hex << code;
  }
  EXPECT_EQ(UnitCodeToTitlePair(0x7F7F), kUndecodableSjis);
  EXPECT_EQ(UnitCodeToTitlePair(0x0000), kUndecodableSjis);
}

TEST(TitleCodes, DecodeDropsTrailingSpacesOnly) {
  std::string digits = "2121" "3021";
  for (int i = 2; i < 28; ++i) digits += "2121";
  EXPECT_EQ(DecodeTitleDigits(digits), std::string("\x81\x40\x88\x9F"));
  EXPECT_EQ(DecodeTitleDigits(std::string(112, '0')).value().size(), 56u);
  // A glyph whose pair holds a zero byte keeps its place: the title length is explicit.
  std::string glyph = "A645";
  for (int i = 1; i < 28; ++i) glyph += "2121";
  EXPECT_EQ(DecodeTitleDigits(glyph), std::string("\x13\x00", 2));
  EXPECT_FALSE(DecodeTitleDigits(std::string(111, '2')));
  EXPECT_FALSE(DecodeTitleDigits(std::string(112, 'a')));
}

}  // namespace
}  // namespace vtg
