#include "titles/page_cells.h"

#include <gtest/gtest.h>

#include "default_state.h"
#include "text_builders.h"
#include "titles/page_edits.h"

namespace vtg {
namespace {

using testing::Pair;

class PageCells : public ::testing::Test {
 protected:
  ControllerState state = testing::DefaultState();
  SettingsImage& image = state.image;
};

TEST_F(PageCells, TitleBlockOfSixteenHoldingThePage) {
  image.title_text[TitleIndex(1, 16)] = Pair(0x889F) + Pair(0x1020) + Pair(0x1100);
  image.title_text[TitleIndex(1, 31)] = Pair(0x82A0);
  const TitleCells cells = TitlePageCells(image, 1, 16);
  // The first glyph row shows as a full-width space; other glyph pairs as they are.
  EXPECT_EQ(cells[0], "Page17=" + Pair(0x889F) + Pair(0x8140) + Pair(0x1100));
  EXPECT_EQ(cells[15], "Page32=" + Pair(0x82A0));
  EXPECT_EQ(TitlePageCells(image, 1, 63)[0], "Page49=");
  image.title_text[0] = "A" + Pair(0x1020) + "B";  // only pairs at even offsets are blanked
  EXPECT_EQ(TitlePageCells(image, 0, 0)[0], "Page01=A" + Pair(0x1020) + "B");
}

TEST_F(PageCells, SettingBlocksOfThirtyTwo) {
  image.display_flag[TitleIndex(2, 63)] = 0;
  image.char_size[TitleIndex(0, 0)] = 2;
  image.auto_switch_time[TitleIndex(3, 4)] = 10;
  const SettingCells flags = DisplayFlagCells(image, 2, 39);
  EXPECT_EQ(flags[0], "Page33 = ON ");
  EXPECT_EQ(flags[31], "Page64 = OFF");
  EXPECT_EQ(CharSizeCells(image, 0, 31)[0], "Page01 = SMALL ");
  EXPECT_EQ(CharSizeCells(image, 0, 31)[1], "Page02 = LARGE ");
  EXPECT_EQ(AutoSwitchCells(image, 3, 0)[4], "Page05 = 10 \x95\x62");  // " 秒" in code page 932
}

TEST_F(PageCells, OnlyARealTitleEditMarksTheDocument) {
  state.selection.current_line = 2;
  state.selection.current_page = 5;
  image.title_text[TitleIndex(2, 5)] = Pair(0x889F);
  EditCurrentTitle(state, Pair(0x889F));  // the box was loaded with the stored title
  EXPECT_EQ(state.doc.doc_modified, 0);
  EditCurrentTitle(state, std::string(62, 'a'));
  EXPECT_EQ(state.doc.doc_modified, 1);
  EXPECT_EQ(image.title_text[TitleIndex(2, 5)], std::string(59, 'a'));
}

TEST(TitleEditFits, UpTo56BytesOrNotLongerThanBefore) {
  struct Case {
    std::size_t before, after;
    bool fits;
  };
  for (const Case& c : {Case{54, 56, true}, Case{56, 58, false}, Case{0, 57, false}, Case{59, 58, true},
                        Case{58, 58, true}, Case{58, 59, false}})
    EXPECT_EQ(TitleEditFits(c.before, c.after), c.fits) << c.before << " -> " << c.after;
}

TEST_F(PageCells, SameValueForAWholeLineLeavesTheOthers) {
  EditSettings(state, WholeLine(image.char_size, 1), 2);
  EXPECT_EQ(std::tuple(image.char_size[TitleIndex(1, 0)], image.char_size[TitleIndex(1, 63)],
                       image.char_size[TitleIndex(0, 63)], image.char_size[TitleIndex(2, 0)]),
            std::tuple(2, 2, 0, 0));
}

}  // namespace
}  // namespace vtg
