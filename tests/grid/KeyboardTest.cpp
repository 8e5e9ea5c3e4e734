// Qt's key and input-method events on the grid: the key map reached through QTest, Tab and the focus chain,
// Enter and a dialog's default button, typed characters reaching the edit host or the cell, the grid's own events.
#include "GridTestSupport.h"
#include "cells/BooleanCell.h"
#include "support/RecordingEditHost.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Point expectedCurrent;
    Rect expectedSelection;
};

class GridKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GridKey, ReachesTheKeyMap)
{
    SheetInGrid fixture; // 8 × 20
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oTabKeys));
    fixture.Body().SetCurrent({2, 2}, TXLCollapse::Collapse, TXLReveal::None);
    QTest::keyClick(&fixture.grid, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(fixture.Body().Current(), GetParam().expectedCurrent);
    EXPECT_EQ(fixture.Body().Selection(), GetParam().expectedSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, GridKey,
    ::testing::Values(KeyCase{Qt::Key_Down, Qt::NoModifier, {2, 3}, {2, 3, 3, 4}},
                      KeyCase{Qt::Key_Right, Qt::ShiftModifier, {2, 2}, {2, 2, 4, 3}},
                      KeyCase{Qt::Key_Home, Qt::ControlModifier, {0, 0}, {0, 0, 1, 1}},
                      KeyCase{Qt::Key_End, Qt::ControlModifier, {7, 19}, {7, 19, 8, 20}},
                      KeyCase{Qt::Key_Tab, Qt::NoModifier, {2, 3}, {2, 3, 3, 4}},        // as Enter: down at first
                      KeyCase{Qt::Key_Backtab, Qt::ShiftModifier, {2, 1}, {2, 1, 3, 2}}, // back
                      KeyCase{Qt::Key_Return, Qt::NoModifier, {2, 3}, {2, 3, 3, 4}},
                      KeyCase{Qt::Key_Down, Qt::AltModifier, {2, 2}, {2, 2, 3, 3}})); // Alt: nothing

TEST(Keyboard, TabMovesTheCurrentCellOnlyWithTabKeysElseTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    TXLSheet sheet;
    auto* grid = new TXLGrid;
    auto* next = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(next);
    grid->SetSheet(&sheet);
    window.show();
    grid->setFocus();
    ASSERT_EQ(window.focusWidget(), grid);

    grid->SetOptions(grid->Options() | OptionBit(oTabKeys));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->View(sClient).Current(), (Point{0, 1}));
    EXPECT_EQ(window.focusWidget(), grid);

    grid->SetOptions(grid->Options() & ~OptionBit(oTabKeys));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->View(sClient).Current(), (Point{0, 1}));
    EXPECT_EQ(window.focusWidget(), next) << "the focus chain has Tab";
}

TEST(Keyboard, EnterIsTheGridsOnAnEditableCellAndTheDefaultButtonsOtherwise)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    TXLSheet sheet;
    auto* grid = new TXLGrid;
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    layout->addWidget(grid);
    layout->addWidget(ok);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    grid->SetSheet(&sheet);
    dialog.show();
    grid->setFocus();

    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->View(sClient).Current(), (Point{0, 1})) << "a string cell can be edited: the grid moves";
    EXPECT_EQ(clicks, 0);

    sheet.Section(sClient).ReplaceCell({0, 1}, &TXLCBoolean::Class());
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->View(sClient).Current(), (Point{0, 1})) << "a check box has no editor: the dialog's Enter";
    EXPECT_EQ(clicks, 1);
}

TEST(Keyboard, ADigitOnAnEditableCellReachesTheEditHostsStartWithKey)
{
    SheetInGrid fixture;
    RecordingEditHost host(fixture.Body());
    fixture.grid.SetEditHost(&host);
    std::vector<char32_t> pressed;
    fixture.grid.OnKeyPress = [&](TXLGrid&, char32_t& key) { pressed.push_back(key); };
    fixture.Body().SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    QTest::keyClick(&fixture.grid, Qt::Key_5);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].Character, U'5');
    EXPECT_EQ(host.cell, fixture.sheet.Section(sClient).FindCell({1, 1}));
    EXPECT_TRUE(pressed.empty()) << "the editor took the character";

    fixture.grid.SetEditHost(nullptr);
    QTest::keyClick(&fixture.grid, Qt::Key_5);
    EXPECT_EQ(pressed, (std::vector<char32_t>{U'5'})) << "without an editor the grid's own event has it";
}

TEST(Keyboard, ABlankTogglesACheckBoxAndGoesNoFurther)
{
    SheetInGrid fixture;
    auto& checkBox =
        static_cast<TXLCBoolean&>(fixture.sheet.Section(sClient).ReplaceCell({0, 0}, &TXLCBoolean::Class()));
    std::vector<char32_t> pressed;
    fixture.grid.OnKeyPress = [&](TXLGrid&, char32_t& key) { pressed.push_back(key); };
    QTest::keyClick(&fixture.grid, Qt::Key_Space);
    EXPECT_TRUE(checkBox.GetAsBoolean());
    EXPECT_TRUE(pressed.empty());
    QTest::keyClick(&fixture.grid, Qt::Key_X);
    EXPECT_TRUE(checkBox.GetAsBoolean());
    EXPECT_EQ(pressed, (std::vector<char32_t>{U'x'}));
}

TEST(Keyboard, TheGridsKeyDownEventComesAfterThePanesHandling)
{
    SheetInGrid fixture;
    std::vector<Point> seen;
    fixture.grid.OnKeyDown = [&](TXLGrid& grid, QKeyEvent&) { seen.push_back(grid.View(sClient).Current()); };
    QTest::keyClick(&fixture.grid, Qt::Key_Down);
    EXPECT_EQ(seen, (std::vector<Point>{{0, 1}}));
}

TEST(Keyboard, AnInputMethodsCompositionStartsTheEditorAndTheRestIsForwarded)
{
    SheetInGrid fixture;
    EXPECT_TRUE(fixture.grid.testAttribute(Qt::WA_InputMethodEnabled));
    RecordingEditHost host(fixture.Body());
    fixture.grid.SetEditHost(&host);
    QInputMethodEvent start(QStringLiteral("zhong"), {});
    QApplication::sendEvent(&fixture.grid, &start);
    QInputMethodEvent more(QStringLiteral("zhongguo"), {});
    QApplication::sendEvent(&fixture.grid, &more);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中国"));
    QApplication::sendEvent(&fixture.grid, &commit);

    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].Kind, TXLInputKind::CompositionStart);
    EXPECT_EQ(host.started[0].Preedit, "zhong");
    ASSERT_EQ(host.forwarded.size(), 2u);
    EXPECT_EQ(host.forwarded[0].Kind, TXLInputKind::Composition);
    EXPECT_EQ(host.forwarded[1].Kind, TXLInputKind::CompositionEnd);
    EXPECT_EQ(host.forwarded[1].Commit, "中国");
}

} // namespace
} // namespace qv::test
