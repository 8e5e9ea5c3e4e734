// The sheet: coordinates, counts, sizes, update brackets, users, events and print settings.
#include "sheet/Sheet.h"
#include "RecordingSheetUser.h"
#include "cells/StringCell.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Sheet, ANewSheetHasItsDefaultsAndIsModified)
{
    TXLSheet sheet;
    EXPECT_EQ(sheet.ColCount(), 5);
    EXPECT_EQ(sheet.RowCount(), 5);
    EXPECT_EQ(sheet.TitleCols(), 1);
    EXPECT_EQ(sheet.TitleRows(), 1);
    EXPECT_EQ(sheet.ColDefWidth(), 60);
    EXPECT_EQ(sheet.RowDefHeight(), 15);
    EXPECT_EQ(sheet.PrintScale(), 100);
    EXPECT_EQ(sheet.PrintMode(), pmNormal);
    EXPECT_EQ(sheet.PrintTitles(), kBothAxes);
    EXPECT_TRUE(sheet.Modified());
    EXPECT_EQ(sheet.GetSheetRect(), (Rect{-1, -1, 5, 5}));
}

TEST(Sheet, CoordinatesFallIntoSectors)
{
    TXLSheet sheet;
    struct Case {
        int col, row;
        TXLSector sector;
        Point local;
    } cases[] = {{-1, -1, sTitle, {0, 0}}, {-1, 0, sRows, {0, 0}}, {0, -1, sCols, {0, 0}},
                 {0, 0, sClient, {0, 0}},  {3, -1, sCols, {3, 0}}, {-1, 7, sRows, {0, 7}}};
    for (const auto& c : cases) {
        Point local;
        EXPECT_EQ(sheet.GetSector(c.col, c.row, local), c.sector);
        EXPECT_EQ(local, c.local);
        EXPECT_EQ(sheet.GetCell(c.col, c.row).GetSection(), &sheet.Section(c.sector));
    }
    EXPECT_THROW(sheet.GetCell(-2, 0), EXLGridError);
    EXPECT_EQ(sheet.FindCell(-2, 0), nullptr);
}

TEST(Sheet, ReadingAValueNeverCreatesACell)
{
    TXLSheet sheet;
    EXPECT_TRUE(sheet.GetCellValue(2, 2).IsUnassigned());
    EXPECT_EQ(sheet.FindCell(2, 2), nullptr);
    sheet.SetCellValue(2, 2, int32_t(7));
    EXPECT_EQ(sheet.GetCellValue(2, 2), Variant("7"));
    EXPECT_EQ(sheet.GetCell(2, 2).GetCellClass(), &TXLCString::Class());
    sheet.GetCell(20, 20).SetAsString("beyond the counts");
    EXPECT_EQ(sheet.FindCell(20, 20)->GetAsString(), "beyond the counts");
}

TEST(Sheet, IterateCellsWalksTheSectorsInOrder)
{
    TXLSheet sheet;
    for (Point p : {Point{0, 0}, Point{-1, 0}, Point{0, -1}, Point{-1, -1}, Point{1, 1}})
        sheet.GetCell(p.x, p.y).SetAsString(std::to_string(p.x) + "," + std::to_string(p.y));
    std::vector<std::string> seen;
    const int visited = sheet.IterateCells(sheet.GetSheetRect(), TXLCellWalk::Existing, [&](TXLCell& c) {
        seen.push_back(c.GetAsString());
        return true;
    });
    EXPECT_EQ(visited, 5);
    EXPECT_EQ(seen, (std::vector<std::string>{"0,-1", "-1,0", "-1,-1", "0,0", "1,1"}));
    EXPECT_EQ(sheet.IterateCells({0, 0, 2, 2}, TXLCellWalk::Create, [](TXLCell&) { return true; }), 4);
}

TEST(Sheet, LoweringACountFreesCellsAndForgetsSizes)
{
    TXLSheet sheet;
    sheet.SetRowCount(85);
    sheet.GetCell(0, 50).SetAsString("x");
    sheet.GetCell(-1, 50).SetAsString("title");
    sheet.SetSize(50, axRows, 40);
    test::RecordingSheetUser user(&sheet);
    sheet.SetRowCount(20);
    EXPECT_EQ(sheet.FindCell(0, 50), nullptr);
    EXPECT_EQ(sheet.FindCell(-1, 50), nullptr);
    EXPECT_EQ(user.Events, (std::vector<std::string>{"SizesChanged 2 1"}));
    sheet.SetRowCount(85);
    EXPECT_EQ(sheet.GetSize(50, axRows), 15);
    sheet.SetRowCount(-3);
    EXPECT_EQ(sheet.RowCount(), 0);
}

TEST(Sheet, CountsAreClampedToWhatTheSheetCanHold)
{
    using Getter = int (TXLSheet::*)() const;
    using Setter = void (TXLSheet::*)(int);
    const std::pair<Getter, Setter> counts[] = {{&TXLSheet::ColCount, &TXLSheet::SetColCount},
                                                {&TXLSheet::RowCount, &TXLSheet::SetRowCount},
                                                {&TXLSheet::TitleCols, &TXLSheet::SetTitleCols},
                                                {&TXLSheet::TitleRows, &TXLSheet::SetTitleRows}};
    const std::pair<int, int> cases[] = {
        {7, 7}, {kMaxCount, kMaxCount}, {kMaxCount + 1, kMaxCount}, {INT32_MAX, kMaxCount}, {-5, 0}};
    for (const auto& [get, set] : counts) {
        for (const auto& [value, expected] : cases) {
            TXLSheet sheet;
            (sheet.*set)(value);
            EXPECT_EQ((sheet.*get)(), expected) << value;
        }
    }
    // A clamped count still cuts like any other: a cell at the last index survives, the sheet rectangle ends there.
    TXLSheet sheet;
    sheet.SetColCount(INT32_MAX);
    sheet.GetCell(kMaxCount - 1, 0).SetAsString("last");
    sheet.SetColCount(INT32_MAX);
    EXPECT_EQ(sheet.FindCell(kMaxCount - 1, 0)->GetAsString(), "last");
    EXPECT_EQ(sheet.GetSheetRect().right, kMaxCount);
}

TEST(Sheet, DefaultSizesResetExplicitOnes)
{
    TXLSheet sheet;
    sheet.SetSize(1, axCols, 90);
    sheet.SetSize(-1, axCols, 30);
    test::RecordingSheetUser user(&sheet);
    sheet.SetColDefWidth(60);
    EXPECT_EQ(sheet.GetSize(1, axCols), 60);
    EXPECT_EQ(sheet.GetSize(-1, axCols), 60);
    EXPECT_EQ(user.Events, (std::vector<std::string>{"SizesChanged 1 0", "SizesChanged 1 1"}));
    user.Reset();
    sheet.SetColDefWidth(60);
    EXPECT_TRUE(user.Events.empty());
}

TEST(Sheet, MaximumSizes)
{
    TXLSheet sheet;
    sheet.SetSize(0, axCols, 100);
    sheet.SetColMaxWidth(80);
    EXPECT_EQ(sheet.GetSize(0, axCols), 80);
    sheet.SetSize(1, axCols, 200);
    EXPECT_EQ(sheet.GetSize(1, axCols), 80);
    sheet.SetColMaxWidth(40);
    EXPECT_EQ(sheet.ColDefWidth(), 40);
    EXPECT_EQ(sheet.GetSize(0, axCols), 40);
    sheet.SetColMaxWidth(0);
    EXPECT_EQ(sheet.ColDefWidth(), 40);
    sheet.SetSize(1, axCols, 200);
    EXPECT_EQ(sheet.GetSize(1, axCols), 200);
}

TEST(Sheet, SizingPathClampsAndNotifies)
{
    TXLSheet sheet;
    test::RecordingSheetUser user(&sheet);
    std::vector<int> sizingIndexes;
    sheet.OnSizing = [&](TXLSheet&, TXLAxis, int index, int& size) {
        sizingIndexes.push_back(index);
        if (size == 77)
            size = 78;
    };
    sheet.SetSize(2, axCols, 0);
    EXPECT_EQ(sheet.GetSize(2, axCols), 1);
    sheet.SetSize(3, axCols, 77);
    EXPECT_EQ(sheet.GetSize(3, axCols), 78);
    sheet.SetSize(-1, axRows, 20);
    EXPECT_EQ(sizingIndexes, (std::vector<int>{2, 3, -1}));
    EXPECT_EQ(user.Events, (std::vector<std::string>{"SizeChanged 0 1 2", "SizeChanged 0 1 3", "SizeChanged 1 0 0"}));
    user.Reset();
    sheet.SetSize(3, axCols, 77);
    EXPECT_TRUE(user.Events.empty()) << "an unchanged size is not reported";
}

TEST(Sheet, CheckSizeAsksTheSizingCheckAndStoresNothing)
{
    TXLSheet sheet;
    test::RecordingSheetUser user(&sheet);
    std::vector<int> sizingIndexes;
    sheet.OnSizing = [&](TXLSheet&, TXLAxis, int index, int& size) {
        sizingIndexes.push_back(index);
        size += 1;
    };
    sheet.SetColMaxWidth(100);
    user.Reset();
    EXPECT_EQ(sheet.CheckSize(-1, axCols, 40), 41);
    EXPECT_EQ(sheet.CheckSize(2, axCols, 150), 100) << "the maximum after the handler";
    EXPECT_EQ(sizingIndexes, (std::vector<int>{-1, 2}));
    EXPECT_EQ(sheet.GetSize(2, axCols), 60);
    EXPECT_TRUE(user.Events.empty());
}

TEST(Sheet, StoreSizeTellsEveryUserButTheOneThatAppliedIt)
{
    TXLSheet sheet;
    test::RecordingSheetUser dragging(&sheet);
    test::RecordingSheetUser other(&sheet);
    sheet.OnSizing = [](TXLSheet&, TXLAxis, int, int& size) { size = 5; };
    sheet.StoreSize(axCols, ptClient, 2, 90, &dragging);
    EXPECT_EQ(sheet.GetSize(2, axCols), 90) << "stored as given: the check already ran while dragging";
    EXPECT_TRUE(dragging.Events.empty());
    EXPECT_EQ(other.Events, (std::vector<std::string>{"SizeChanged 0 1 2"}));
    other.Reset();
    sheet.StoreSize(axRows, ptTitles, 0, 33, nullptr);
    EXPECT_EQ(sheet.GetSize(-1, axRows), 33);
    EXPECT_EQ(dragging.Events, (std::vector<std::string>{"SizeChanged 1 0 0"}));
    EXPECT_EQ(other.Events, (std::vector<std::string>{"SizeChanged 1 0 0"}));
    other.Reset();
    sheet.StoreSize(axCols, ptClient, 2, 90, nullptr);
    sheet.StoreSize(axCols, ptClient, 99, 90, nullptr);
    EXPECT_TRUE(other.Events.empty()) << "unchanged, or outside the count";
}

TEST(Sheet, HiddenItemsRememberTheirSize)
{
    TXLSheet sheet;
    sheet.SetSize(1, axCols, 80);
    sheet.SetVisible(1, axCols, false);
    EXPECT_FALSE(sheet.IsVisible(1, axCols));
    EXPECT_EQ(sheet.GetSize(1, axCols), 80);
    EXPECT_EQ(sheet.Sizes(axCols, ptClient).GetValue(1), 0);
    sheet.SetSize(1, axCols, 90); // replaces the remembered size
    sheet.SetVisible(1, axCols, true);
    EXPECT_TRUE(sheet.IsVisible(1, axCols));
    EXPECT_EQ(sheet.GetSize(1, axCols), 90);
    EXPECT_TRUE(sheet.HiddenSizes(axCols, ptClient).IsEmpty());
}

TEST(Sheet, HiddenItemsStayHiddenWhenTheDefaultOrTheMaximumChanges)
{
    const struct {
        const char* what;
        void (*change)(TXLSheet&);
        int shown; // the size once shown again
    } cases[] = {
        {"a new default width", [](TXLSheet& s) { s.SetColDefWidth(40); }, 40},
        {"a maximum below the default", [](TXLSheet& s) { s.SetColMaxWidth(30); }, 30},
        {"a maximum above the default", [](TXLSheet& s) { s.SetColMaxWidth(70); }, 70},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TXLSheet sheet;
        ASSERT_LT(sheet.ColDefWidth(), 70);
        for (int index : {-1, 2}) {
            sheet.SetSize(index, axCols, 100);
            sheet.SetVisible(index, axCols, false);
        }
        c.change(sheet);
        for (int index : {-1, 2}) {
            EXPECT_FALSE(sheet.IsVisible(index, axCols)) << index;
            EXPECT_EQ(sheet.Sizes(axCols, index < 0 ? ptTitles : ptClient).GetValue(index < 0 ? 0 : index), 0)
                << "no width while hidden";
            sheet.SetVisible(index, axCols, true);
            EXPECT_EQ(sheet.GetSize(index, axCols), c.shown) << index;
        }
    }
}

TEST(Sheet, AutomaticSizesMeasureTheCells)
{
    TXLSheet sheet;
    sheet.GetCell(1, 0).SetAsString("abcdefghij"); // 10 characters of 5.5 -> 5 pixels at height -11
    sheet.GetCell(1, 2).SetAsString("abc");
    sheet.GetCell(1, -1).SetAsString("abcdefghijklmn"); // the title, measured with the title font
    sheet.SetVisible(2, axRows, false);
    sheet.GetCell(1, 2).SetAsString("a much longer text in a hidden row");
    EXPECT_EQ(sheet.AutoColWidth(1), 14 * 5 + 2);
    EXPECT_EQ(sheet.AutoColWidth(3), 60) << "an empty column gets the default";
    sheet.SetSize(1, axCols, -1);
    EXPECT_EQ(sheet.GetSize(1, axCols), 14 * 5 + 2);
    EXPECT_EQ(sheet.AutoRowHeight(0), 11 + 2);
}

TEST(Sheet, UpdatesFoldInvalidationsIntoOneRepaint)
{
    TXLSheet sheet;
    test::RecordingSheetUser first(&sheet);
    test::RecordingSheetUser second(&sheet);
    sheet.AddUser(&first);
    EXPECT_EQ(sheet.UserCount(), 2);
    sheet.BeginUpdate();
    sheet.BeginUpdate();
    sheet.InvalidateCells(sClient, {0, 0, 1, 1}, 0);
    sheet.InvalidateSector(sCols);
    sheet.GetCell(0, 0).SetAsString("x");
    sheet.EndUpdate();
    sheet.EndUpdate();
    for (auto* user : {&first, &second}) {
        EXPECT_EQ(user->Count("InvalidateCells"), 0);
        EXPECT_EQ(user->Count("InvalidateSector"), 0);
        EXPECT_EQ(user->Count("InvalidateAll"), 1);
        EXPECT_EQ(user->Events.front(), "BeginUpdate");
        EXPECT_EQ(user->Events.back(), "InvalidateAll");
    }
}

TEST(Sheet, UsersJoiningOrLeavingDuringAnUpdateAreBracketed)
{
    TXLSheet sheet;
    test::RecordingSheetUser late;
    sheet.BeginUpdate();
    sheet.AddUser(&late);
    sheet.RemoveUser(&late);
    sheet.EndUpdate();
    EXPECT_EQ(late.Events, (std::vector<std::string>{"BeginUpdate", "EndUpdate"}));
}

TEST(Sheet, DestructionDetachesUsersLastFirst)
{
    std::vector<int> order;
    struct User : test::RecordingSheetUser {
        User(TXLSheet* s, std::vector<int>& o, int n) : RecordingSheetUser(s), order(o), number(n) {}
        void SheetDetached() override
        {
            order.push_back(number);
            RecordingSheetUser::SheetDetached();
        }
        std::vector<int>& order;
        int number;
    };
    auto sheet = std::make_unique<TXLSheet>();
    sheet->GetCell(0, 0).SetAsString("freed with the sheet");
    User a(sheet.get(), order, 1);
    User b(sheet.get(), order, 2);
    sheet.reset();
    EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

TEST(Sheet, CellChangedIsNotNested)
{
    TXLSheet sheet;
    for (int col : {0, 1})
        sheet.GetCell(col, 0).SetStyles(CellStyleBit(csNotify));
    sheet.GetCell(2, 0).SetAsString("quiet");
    std::vector<Point> calls;
    sheet.OnCellChanged = [&](TXLSheet& s, Point p) {
        calls.push_back(p);
        s.GetCell(1, 0).SetAsString("echo " + std::to_string(calls.size()));
    };
    sheet.GetCell(0, 0).SetAsString("go");
    sheet.GetCell(2, 0).SetAsString("not notified");
    EXPECT_EQ(calls, (std::vector<Point>{{0, 0}}));
    EXPECT_EQ(sheet.GetCell(1, 0).GetAsString(), "echo 1");
}

TEST(Sheet, ModifiedFollowsChangesAndFiresOnBothEdges)
{
    TXLSheet sheet;
    int fired = 0;
    sheet.OnModified = [&](TXLSheet&) { ++fired; };
    sheet.SetModified(false);
    sheet.SetTitle("Q");
    sheet.SetTitle("Q");
    EXPECT_TRUE(sheet.Modified());
    EXPECT_EQ(fired, 2);
}

TEST(Sheet, PrintScaleAndModeStayConsistent)
{
    TXLSheet sheet;
    test::RecordingSheetUser user(&sheet);
    sheet.SetPrintScale(10);
    EXPECT_EQ(sheet.PrintScale(), 25);
    EXPECT_EQ(sheet.PrintMode(), pmCustom);
    sheet.SetPrintScale(100);
    EXPECT_EQ(sheet.PrintMode(), pmNormal);
    sheet.SetPrintScale(150);
    sheet.SetPrintMode(pmNormal); // keeps the custom scale
    EXPECT_EQ(sheet.PrintScale(), 150);
    sheet.SetPrintMode(pmCustom); // from normal: first back to 100
    EXPECT_EQ(sheet.PrintScale(), 100);
    EXPECT_EQ(sheet.PrintMode(), pmCustom);
    user.Reset();
    sheet.SetPrintHidden(true);
    EXPECT_TRUE(sheet.PrintHidden());
    EXPECT_FALSE(sheet.PrintGridLines());
    EXPECT_EQ(user.Events, (std::vector<std::string>{"PageChanged"}));
}

TEST(Sheet, PageRectAndBreaksFromTheDefaultPrinter)
{
    TXLSheet sheet;
    // 4676 x 6744 dots at 600 dpi on a 96 ppi screen.
    EXPECT_EQ(sheet.PageRect(), (Rect{0, 0, 748, 1079}));
    sheet.SetPrintMargin(sLeft, 48);
    sheet.SetPrintMargin(sRight, -5);
    EXPECT_EQ(sheet.PageRect(), (Rect{48, 0, 748, 1079}));
    sheet.SetColCount(30);
    std::vector<int> cols, rows;
    sheet.GetPageBreaks(cols, rows);
    // Columns of 60 pixels are 375 dots; 700 pixels less the 60-pixel title column leave 4000 dots: 10 a page.
    EXPECT_EQ(cols, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(rows, (std::vector<int>{5}));
}

} // namespace
} // namespace qv
