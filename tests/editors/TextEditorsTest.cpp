// The mask and memo editors in their host: a mask's edges pass the arrows on, the memo's lines, margins and the
// control's place in the host.
#include "EditingGrid.h"

#include "cells/StringCell.h"
#include "editors/MaskEdit.h"
#include "editors/Memo.h"

#include <QPlainTextEdit>

namespace qv::test {
namespace {

// The editors of a text cell by its Editor: the pick list, the memo, the mask editor.
constexpr int kMemoEditor = 1;
constexpr int kMaskEditor = 2;

TEST(MaskEdit, WithAMaskLeftAtTheStartAndRightAtTheEndMoveTheCurrentCell)
{
    EditingGrid g;
    TXLCell& cell = g.Make({2, 2}, TXLCString::Class());
    cell.SetEditor(kMaskEditor);
    cell.SetFormat("000");
    cell.SetValue(Variant("123"));
    g.GoTo({2, 2});
    g.Key(Qt::Key_F2);
    auto* edit = dynamic_cast<TXLMaskEdit*>(g.Host().Control());
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->HasEditMask());
    edit->setCursorPosition(1);
    g.Key(Qt::Key_Left);
    EXPECT_EQ(g.Body().Current(), (Point{2, 2}));
    g.Key(Qt::Key_Left);
    EXPECT_EQ(g.Body().Current(), (Point{1, 2}));
    EXPECT_EQ(g.Client().GetCell({2, 2}).GetAsString(), "123");
}

TEST(MaskEdit, TheIndentBecomesTheMarginOnTheSidesTheAlignmentLeavesOpen)
{
    struct Case {
        TXLHorzAlign alignment;
        int left;
        int right;
    };
    for (const Case& c : {Case{haLeft, 6, 0}, Case{haRight, 0, 6}, Case{haCenter, 6, 6}}) {
        EditingGrid g;
        TXLCell& cell = g.Make({1, 1}, TXLCString::Class());
        cell.SetEditor(kMaskEditor);
        cell.SetHorzAlign(c.alignment);
        cell.SetIndent(6);
        cell.SetVertAlign(vaBottom);
        g.GoTo({1, 1});
        g.Key(Qt::Key_F2);
        auto* edit = dynamic_cast<TXLMaskEdit*>(g.Host().Control());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->textMargins().left(), c.left) << int(c.alignment);
        EXPECT_EQ(edit->textMargins().right(), c.right) << int(c.alignment);
        // One line high, at the bottom of the host.
        EXPECT_LT(edit->height(), g.Host().height() + 1);
        EXPECT_EQ(edit->geometry().bottom(), g.Host().contentsRect().bottom());
    }
}

TEST(Memo, LinesAreStoredJoinedByCrLfAndCtrlEnterStartsANewLine)
{
    EditingGrid g;
    TXLCell& cell = g.Make({1, 1}, TXLCString::Class());
    cell.SetEditor(kMemoEditor);
    cell.SetValue(Variant("first\nsecond"));
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    auto* memo = dynamic_cast<TXLMemo*>(g.Host().Control());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("first\nsecond"));
    memo->moveCursor(QTextCursor::End);
    g.Key(Qt::Key_Return, Qt::ControlModifier);
    g.Type(QStringLiteral("third"));
    EXPECT_TRUE(g.Host().Active());
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({1, 1}).GetAsString(), "first\r\nsecond\r\nthird");
    EXPECT_EQ(g.Body().Current(), (Point{1, 2}));
}

} // namespace
} // namespace qv::test
