// Range proxies: one change reaching every cell of a rectangle.
#include "sheet/ProRange.h"
#include "RecordingSheetUser.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class ProRangeTest : public ::testing::Test {
protected:
    TXLSheet sheet;
    TXLSection& client = sheet.Section(sClient);
    TXLRange range{client, {1, 1, 3, 4}};
};

TEST_F(ProRangeTest, AttributesCoverTheWholeRectangle)
{
    range.SetColor(clRed);
    range.SetHorzAlign(haCenter);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 3; ++x) {
            EXPECT_EQ(client.GetLayerValue(kLayerColor, x, y), clRed);
            EXPECT_EQ(UnpackLayout(client.GetLayerValue(kLayerLayout, x, y)).HorzAlign, haCenter);
        }
    EXPECT_EQ(client.GetLayerValue(kLayerColor, 0, 1), clWindow);
    EXPECT_EQ(range.Props(), 0) << "a proxy records nothing";
}

TEST_F(ProRangeTest, SidesOfTheRectangleAreItsOuterLines)
{
    range.SetSides(SideBit(sLeft) | SideBit(sBottom) | SideBit(sHInside));
    EXPECT_EQ(range.Sides(), SideBit(sLeft) | SideBit(sBottom) | SideBit(sHInside));
    EXPECT_NE(client.GetLayerValue(kLayerVertLines, 1, 3), 0);
    EXPECT_EQ(client.GetLayerValue(kLayerVertLines, 3, 1), 0);
    EXPECT_NE(client.GetLayerValue(kLayerHorzLines, 2, 4), 0) << "the bottom is the top line of the row below";
    EXPECT_NE(client.GetLayerValue(kLayerHorzLines, 1, 2), 0);
    EXPECT_EQ(sheet.GetCell(2, 4).Side(sTop).Width, 1);
    range.ClearRange(2);
    EXPECT_EQ(range.Sides(), 0);
}

TEST_F(ProRangeTest, FontAndFormatReachEveryCell)
{
    client.GetCell({2, 3}).SetAsString("existing");
    range.Font().SetStyle(fsBold);
    range.SetFormat("@@");
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 3; ++x) {
            TXLCell* cell = client.FindCell({x, y});
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->Font().Style(), fsBold);
            EXPECT_EQ(cell->Format(), "@@");
        }
    range.Font().SetHeight(-30);
    EXPECT_EQ(client.FindCell({1, 1})->Font().Style(), fsBold) << "only the changed member is copied";
    EXPECT_EQ(client.FindCell({1, 1})->Font().Height(), -30);
}

TEST_F(ProRangeTest, ValueAndStyleActOnTheOrigin)
{
    range.SetValue("top-left");
    EXPECT_EQ(range.GetValue(), Variant("top-left"));
    EXPECT_EQ(client.FindCell({2, 2}), nullptr);
}

TEST_F(ProRangeTest, AssigningItToACellMergesTheCellToItsSizeFirst)
{
    sheet.SetColCount(10);
    sheet.SetRowCount(10);
    TXLCell& origin = client.GetCell({1, 1});
    origin.Assign(range);
    EXPECT_EQ(origin.GetRect(), (Rect{1, 1, 3, 4}));
    ASSERT_EQ(client.Unions().size(), 1u);
    EXPECT_EQ(client.Unions()[0]->Anchor(), &origin);
    TXLCell& elsewhere = client.GetCell({5, 0});
    elsewhere.Assign(range);
    EXPECT_EQ(elsewhere.GetRect(), (Rect{5, 0, 7, 3})) << "the range's size, at the cell's own place";
    EXPECT_EQ(client.CheckInvariants(), "");
}

TEST_F(ProRangeTest, MergingAndClearing)
{
    TXLRange row{client, {0, 0, 3, 1}};
    EXPECT_TRUE(row.Merge(false));
    EXPECT_FALSE(row.Merge(false)) << "already one range";
    EXPECT_TRUE(range.Merge(true));
    EXPECT_EQ(client.Unions().size(), 4u);
    client.GetCell({1, 1}).SetHint("hint");
    range.ClearRange(4);
    EXPECT_EQ(client.FindCell({1, 1})->Hint(), "");
    range.ClearRange(1);
    EXPECT_EQ(client.FindCell({1, 1}), nullptr);
    EXPECT_FALSE(range.ClearRange(0));
    EXPECT_EQ(client.CheckInvariants(), "");
}

} // namespace
} // namespace qv
