// Sections: cells on demand, merged ranges and their normalisation, layers, iteration and truncation.
#include "RecordingSheetUser.h"
#include "cells/StringCell.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class SectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.SetColCount(10);
        sheet.SetRowCount(10);
    }
    void TearDown() override { EXPECT_EQ(client().CheckInvariants(), ""); }

    TXLSection& client() { return sheet.Section(sClient); }
    void SetText(int col, int row, const std::string& text) { client().GetCell({col, row}).SetAsString(text); }

    TXLSheet sheet;
};

TEST_F(SectionTest, PointsInsideARangeResolveToItsAnchor)
{
    client().Merge({0, 0, 3, 3});
    EXPECT_EQ(client().FindCell({1, 1}), nullptr);
    TXLCell& anchor = client().GetCell({1, 1});
    EXPECT_EQ(anchor.Col(), 0);
    EXPECT_EQ(anchor.GetRect(), (Rect{0, 0, 3, 3}));
    EXPECT_TRUE(anchor.HasFlag(kFlagAnchor));
    EXPECT_EQ(client().FindCell({2, 2}), &anchor);
    EXPECT_EQ(client().ResolvePoint({2, 1}), (Point{0, 0}));
    EXPECT_EQ(client().ResolvePoint({3, 3}), (Point{3, 3}));
}

TEST_F(SectionTest, MergingFreesCoveredCellsForGood)
{
    SetText(0, 0, "anchor");
    SetText(1, 1, "covered");
    client().Merge({0, 0, 2, 2});
    EXPECT_EQ(client().Get(1) ? client().Get(1)->Get(1) : nullptr, nullptr);
    EXPECT_EQ(client().FindCell({0, 0})->GetAsString(), "anchor");
    client().RemoveUnionsIn({0, 0, 2, 2});
    EXPECT_EQ(client().FindCell({1, 1}), nullptr);
    EXPECT_FALSE(client().FindCell({0, 0})->HasFlag(kFlagAnchor));
}

TEST_F(SectionTest, MergingOverAnExistingRangeReplacesIt)
{
    client().Merge({0, 0, 2, 2});
    client().Merge({1, 1, 4, 3});
    ASSERT_EQ(client().Unions().size(), 1u);
    EXPECT_EQ(client().Unions()[0]->GetRect(), (Rect{1, 1, 4, 3}));
}

TEST_F(SectionTest, MergesAreClippedToTheSectionBounds)
{
    sheet.SetColCount(6);
    sheet.SetRowCount(6);
    client().Merge({4, 4, 8, 8});
    ASSERT_EQ(client().Unions().size(), 1u);
    EXPECT_EQ(client().Unions()[0]->GetRect(), (Rect{4, 4, 6, 6}));
    client().Merge({5, 5, 8, 8}); // one cell after clipping: nothing
    EXPECT_EQ(client().Unions()[0]->GetRect(), (Rect{4, 4, 6, 6}));
}

TEST_F(SectionTest, AttributeWritesGrowToWholeRanges)
{
    client().Merge({0, 0, 2, 1});
    client().GetCell({3, 3}); // a neighbour that must stay untouched
    TXLCell& cell = client().GetCell({1, 0});
    cell.SetColor(clRed);
    EXPECT_EQ(client().GetLayerValue(kLayerColor, 0, 0), clRed);
    EXPECT_EQ(client().GetLayerValue(kLayerColor, 1, 0), clRed);
    EXPECT_EQ(client().GetLayerValue(kLayerColor, 2, 0), clWindow);
}

TEST_F(SectionTest, NormalisingKeepsUniformEdgesAndDropsMixedOnes)
{
    TXLCell& top = client().GetCell({0, 0});
    client().GetCell({1, 0}).SetSide(sTop, {1, clBlack});
    top.SetSide(sTop, {1, clBlack});                      // the top edge is uniform
    client().GetCell({0, 1}).SetSide(sLeft, {2, clRed});  // only half the left edge
    client().GetCell({1, 1}).SetSide(sLeft, {1, clBlue}); // an inside line
    client().Merge({0, 0, 2, 2});
    EXPECT_NE(client().GetLayerValue(kLayerHorzLines, 0, 0), 0);
    EXPECT_NE(client().GetLayerValue(kLayerHorzLines, 1, 0), 0);
    EXPECT_EQ(client().GetLayerValue(kLayerVertLines, 0, 1), 0);
    EXPECT_EQ(client().GetLayerValue(kLayerVertLines, 1, 1), 0);
    EXPECT_EQ(top.Sides() & SideBit(sTop), SideBit(sTop));
}

TEST_F(SectionTest, IterationVisitsARangeOnceAtItsTopLeft)
{
    client().Merge({0, 0, 2, 2});
    std::vector<Point> visited;
    client().ForEachPosition({0, 0, 3, 3}, [&](Point p) {
        visited.push_back(p);
        return true;
    });
    const std::vector<Point> expected{{0, 0}, {2, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    EXPECT_EQ(visited, expected);
    int created = client().ForEachCell({0, 0, 3, 3}, TXLCellWalk::Create, [](TXLCell&) { return true; });
    EXPECT_EQ(created, 6);
    int stopped = client().ForEachCell({0, 0, 3, 3}, TXLCellWalk::Existing, [](TXLCell& c) { return c.Col() != 2; });
    EXPECT_EQ(stopped, 2);
}

TEST_F(SectionTest, ReplacingACellKeepsLayoutFontAndValue)
{
    TXLCell& text = client().GetCell({2, 2});
    text.SetAsString("12");
    text.SetHorzAlign(haRight);
    text.Font().SetStyle(fsBold);
    struct Other : TXLCString {
        static const TXLCellClass& Class()
        {
            static const TXLCellClass cls{"Other", MakeCell<Other>};
            return cls;
        }
        const TXLCellClass* GetCellClass() const override { return &Class(); }
    };
    TXLCell& replaced = client().ReplaceCell({2, 2}, &Other::Class());
    EXPECT_EQ(replaced.GetCellClass(), &Other::Class());
    EXPECT_EQ(replaced.GetAsString(), "12");
    EXPECT_EQ(replaced.HorzAlign(), haRight);
    EXPECT_EQ(replaced.Font().Style(), fsBold);
    EXPECT_EQ(&client().ReplaceCell({2, 2}, &Other::Class()), &replaced);
}

TEST_F(SectionTest, TruncatingColumnsFreesCellsAndCutsRanges)
{
    SetText(1, 0, "kept");
    SetText(2, 1, "gone");
    SetText(7, 5, "gone too");
    client().Merge({1, 0, 4, 2});
    client().Merge({3, 3, 6, 4});
    sheet.SetColCount(2);
    EXPECT_EQ(client().FindCell({7, 5}), nullptr);
    EXPECT_EQ(client().Get(1) ? client().Get(1)->Get(2) : nullptr, nullptr);
    ASSERT_EQ(client().Unions().size(), 1u);
    EXPECT_EQ(client().Unions()[0]->GetRect(), (Rect{1, 0, 2, 2}));
    EXPECT_EQ(client().FindCell({1, 0})->GetAsString(), "kept");
}

TEST_F(SectionTest, LoweringTheRowCountKeepsLayersForLater)
{
    TXLCell& cell = client().GetCell({0, 8});
    cell.SetAsString("x");
    cell.SetColor(clYellow);
    sheet.SetRowCount(5);
    EXPECT_EQ(client().FindCell({0, 8}), nullptr);
    sheet.SetRowCount(10);
    EXPECT_EQ(client().FindCell({0, 8}), nullptr);
    EXPECT_EQ(client().GetCell({0, 8}).Color(), clYellow);
}

TEST_F(SectionTest, ReadUniformReportsLargestAndUniformity)
{
    struct Case {
        std::vector<std::pair<int, int32_t>> lines; // (row, packed) in column 0
        int32_t largest;
        bool uniform;
    } cases[] = {
        {{}, 0, true},
        {{{0, 5}, {1, 5}, {2, 5}}, 5, true},
        {{{0, 5}, {2, 5}}, 5, false},
        {{{0, 3}, {1, 7}, {2, 3}}, 7, false},
    };
    for (const auto& c : cases) {
        TXLSheet s;
        TXLSection& section = s.Section(sClient);
        for (auto [row, value] : c.lines)
            section.SetLines(kLayerVertLines, 0, 1, row, row + 1, value);
        bool uniform = false;
        EXPECT_EQ(section.ReadUniform(kLayerVertLines, 0, 1, 0, 3, uniform), c.largest);
        EXPECT_EQ(uniform, c.uniform);
    }
}

TEST_F(SectionTest, HintsAndExternalHints)
{
    TXLCell& cell = client().GetCell({1, 1});
    cell.SetHint("note");
    EXPECT_EQ(cell.Hint(), "note");
    EXPECT_TRUE(cell.Holds(prHint));
    EXPECT_EQ(client().GetHintAt({1, 1}), "note");
    cell.SetHint("");
    EXPECT_FALSE(cell.Holds(prHint));
    sheet.OnGetCellHint = [](TXLSheet&, Point p, std::string& text) { text = "ext " + std::to_string(p.x); };
    TXLCell& ext = client().GetCell({2, 2});
    ext.SetStyles(CellStyleBit(csExtHint));
    ext.SetHint("ignored");
    EXPECT_EQ(ext.Hint(), "");
    EXPECT_EQ(client().GetHintAt({2, 2}), "ext 2");
    sheet.OnSetCellHint = [](TXLSheet&, Point, std::string& text) { text += "!"; };
    cell.SetHint("hi");
    EXPECT_EQ(cell.Hint(), "hi!");
}

} // namespace
} // namespace qv
