// The grid control: attaching sheets, zoom, options and layout, and how it follows the sheet's reports.
#include "GridTestSupport.h"

#include "grid/Selection.h"
#include "sheet/ProRange.h"
#include "sheet/Style.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

Rect Geometry(const QWidget& widget)
{
    const QRect g = widget.geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

TEST(Grid, WithoutASheetThePanesAreEmptyAndAttachingOrDetachingFiresOnSheetChanged)
{
    TXLSheet sheet;
    sheet.SetColCount(8);
    sheet.SetRowCount(20);
    TXLGrid grid;
    grid.resize(400, 300);
    int fired = 0;
    grid.OnSheetChanged = [&](TXLGrid&) { ++fired; };
    for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
        EXPECT_EQ(grid.View(sector).Section(), nullptr);
        EXPECT_EQ(grid.View(sector).Extent(), (Point{0, 0}));
    }
    const auto empty = PaintBody(grid.View(sClient));
    EXPECT_TRUE(empty->OpsOfKind(CanvasOpKind::DrawText).empty());
    EXPECT_EQ(empty->PixelsOfColor(0xC0C0C0), Region(empty->SurfaceRect())) << "only the grid's colour";

    grid.SetSheet(&sheet);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(grid.View(sClient).Section(), &sheet.Section(sClient));
    EXPECT_EQ(grid.View(sTitle).Extent(), (Point{60, 15}));
    EXPECT_EQ(grid.View(sClient).Extent(), (Point{480, 300}));
    EXPECT_EQ(grid.View(sCols).Extent(), (Point{480, 15}));
    EXPECT_EQ(grid.View(sRows).Extent(), (Point{60, 300}));
    EXPECT_EQ(Geometry(grid.View(sClient)), (Rect{61, 16, 399, 299})) << "inside the 1-pixel bevel, past the titles";
    EXPECT_EQ(Geometry(grid.View(sCols)), (Rect{61, 1, 399, 16}));
    EXPECT_EQ(Geometry(grid.View(sRows)), (Rect{1, 16, 61, 299}));
    EXPECT_EQ(Geometry(grid.View(sTitle)), (Rect{1, 1, 61, 16}));
    EXPECT_EQ(sheet.UserCount(), 1);

    grid.SetSheet(nullptr);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(grid.View(sClient).Section(), nullptr);
    EXPECT_EQ(grid.View(sClient).Extent(), (Point{0, 0}));
    EXPECT_EQ(sheet.UserCount(), 0);
    grid.SetSheet(nullptr);
    EXPECT_EQ(fired, 2) << "the same sheet again changes nothing";
}

TEST(Grid, ADestroyedSheetDetachesItselfFromTheGrid)
{
    TXLGrid grid;
    int fired = 0;
    grid.OnSheetChanged = [&](TXLGrid&) { ++fired; };
    {
        TXLSheet sheet;
        grid.SetSheet(&sheet);
    }
    EXPECT_EQ(grid.Sheet(), nullptr);
    EXPECT_EQ(fired, 2);
}

TEST(Grid, ScaleIsAtLeast25AndSettingTheSameScaleFiresNothing)
{
    SheetInGrid fixture;
    int fired = 0;
    fixture.grid.OnScaleChanged = [&](TXLGrid&) { ++fired; };
    fixture.grid.SetScale(10);
    EXPECT_EQ(fixture.grid.Scale(), 25);
    EXPECT_EQ(fired, 1);
    fixture.grid.SetScale(25);
    fixture.grid.SetScale(10);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(fixture.grid.Scaled(61), 15);
    EXPECT_EQ(fixture.grid.Unscaled(15), 60);
}

TEST(Grid, AtScale150EachSizeIsScaledAndTruncatedOnItsOwn)
{
    SheetInGrid fixture;
    fixture.sheet.SetSize(2, axCols, 61);
    fixture.sheet.SetSize(5, axCols, 61);
    fixture.grid.SetScale(150);
    const TXLSizeList& columns = fixture.grid.ScaledList(axCols, ptClient);
    EXPECT_EQ(columns.GetValue(2), 91);
    EXPECT_EQ(columns.GetValue(0), 90);
    // Six columns of 90 and two of 91; scaling the sheet's total of 482 would give 723.
    EXPECT_EQ(fixture.Body().Extent().x, 722);
    EXPECT_EQ(fixture.grid.View(sTitle).Extent(), (Point{90, 22}));
    EXPECT_EQ(fixture.grid.View(sRows).width(), 90) << "the row titles follow the corner";
}

TEST(Grid, SwitchingTheColumnTitlesOffLeavesAStripOfZeroHeight)
{
    SheetInGrid fixture;
    const TXLOptions options = fixture.grid.Options();
    fixture.grid.SetOptions(options & ~OptionBit(oTitleCols));
    EXPECT_EQ(fixture.grid.View(sCols).height(), 0);
    EXPECT_EQ(fixture.grid.View(sTitle).height(), 0);
    EXPECT_EQ(fixture.Body().y(), 1) << "the body starts at the top inside the bevel";
    EXPECT_EQ(fixture.grid.View(sRows).y(), 1);
    fixture.grid.SetOptions(options);
    EXPECT_EQ(fixture.grid.View(sCols).height(), 15);
    EXPECT_EQ(fixture.Body().y(), 16);
}

TEST(Grid, ASizeChangeInTheSheetReachesBothPanesThatShowTheList)
{
    SheetInGrid fixture;
    fixture.sheet.SetSize(-1, axCols, 80); // the title column
    EXPECT_EQ(fixture.grid.View(sRows).width(), 80);
    EXPECT_EQ(fixture.grid.View(sTitle).Extent().x, 80);
    EXPECT_EQ(fixture.Body().x(), 81);
    fixture.sheet.SetSize(3, axRows, 40);
    EXPECT_EQ(fixture.Body().Extent().y, 325);
    EXPECT_EQ(fixture.grid.View(sRows).Extent().y, 325);
    fixture.sheet.SetVisible(3, axRows, false);
    EXPECT_EQ(fixture.grid.ScaledList(axRows, ptClient).GetValue(3), 0);
    EXPECT_EQ(fixture.Body().Extent().y, 285);
}

TEST(Grid, FewerRowsKeepTheSelectionInsideTheNewCounts)
{
    SheetInGrid fixture;
    fixture.Body().Select({1, 2, 4, 15}, fixture.Body().Current());
    fixture.sheet.SetRowCount(10);
    EXPECT_EQ(fixture.Body().Selection(), (Rect{1, 2, 4, 10}));
    fixture.sheet.SetRowCount(2);
    EXPECT_TRUE(fixture.Body().Selection().IsEmpty()) << "a selection wholly beyond the rows is dropped";
}

TEST(Grid, FewerRowsOrColumnsBringTheCurrentCellAndTheCursorBackIntoTheSheet)
{
    SheetInGrid fixture(8, 20);
    TXLView& body = fixture.Body();
    body.SetCurrent({3, 15}, TXLCollapse::Collapse, TXLReveal::None);
    std::vector<Point> reported;
    fixture.grid.OnCurChanged = [&](TXLGrid& grid) { reported.push_back(grid.View(sClient).Current()); };
    fixture.sheet.SetRowCount(5);
    EXPECT_EQ(body.Current(), (Point{3, 4}));
    EXPECT_EQ(body.Cursor(), (Point{3, 4}));
    EXPECT_EQ(fixture.grid.View(sRows).Current().y, 4) << "the row titles follow";
    EXPECT_EQ(reported, (std::vector<Point>{{3, 4}})) << "listeners see a cell inside the sheet";
    fixture.sheet.SetColCount(2);
    EXPECT_EQ(body.Current(), (Point{1, 4}));
    QTest::keyClick(&fixture.grid, Qt::Key_Up);
    EXPECT_EQ(body.Current(), (Point{1, 3})) << "navigation goes on from inside";
}

TEST(Grid, MergingWidensTheSelectionAndLoadingClearsIt)
{
    SheetInGrid fixture;
    TXLView& body = fixture.Body();
    body.Select({2, 2, 4, 4}, body.Current());
    TXLRange(fixture.sheet.Section(sClient), {3, 3, 6, 6}).Merge(false);
    EXPECT_EQ(body.Selection(), (Rect{2, 2, 6, 6}));
    fixture.grid.UnionsChanged(true);
    EXPECT_TRUE(body.Selection().IsEmpty());
}

TEST(Grid, PanesTakeTheColoursOfTheirBaseStyles)
{
    SheetInGrid fixture;
    EXPECT_EQ(fixture.Body().Color(), clWindow);
    EXPECT_EQ(fixture.grid.View(sCols).Color(), clBtnFace);
    fixture.sheet.BaseTitleStyle().SetColor(clAqua);
    for (TXLSector sector : {sCols, sRows, sTitle})
        EXPECT_EQ(fixture.grid.View(sector).Color(), clAqua);
    fixture.grid.SetColor(clYellow);
    EXPECT_EQ(fixture.Body().Color(), clWindow) << "with a sheet the base style decides";
    fixture.grid.SetSheet(nullptr);
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        EXPECT_EQ(fixture.grid.View(sector).Color(), clYellow);
}

TEST(Grid, TheCurrentCellOfTheBodyMovesTheTitlesCurrentColumnAndRow)
{
    SheetInGrid fixture;
    int curChanged = 0;
    int selChanged = 0;
    fixture.grid.OnCurChanged = [&](TXLGrid&) { ++curChanged; };
    fixture.grid.OnSelChanged = [&](TXLGrid&) { ++selChanged; };
    fixture.Body().SetCurrent({3, 7}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(fixture.Body().Current(), (Point{3, 7}));
    EXPECT_EQ(fixture.Body().Selection(), (Rect{3, 7, 4, 8}));
    EXPECT_EQ(fixture.grid.View(sCols).Current().x, 3);
    EXPECT_EQ(fixture.grid.View(sRows).Current().y, 7);
    EXPECT_EQ(curChanged, 1);
    EXPECT_EQ(selChanged, 1);
    // A protected cell cannot be entered.
    fixture.sheet.GetCell(5, 5).SetStyles(CellStyleBit(csProtect));
    fixture.Body().SetCurrent({5, 5}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(fixture.Body().Current(), (Point{3, 7}));
    EXPECT_EQ(curChanged, 1);
}

TEST(Grid, FormattingThroughTheSelectionObjectReachesTheCellsAndFiresOnChange)
{
    SheetInGrid fixture;
    int changed = 0;
    fixture.grid.OnChange = [&](TXLGrid&) { ++changed; };
    fixture.Body().Select({1, 1, 3, 2}, fixture.Body().Current());
    fixture.Body().SelectionObject().SetColor(clRed);
    EXPECT_EQ(fixture.sheet.Section(sClient).GetLayerValue(kLayerColor, 2, 1), clRed);
    EXPECT_EQ(changed, 1);

    TXLGrid empty;
    empty.View(sClient).SelectionObject().SetColor(clRed); // no sheet: nothing to format
    empty.View(sClient).SelectionObject().SetValue(Variant(1));
}

} // namespace
} // namespace qv::test
