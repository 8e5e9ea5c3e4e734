// List cells: line splitting, the shown line by item index, the list as data object.
#include "cells/StringsCell.h"
#include "CellTestSheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TXLStringList, SplitsAtEveryKindOfLineBreakAndJoinsWithCrLf)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
        std::string joined;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"a", {"a"}, "a"},
        {"a\r\nb", {"a", "b"}, "a\r\nb"},
        {"a\nb\rc", {"a", "b", "c"}, "a\r\nb\r\nc"},
        {"a\r\n", {"a"}, "a"},
        {"a\n\nb", {"a", "", "b"}, "a\r\n\r\nb"},
        {"\r\n", {""}, "\r\n"},
        {"a\r\r", {"a", ""}, "a\r\n\r\n"}, // a final empty line keeps its own break
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test::Hex(c.text));
        TXLStringList list;
        list.SetText(c.text);
        EXPECT_EQ(list.Lines, c.lines);
        EXPECT_EQ(list.Text(), c.joined);
        // What is saved reads back as the same lines.
        TXLStringList again;
        again.SetText(list.Text());
        EXPECT_EQ(again.Lines, list.Lines);
    }
}

TEST(TXLCStrings, ShowsTheLineAtTheItemIndex)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCStrings>(sheet);
    cell.SetAsString("zero\r\none\r\ntwo");
    const std::pair<int, std::string> cases[] = {{0, "zero"}, {2, "two"}, {3, ""}, {-1, ""}};
    for (const auto& [index, shown] : cases) {
        cell.SetAsInteger(index);
        EXPECT_EQ(cell.GetAsInteger(), index);
        EXPECT_EQ(cell.GetDisplayText(), shown) << index;
    }
    cell.SetAsInteger(1);
    cell.SetFormat(">LLL");
    EXPECT_EQ(cell.GetDisplayText(), "ONE") << "the line goes through the edit mask";
    EXPECT_EQ(cell.GetAsString(), "zero\r\none\r\ntwo");
}

TEST(TXLCStrings, SetDataObjectCopiesTheLinesAndAlwaysNotifies)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCStrings>(sheet);
    TXLStringList source;
    source.Lines = {"p", "q"};
    cell.SetDataObject(&source);
    source.Lines.push_back("r");
    auto* held = dynamic_cast<TXLStringList*>(cell.GetDataObject());
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->Lines, (std::vector<std::string>{"p", "q"})) << "a copy, not a reference";
    sheet.SetModified(false);
    source.Lines = {"p", "q"};
    cell.SetDataObject(&source);
    EXPECT_TRUE(sheet.Modified()) << "even the same lines notify";
}

TEST(TXLCStrings, AssigningACellCopiesItsList)
{
    TXLSheet sheet;
    auto& from = test::PlaceCell<TXLCStrings>(sheet, {0, 0});
    auto& to = test::PlaceCell<TXLCStrings>(sheet, {1, 0});
    from.SetAsString("a\r\nb");
    to.AssignGroup(from, prValue, 0);
    EXPECT_EQ(to.GetAsString(), "a\r\nb");
}

} // namespace
} // namespace qv
