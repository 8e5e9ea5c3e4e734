// Cells: inherited formatting, own groups, change reports, editor clamping, format parts, measuring, naming.
#include "RecordingSheetUser.h"
#include "cells/StringCell.h"
#include "platform/RecordingCanvas.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

#include <climits>

namespace qv {
namespace {

TEST(Cell, ANewClientCellInheritsEverythingAndHoldsNothing)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(0, 0);
    EXPECT_EQ(cell.GetCellClass(), &TXLCString::Class());
    EXPECT_EQ(cell.VertAlign(), vaBottom);
    EXPECT_EQ(cell.WrapMode(), wmWrapWords);
    EXPECT_EQ(cell.HorzAlign(), haLeft);
    EXPECT_EQ(static_cast<uint32_t>(cell.Color()), 0x9F000005u);
    EXPECT_EQ(cell.Props(), 0);
    EXPECT_EQ(cell.Font().Name(), "Arial");
    EXPECT_EQ(cell.Props(), 0) << "reading the font must not count as a change";
}

TEST(Cell, TitleCellsAreCentredRaisedAndButtonFaced)
{
    TXLSheet sheet;
    for (Point p : {Point{-1, -1}, Point{-1, 0}, Point{0, -1}}) {
        TXLCell& cell = sheet.GetCell(p.x, p.y);
        EXPECT_EQ(cell.HorzAlign(), haCenter);
        EXPECT_EQ(cell.VertAlign(), vaCenter);
        EXPECT_EQ(cell.Frame(), frFlatUp);
        EXPECT_EQ(static_cast<uint32_t>(cell.Color()), static_cast<uint32_t>(clBtnFace) & 0x9FFFFFFFu);
    }
}

TEST(Cell, ColourEqualToTheBaseColourStoresNothing)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(2, 2);
    cell.SetColor(clRed);
    EXPECT_NE(sheet.Section(sClient).AttrLayer(kLayerColor).Get(2), nullptr);
    cell.SetColor(clWindow);
    EXPECT_TRUE(sheet.Section(sClient).AttrLayer(kLayerColor).Get(2)->IsEmpty());
    cell.SetColor(clRed);
    cell.SetColor(clNone); // none means the base colour
    EXPECT_TRUE(sheet.Section(sClient).AttrLayer(kLayerColor).Get(2)->IsEmpty());
}

TEST(Cell, OwnGroupsAreRecordedAndGivenBackByProps)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(0, 0);
    cell.SetHorzAlign(haRight);
    cell.Font().SetHeight(-20);
    EXPECT_EQ(cell.Props(), PropBit(prLayout) | PropBit(prFont));
    cell.SetProps(PropBit(prFont));
    EXPECT_EQ(cell.HorzAlign(), haLeft) << "the layout came back from the base style";
    EXPECT_EQ(cell.VertAlign(), vaBottom);
    EXPECT_EQ(cell.Font().Height(), -20);
    cell.SetProps(0);
    EXPECT_EQ(cell.Font().Height(), sheet.BaseClientStyle().Font().Height());
}

TEST(Cell, ValueChangesRepaintOnceAndMarkTheSheetModified)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(1, 1);
    test::RecordingSheetUser user(&sheet);
    sheet.SetModified(false);
    cell.SetFlag(kFlagRepaint, false);
    cell.SetAsString("a");
    cell.SetAsString("b"); // still waiting for the paint: no second request
    EXPECT_EQ(user.Count("InvalidateCells"), 1);
    EXPECT_TRUE(sheet.Modified());
    sheet.SetModified(false);
    cell.SetAsString("b");
    EXPECT_FALSE(sheet.Modified()) << "the same text again changes nothing";
    cell.SetStyles(CellStyleBit(csWriteNotify));
    sheet.SetModified(false);
    cell.SetAsString("b");
    EXPECT_TRUE(sheet.Modified());
}

TEST(Cell, EditorOutsideTheRegisteredOnesIsZero)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(0, 0);
    const int count = XLManager().EditorCount(&TXLCString::Class());
    ASSERT_EQ(count, 3);
    struct Case {
        int given, stored;
    } cases[] = {{1, 1}, {2, 2}, {3, 0}, {-1, 0}, {100, 0}};
    for (const auto& c : cases) {
        cell.SetEditor(c.given);
        EXPECT_EQ(cell.Editor(), c.stored) << c.given;
    }
}

TEST(Cell, FormatHasAMaskAndAKind)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(0, 0);
    struct Case {
        const char* format;
        const char* mask;
        const char* kind;
    } cases[] = {{"0.00|S", "0.00", "s"},
                 {"DD/MM/YYYY|c", "DD/MM/YYYY", "c"},
                 {"#,##0", "#,##0", ""},
                 {"a|b|C", "a", "b|c"},
                 {"", "", ""}};
    for (const auto& c : cases) {
        cell.SetFormat(c.format);
        EXPECT_EQ(cell.GetFormatMask(), c.mask);
        EXPECT_EQ(cell.GetFormatKind(), c.kind);
    }
    EXPECT_TRUE(cell.Holds(prControl));
}

TEST(Cell, NamePathsUseSheetCoordinates)
{
    TXLSheet sheet;
    sheet.SetColCount(10);
    sheet.SetRowCount(10);
    EXPECT_EQ(sheet.GetCell(2, 3).GetNamePath(), "Cell [2, 3]");
    EXPECT_EQ(sheet.GetCell(-1, 0).GetNamePath(), "Cell [-1, 0]");
    TXLCell& merged = sheet.GetCell(4, 4);
    merged.SetWidth(3);
    merged.SetHeight(2);
    EXPECT_EQ(merged.GetRect(), (Rect{4, 4, 7, 6}));
    EXPECT_EQ(merged.GetNamePath(), "Cells [4, 4 : 6, 5]");
    EXPECT_TRUE(merged.IsSingle());
    merged.SetWidth(1);
    merged.SetHeight(1);
    EXPECT_TRUE(sheet.Section(sClient).Unions().empty());
    EXPECT_FALSE(merged.HasFlag(kFlagAnchor));
}

// The far edge of a merge asked for by a program is cut by the section, never computed past the int range.
TEST(Cell, AHugeMergeIsCutByTheSectionWithoutOverflow)
{
    TXLSheet sheet;
    sheet.SetColCount(10);
    sheet.SetRowCount(10);
    TXLCell& cell = sheet.GetCell(5, 5);
    cell.SetWidth(INT_MAX);
    EXPECT_EQ(cell.GetRect(), (Rect{5, 5, 10, 6})) << "to the last column";
    cell.SetRect({INT_MIN, 0, INT_MAX, INT_MAX});
    EXPECT_EQ(cell.GetRect(), (Rect{5, 5, 10, 10})) << "a size beyond the int range reaches the far corner";
    cell.SetRect({INT_MAX, 0, INT_MIN, 1});
    EXPECT_EQ(cell.GetRect(), (Rect{5, 5, 6, 6})) << "a negative size merges nothing";
    EXPECT_TRUE(sheet.Section(sClient).Unions().empty());
}

TEST(Cell, MeasureAddsIndentAndAMarginToTheText)
{
    TXLSheet sheet;
    RecordingCanvas canvas({100, 100});
    TXLCell& cell = sheet.GetCell(0, 0);
    EXPECT_EQ(cell.Measure(canvas), (Size{0, 0}));
    cell.SetAsString("abcd");
    cell.SetIndent(3);
    TXLFontData font;
    font.Height = -10;
    canvas.SetFont(font);
    // Four characters of half the line height, twice the indent, two pixels of margin.
    EXPECT_EQ(cell.Measure(canvas), (Size{4 * 5 + 2 * 3 + 2, 10 + 2}));
    cell.Font().SetHeight(-20);
    EXPECT_EQ(cell.Measure(canvas), (Size{4 * 10 + 2 * 3 + 2, 20 + 2}));
}

TEST(Cell, DrawValueAlignsByLayout)
{
    TXLSheet sheet;
    RecordingCanvas canvas({200, 100});
    TXLFontData font;
    font.Height = -10;
    canvas.SetFont(font);
    TXLCell& cell = sheet.GetCell(0, 0);
    cell.SetAsString("ab");
    struct Case {
        TXLHorzAlign horz;
        TXLVertAlign vert;
        Point topLeft;
    } cases[] = {{haLeft, vaTop, {0, 0}}, {haRight, vaBottom, {90, 40}}, {haCenter, vaCenter, {45, 20}}};
    for (const auto& c : cases) {
        TXLDrawInfo info;
        info.Canvas = &canvas;
        info.Layout = {c.horz, c.vert, 0, wmClip};
        Rect rect{0, 0, 100, 50};
        canvas.ClearOps();
        cell.DrawValue(info, rect);
        const auto runs = canvas.OpsOfKind(CanvasOpKind::TextRun);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].Bounds.TopLeft(), c.topLeft) << c.horz << " " << c.vert;
    }
}

} // namespace
} // namespace qv
