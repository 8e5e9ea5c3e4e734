// The edit host over a grid: opening with a typed key, moving, F2, Escape, controls kept and replaced, placing,
// input methods and the owner check.
#include "EditingGrid.h"

#include "cells/CurrencyCell.h"
#include "cells/DoubleCell.h"
#include "cells/StringCell.h"
#include "editors/MaskEdit.h"
#include "editors/NumEdit.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>

namespace qv::test {
namespace {

double NumberAt(TXLSheet& sheet, Point p)
{
    return sheet.Section(sClient).GetCell(p).GetValue().ToDouble(XLManager().Desktop().GetLocale());
}

TEST(EditHost, ADigitTypedOnACurrencyCellReplacesItsTextAndDownStoresAndMoves)
{
    EditingGrid g;
    g.Make({1, 2}, TXLCCurrency::Class()).SetValue(Variant(12.5));
    g.GoTo({1, 2});
    g.Key(Qt::Key_7);
    ASSERT_TRUE(g.Host().Active());
    EXPECT_TRUE(g.Host().ArrowMode());
    auto* edit = dynamic_cast<TXLNumEdit*>(g.Host().Control());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_EQ(g.Focused(), edit);
    g.Key(Qt::Key_Down);
    EXPECT_FALSE(g.Host().Active());
    EXPECT_EQ(g.Body().Current(), (Point{1, 3}));
    EXPECT_EQ(NumberAt(g.sheet, {1, 2}), 7.0);
    EXPECT_EQ(g.Focused(), &g.grid);
    EXPECT_TRUE(g.sheet.Modified());
}

TEST(EditHost, F2GivesTheArrowsToTheCaretAndBack)
{
    EditingGrid g;
    g.Make({2, 2}, TXLCString::Class()).SetValue(Variant("abc"));
    g.GoTo({2, 2});
    g.Key(Qt::Key_X);
    g.Type(QStringLiteral("yz"));
    g.Key(Qt::Key_F2);
    EXPECT_FALSE(g.Host().ArrowMode());
    auto* edit = g.PickField();
    ASSERT_NE(edit, nullptr);
    g.Key(Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(g.Body().Current(), (Point{2, 2}));
    g.Key(Qt::Key_F2);
    EXPECT_TRUE(g.Host().ArrowMode());
    g.Key(Qt::Key_Right);
    EXPECT_EQ(g.Body().Current(), (Point{3, 2}));
    EXPECT_EQ(g.Client().GetCell({2, 2}).GetAsString(), "xyz");
}

TEST(EditHost, EscapeClosesTheEditorAndTheCellKeepsItsValue)
{
    EditingGrid g;
    g.Make({1, 1}, TXLCDouble::Class()).SetValue(Variant(2.5));
    g.GoTo({1, 1});
    g.Key(Qt::Key_9);
    g.Key(Qt::Key_Escape);
    EXPECT_FALSE(g.Host().Active());
    EXPECT_EQ(NumberAt(g.sheet, {1, 1}), 2.5);
    EXPECT_EQ(g.Body().Current(), (Point{1, 1}));
    EXPECT_EQ(g.Focused(), &g.grid);
}

TEST(EditHost, EnterStoresAndMovesInTheEnterDirection)
{
    EditingGrid g;
    g.Make({1, 1}, TXLCDouble::Class());
    g.grid.SetEnterDir(dRight);
    g.GoTo({1, 1});
    g.Type(QStringLiteral("42"));
    g.Key(Qt::Key_Return);
    EXPECT_EQ(NumberAt(g.sheet, {1, 1}), 42.0);
    EXPECT_EQ(g.Body().Current(), (Point{2, 1}));
}

TEST(EditHost, CellsOfOneEditorShareTheControlAndANumberCellReplacesIt)
{
    EditingGrid g;
    g.Make({1, 1}, TXLCString::Class()).SetValue(Variant("one"));
    g.Make({1, 2}, TXLCString::Class()).SetValue(Variant("two"));
    g.Make({1, 3}, TXLCDouble::Class()).SetValue(Variant(3.0));
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    IXLEditorControl* first = g.Host().Control();
    ASSERT_NE(first, nullptr);
    g.Key(Qt::Key_F2); // the arrows back to the grid
    g.Key(Qt::Key_Down);
    g.Key(Qt::Key_F2);
    EXPECT_EQ(g.Host().Control(), first);
    QPointer<QWidget> firstWidget = &first->Widget();
    g.Key(Qt::Key_F2);
    g.Key(Qt::Key_Down);
    g.Key(Qt::Key_F2);
    ASSERT_TRUE(g.Host().Active());
    EXPECT_NE(dynamic_cast<TXLNumEdit*>(g.Host().Control()), nullptr);
    // Freed later, not inside the key handling that replaced it.
    EXPECT_FALSE(firstWidget.isNull());
    EditingGrid::FlushDeletes();
    EXPECT_TRUE(firstWidget.isNull());
}

TEST(EditHost, TheEditorCoversItsCellUpToTheGridLinesAndFollowsScrollsAndResizes)
{
    EditingGrid g;
    g.Make({2, 3}, TXLCString::Class()).SetValue(Variant("x"));
    g.GoTo({2, 3});
    g.Key(Qt::Key_F2);
    ASSERT_TRUE(g.Host().Active());
    EXPECT_EQ(g.Host().geometry(), g.CoverOf({2, 3}));

    g.Body().SetOrigin({30, 20});
    QApplication::processEvents();
    EXPECT_EQ(g.Host().geometry(), g.CoverOf({2, 3}));

    // A wider column left of it moves it by the difference, a wider own column widens it.
    g.sheet.SetSize(1, axCols, 100);
    QApplication::processEvents();
    EXPECT_EQ(g.Host().geometry(), g.CoverOf({2, 3}));
    g.sheet.SetSize(2, axCols, 90);
    QApplication::processEvents();
    EXPECT_EQ(g.Host().geometry(), g.CoverOf({2, 3}));
    EXPECT_EQ(g.Host().width(), 89);
}

TEST(EditHost, ThreeDimensionalEditorsReachTwoPixelsBeyondTheCell)
{
    EditingGrid g;
    g.grid.SetOptions(g.grid.Options() | OptionBit(oEdit3D));
    g.Make({2, 3}, TXLCString::Class());
    g.GoTo({2, 3});
    g.Key(Qt::Key_F2);
    EXPECT_EQ(g.Host().geometry(), g.CoverOf({2, 3}).adjusted(-2, -2, 2, 2));
    EXPECT_FALSE(g.Host().Button().Flat());
}

TEST(EditHost, AHeadingTypedThroughAnInputMethodCommitLandsInTheCell)
{
    EditingGrid g;
    g.Make({2, 0}, TXLCString::Class());
    g.GoTo({2, 0});
    QInputMethodEvent composing(QStringLiteral("er"), {});
    QCoreApplication::sendEvent(&g.grid, &composing);
    ASSERT_TRUE(g.Host().Active());
    QInputMethodEvent committed(QString(), {});
    committed.setCommitString(QStringLiteral("2024年第一季度"));
    QCoreApplication::sendEvent(g.Focused(), &committed);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({2, 0}).GetAsString(), "2024年第一季度");
}

TEST(EditHost, ACommitWithoutComposingOpensTheEditorWithIt)
{
    EditingGrid g;
    g.Make({3, 0}, TXLCString::Class());
    g.GoTo({3, 0});
    QInputMethodEvent committed(QString(), {});
    committed.setCommitString(QStringLiteral("年度"));
    QCoreApplication::sendEvent(&g.grid, &committed);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({3, 0}).GetAsString(), "年度");
}

TEST(EditHost, AHostNeedsAGridAsItsOwner)
{
    QWidget notAGrid;
    try {
        TXLEdit host(&notAGrid);
        FAIL() << "a host without a grid";
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "Invalid parent!");
    }
}

TEST(EditHost, RemovingTheEditedCellClosesTheEditor)
{
    EditingGrid g;
    g.Make({1, 1}, TXLCString::Class());
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    ASSERT_TRUE(g.Host().Active());
    g.Make({1, 1}, TXLCDouble::Class());
    EXPECT_FALSE(g.Host().Active());
    EXPECT_EQ(g.Host().EditedCell(), nullptr);
}

TEST(EditHost, HidingTheEditedColumnClosesTheEditorAndAnotherColumnLeavesItOpen)
{
    EditingGrid g;
    g.Make({2, 1}, TXLCString::Class());
    g.GoTo({2, 1});
    g.Key(Qt::Key_F2);
    g.sheet.SetVisible(4, axCols, false);
    EXPECT_TRUE(g.Host().Active());
    g.sheet.SetVisible(2, axCols, false);
    EXPECT_FALSE(g.Host().Active());
}

TEST(EditHost, TheEditedCellsNewColourReachesTheOpenEditorAndItsFontTheReopenedOne)
{
    EditingGrid g;
    TXLCell& cell = g.Make({1, 1}, TXLCString::Class());
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    cell.SetColor(clYellow);
    ASSERT_TRUE(g.Host().Active());
    EXPECT_EQ(g.Host().Control()->Widget().palette().color(QPalette::Base), QColor(Qt::yellow));
    // A new font closes the editor, which then opens with it, scaled with the grid.
    cell.Font().SetHeight(-20);
    EXPECT_FALSE(g.Host().Active());
    g.Key(Qt::Key_F2);
    EXPECT_EQ(g.Host().Control()->Widget().font().pixelSize(), 20);
    g.grid.SetScale(150);
    ASSERT_TRUE(g.Host().Active());
    EXPECT_EQ(g.Host().Control()->Widget().font().pixelSize(), 30);
}

TEST(EditHost, OpeningAndClosingReportTheEditMode)
{
    EditingGrid g;
    int reports = 0;
    g.grid.OnEditModeChanged = [&](TXLGrid&) { ++reports; };
    g.Make({1, 1}, TXLCString::Class());
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    EXPECT_EQ(reports, 1);
    g.Key(Qt::Key_F2); // arrow mode on
    EXPECT_EQ(reports, 2);
    g.Key(Qt::Key_Escape);
    EXPECT_EQ(reports, 3);
}

} // namespace
} // namespace qv::test
