// The pick-list and combo-box editors: the column's items, completion, Alt+Down, and list cells' indexes.
#include "EditingGrid.h"

#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "editors/PickEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace qv::test {
namespace {

TEST(ColumnPickItems, TheDistinctFirstLinesAboveSortedWithoutRegardToCase)
{
    EditingGrid g;
    g.sheet.SetRowCount(14);
    const char* texts[] = {"beta", "Alpha", "alpha", "gamma\r\nsecond line", "", "Beta", "delta"};
    for (int row = 0; row < 7; ++row)
        g.Make({1, row}, TXLCString::Class()).SetValue(Variant(texts[row]));
    g.Make({1, 12}, TXLCString::Class()).SetValue(Variant("below")); // under the cell: not offered
    g.Make({2, 3}, TXLCString::Class()).SetValue(Variant("other column"));
    TXLCell& cell = g.Make({1, 10}, TXLCString::Class());
    const std::vector<std::string> items = ColumnPickItems(cell);
    EXPECT_EQ(items, (std::vector<std::string>{"Alpha", "beta", "delta", "gamma"}));
    EXPECT_EQ(g.Client().FindCell({1, 8}), nullptr); // nothing created on the way
}

TEST(ColumnPickItems, StopsAtFiftyItems)
{
    EditingGrid g;
    g.sheet.SetRowCount(80);
    for (int row = 0; row < 70; ++row)
        g.Make({0, row}, TXLCString::Class()).SetValue(Variant("item " + std::to_string(100 + row)));
    const std::vector<std::string> items = ColumnPickItems(g.Client().GetCell({0, 75}));
    ASSERT_EQ(items.size(), std::size_t(kMaxPickItems));
    EXPECT_EQ(items.back(), "item 149");
}

TEST(FindPickIndex, SearchesFromTheSecondItemAndWraps)
{
    const std::vector<std::string> items{"same", "Other", "SAME"};
    EXPECT_EQ(FindPickIndex(items, "same"), 2);
    EXPECT_EQ(FindPickIndex(items, "other"), 1);
    EXPECT_EQ(FindPickIndex({"only"}, "ONLY"), 0);
    EXPECT_EQ(FindPickIndex(items, "none"), -1);
    EXPECT_EQ(FindPickIndex({}, "x"), -1);
}

TEST(PickEdit, TypingAbCompletesToAbcWithTheCSelected)
{
    EditingGrid g;
    g.Make({1, 0}, TXLCString::Class()).SetValue(Variant("abd"));
    g.Make({1, 1}, TXLCString::Class()).SetValue(Variant("Abc"));
    g.Make({1, 2}, TXLCString::Class());
    g.GoTo({1, 2});
    g.Type(QStringLiteral("ab"));
    QApplication::processEvents();
    auto* edit = g.PickField();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("c"));
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({1, 2}).GetAsString(), "abc");
}

TEST(PickEdit, AltDownOpensTheListInsteadOfMovingTheCurrentCell)
{
    EditingGrid g;
    g.Make({1, 0}, TXLCString::Class()).SetValue(Variant("north"));
    g.Make({1, 3}, TXLCString::Class());
    g.GoTo({1, 3});
    g.Type(QStringLiteral("s"));
    auto* pick = dynamic_cast<TXLPickEdit*>(g.Host().Control());
    ASSERT_NE(pick, nullptr);
    g.Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(pick->PickList().view()->isVisible());
    EXPECT_EQ(g.Body().Current(), (Point{1, 3}));
    pick->PickList().hidePopup();
}

TEST(PickEdit, AListCellTakesTheChosenIndex)
{
    EditingGrid g;
    TXLCell& cell = g.Make({1, 1}, TXLCStrings::Class());
    cell.SetAsString("red\r\ngreen\r\nblue");
    cell.SetAsInteger(0);
    cell.SetEditor(2); // the combo box
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    auto* combo = dynamic_cast<TXLComboBox*>(g.Host().Control());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->PickList().count(), 3);
    combo->PickList().setCurrentIndex(2);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({1, 1}).GetAsInteger(), 2);
}

} // namespace
} // namespace qv::test
