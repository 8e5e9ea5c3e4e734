// Outline group cells: collapsing hides the governed columns or rows, opening shows them and keeps nested
// groups collapsed; toggling by mouse and key; measuring and drawing.
#include "cells/GroupCell.h"
#include "CellTestSheet.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv {
namespace {

// A 10 x 10 sheet with two title columns and rows; Reset starts over with a fresh one.
class GroupTest : public ::testing::Test {
protected:
    GroupTest() { Reset(); }

    void Reset()
    {
        m_sheet = std::make_unique<TXLSheet>();
        Sheet().SetColCount(10);
        Sheet().SetRowCount(10);
        Sheet().SetTitleCols(2);
        Sheet().SetTitleRows(2);
    }
    TXLSheet& Sheet() { return *m_sheet; }

    // A group cell anchoring a merged range of the section.
    TXLCGroup& Group(TXLSector sector, const Rect& rect)
    {
        TXLSection& section = Sheet().Section(sector);
        auto& group = static_cast<TXLCGroup&>(section.ReplaceCell(rect.TopLeft(), &TXLCGroup::Class()));
        group.SetRect(rect);
        return group;
    }

    // The hidden client indexes among [0, 10) of the axis.
    std::vector<int> Hidden(TXLAxis axis)
    {
        std::vector<int> hidden;
        for (int i = 0; i < 10; ++i)
            if (!Sheet().IsVisible(i, axis))
                hidden.push_back(i);
        return hidden;
    }

private:
    std::unique_ptr<TXLSheet> m_sheet;
};

TEST_F(GroupTest, CollapsingHidesWhatLiesPastTheHeadBelowOrBeside)
{
    struct Case {
        const char* name;
        TXLSector sector;
        Rect group;
        Rect head; // merged next to the group's start; empty for a single cell
        TXLAxis axis;
        std::vector<int> hidden;
    };
    const Case cases[] = {
        {"horizontal, single cell below", sClient, {0, 0, 5, 1}, {}, axCols, {1, 2, 3, 4}},
        {"horizontal, range below", sClient, {0, 0, 5, 1}, {0, 1, 2, 3}, axCols, {2, 3, 4}},
        {"vertical, single cell beside", sClient, {0, 0, 1, 4}, {}, axRows, {1, 2, 3}},
        {"vertical, range beside", sClient, {3, 2, 5, 8}, {5, 2, 7, 5}, axRows, {5, 6, 7}},
        {"square counts as horizontal", sClient, {2, 2, 4, 4}, {}, axCols, {3}},
        {"in the column titles", sCols, {0, 0, 4, 1}, {}, axCols, {1, 2, 3}},
        // Row-title columns are sheet columns -1: the rows beside a group there are client rows.
        {"in the row titles", sRows, {0, 1, 1, 4}, {}, axRows, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.head.IsEmpty())
            Sheet().Section(c.sector).Merge(c.head);
        TXLCGroup& group = Group(c.sector, c.group);
        group.SetAsBoolean(true);
        EXPECT_EQ(Hidden(c.axis), c.hidden);
        EXPECT_TRUE(Hidden(c.axis == axCols ? axRows : axCols).empty());
        group.SetAsBoolean(false);
        EXPECT_TRUE(Hidden(c.axis).empty());
        Reset();
    }
}

TEST_F(GroupTest, OpeningKeepsANestedCollapsedGroupCollapsed)
{
    TXLCGroup& outer = Group(sClient, {0, 0, 5, 1});  // governs columns 1..4
    TXLCGroup& nested = Group(sClient, {1, 1, 5, 2}); // in the outer's strip, governs columns 2..4
    nested.SetAsBoolean(true);
    EXPECT_EQ(Hidden(axCols), (std::vector<int>{2, 3, 4}));
    outer.SetAsBoolean(true);
    EXPECT_EQ(Hidden(axCols), (std::vector<int>{1, 2, 3, 4}));
    outer.SetAsBoolean(false);
    EXPECT_EQ(Hidden(axCols), (std::vector<int>{2, 3, 4})) << "the nested group was applied again";
    EXPECT_TRUE(nested.Collapsed());
    nested.SetAsBoolean(false);
    EXPECT_TRUE(Hidden(axCols).empty());
}

TEST_F(GroupTest, NestingGoesDeeperThanOneLevel)
{
    TXLCGroup& outer = Group(sClient, {0, 0, 6, 1});
    Group(sClient, {1, 1, 6, 2});                    // open, in the outer's strip
    TXLCGroup& inner = Group(sClient, {2, 2, 6, 3}); // in the middle group's strip
    inner.SetAsBoolean(true);
    outer.SetAsBoolean(true);
    outer.SetAsBoolean(false);
    EXPECT_EQ(Hidden(axCols), (std::vector<int>{3, 4, 5}));
}

TEST_F(GroupTest, DoubleClickAndSpaceToggleWithoutConsumingTheKey)
{
    TXLCGroup& group = Group(sClient, {0, 0, 3, 1});
    group.DblClick();
    EXPECT_TRUE(group.Collapsed());
    EXPECT_EQ(group.GetValue(), Variant(true));
    char32_t key = U' ';
    group.KeyPress(key);
    EXPECT_FALSE(group.Collapsed());
    EXPECT_EQ(key, U' ');
    key = U'a';
    group.KeyPress(key);
    EXPECT_FALSE(group.Collapsed());
}

TEST_F(GroupTest, AnUnchangedFlagAppliesNothingButWriteNotifyStillNotifies)
{
    TXLCGroup& group = Group(sClient, {0, 0, 3, 1});
    group.SetAsBoolean(true);
    Sheet().SetVisible(1, axCols, true); // shown by hand
    Sheet().SetModified(false);
    group.SetAsBoolean(true);
    EXPECT_TRUE(Sheet().IsVisible(1, axCols)) << "an equal flag is not applied again";
    EXPECT_FALSE(Sheet().Modified());
    group.SetStyles(CellStyleBit(csWriteNotify));
    Sheet().SetModified(false);
    group.SetAsBoolean(true);
    EXPECT_TRUE(Sheet().Modified());
}

TEST_F(GroupTest, MeasuresTheDefaultRowHeightBothWays)
{
    Sheet().SetRowDefHeight(21);
    TXLCGroup& group = Group(sClient, {0, 0, 3, 1});
    RecordingCanvas canvas({1, 1});
    EXPECT_EQ(group.Measure(canvas), (Size{21, 21}));
}

TEST_F(GroupTest, DrawsABracketWhenOpenAndAButtonWithItsSign)
{
    struct Case {
        Rect range;
        bool collapsed;
        Rect bar;    // a pixel row or column of the bracket that must be black, empty when there is none
        Rect stroke; // the far-end stroke
        unsigned edge;
        const char* sign;
        Rect button;
    };
    // The cell rectangle is 100 x 20 (horizontal) or 20 x 100 (vertical); the bracket lies 3 pixels inside it.
    const Case cases[] = {
        {{0, 0, 5, 1}, false, {3, 9, 97, 11}, {95, 9, 97, 17}, BDR_SUNKENOUTER, "-", {1, 1, 19, 19}},
        {{0, 0, 5, 1}, true, {}, {}, BDR_RAISEDINNER, "+", {1, 1, 19, 19}},
        {{0, 0, 1, 5}, false, {9, 3, 11, 97}, {9, 95, 17, 97}, BDR_SUNKENOUTER, "-", {1, 1, 19, 19}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sign);
        TXLCGroup& group = Group(sClient, c.range);
        group.SetAsBoolean(c.collapsed);
        const bool horizontal = c.range.Width() > 1;
        RecordingCanvas canvas({110, 110});
        TXLDrawInfo info;
        info.Canvas = &canvas;
        Rect rect = horizontal ? Rect{0, 0, 100, 20} : Rect{0, 0, 20, 100};
        group.DrawValue(info, rect);

        const Region black = canvas.PixelsOfColor(0x000000);
        if (c.bar.IsEmpty()) {
            EXPECT_FALSE(black.Contains({50, 10}) || black.Contains({10, 50})) << "no bracket when collapsed";
        } else {
            EXPECT_TRUE(Region(c.bar).Subtract(black.Union(Rect(c.button))).IsEmpty());
            EXPECT_TRUE(Region(c.stroke).Subtract(black).IsEmpty());
            EXPECT_FALSE(black.Contains(horizontal ? Point{50, 8} : Point{8, 50})) << "the bar is 2 pixels thick";
        }
        const auto edges = canvas.OpsOfKind(CanvasOpKind::DrawEdge);
        ASSERT_EQ(edges.size(), 1u);
        EXPECT_EQ(edges[0].Bounds, c.button) << "a square at the group's start";
        EXPECT_EQ(edges[0].Edge, c.edge);
        EXPECT_TRUE(edges[0].Flags & BF_MIDDLE);
        const auto texts = canvas.OpsOfKind(CanvasOpKind::DrawText);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].Text, c.sign);
        EXPECT_EQ(texts[0].Brush.Style, bsClear);
        EXPECT_EQ(texts[0].Bounds, (Rect{3, 1, 19, 17})) << "inside the edge, 1 right and 1 up";
        Reset();
    }
}

TEST_F(GroupTest, ASingleCellGroupDrawsOnlyItsText)
{
    TXLCGroup& group = Group(sClient, {0, 0, 1, 1});
    RecordingCanvas canvas({40, 40});
    TXLDrawInfo info;
    info.Canvas = &canvas;
    Rect rect{0, 0, 30, 20};
    group.DrawValue(info, rect);
    EXPECT_TRUE(canvas.Ops().empty());
}

} // namespace
} // namespace qv
