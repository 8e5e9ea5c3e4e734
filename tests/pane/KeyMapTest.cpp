// The current pane's key handling without a window: typed characters reaching the edit host or the cell, F2,
// Escape, Shift closing the editor, and input-method composition.
#include "PaneFixture.h"
#include "cells/BooleanCell.h"
#include "support/RecordingEditHost.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// A grid whose edit host records what reaches it; the current cell is (2, 2).
struct EditingPanes : Panes {
    EditingPanes() : host(Body())
    {
        editHost = &host;
        Body().SetCurrent({2, 2}, TXLCollapse::Collapse, TXLReveal::None);
        host.calls.clear();
    }
    TXLCBoolean& MakeCheckBox()
    {
        return static_cast<TXLCBoolean&>(sheet.Section(sClient).ReplaceCell({2, 2}, &TXLCBoolean::Class()));
    }
    RecordingEditHost host;
};

enum class Setup : uint8_t { Plain, GridReadOnly, CellReadOnly, SheetReadOnly, CheckBox };

struct TypeCase {
    Setup setup;
    char32_t key;
    bool startsEditing;
    char32_t left; // what the grid's own key press event gets
};

class TypedCharacter : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TypedCharacter, StartsTheEditorWhereTheCellCanBeEditedElseGoesToTheCell)
{
    EditingPanes grid;
    const TypeCase& c = GetParam();
    TXLCBoolean* checkBox = nullptr;
    switch (c.setup) {
    case Setup::GridReadOnly:
        grid.options |= OptionBit(oReadOnly);
        break;
    case Setup::CellReadOnly:
        grid.sheet.GetCell(2, 2).SetStyles(CellStyleBit(csReadOnly));
        break;
    case Setup::SheetReadOnly:
        grid.sheet.ReadOnly = true;
        break;
    case Setup::CheckBox:
        checkBox = &grid.MakeCheckBox();
        break;
    case Setup::Plain:
        break;
    }
    EXPECT_EQ(grid.Body().TypeCharacter(c.key, 0), c.left);
    if (c.startsEditing) {
        ASSERT_EQ(grid.host.started.size(), 1u);
        EXPECT_EQ(grid.host.started[0].Kind, TXLInputKind::Character);
        EXPECT_EQ(grid.host.started[0].Character, c.key);
        EXPECT_EQ(grid.host.cell, grid.sheet.Section(sClient).FindCell({2, 2})) << "open on the current cell";
    } else {
        EXPECT_TRUE(grid.host.started.empty());
        EXPECT_FALSE(grid.host.Active());
    }
    if (checkBox) {
        EXPECT_EQ(checkBox->GetAsBoolean(), c.key == U' ') << "a blank toggles the check box";
    }
}

INSTANTIATE_TEST_SUITE_P(KeyMap, TypedCharacter,
                         ::testing::Values(TypeCase{Setup::Plain, U'5', true, 0},
                                           TypeCase{Setup::Plain, kCharBackspace, true, 0},
                                           TypeCase{Setup::Plain, U'中', true, 0},
                                           TypeCase{Setup::Plain, 1, false, 1}, // a control character
                                           TypeCase{Setup::GridReadOnly, U'5', false, U'5'},
                                           TypeCase{Setup::CellReadOnly, U'5', false, U'5'},
                                           TypeCase{Setup::SheetReadOnly, U'5', false, U'5'},
                                           TypeCase{Setup::CheckBox, U' ', false, 0}, // consumed by the cell
                                           TypeCase{Setup::CheckBox, U'x', false, U'x'}));

TEST(KeyMap, ABlankTogglesACheckBoxInAGridWithoutAnEditor)
{
    Panes grid;
    auto& checkBox = static_cast<TXLCBoolean&>(grid.sheet.Section(sClient).ReplaceCell({0, 0}, &TXLCBoolean::Class()));
    EXPECT_EQ(grid.Body().TypeCharacter(U' ', 0), 0u);
    EXPECT_TRUE(checkBox.GetAsBoolean());
    EXPECT_EQ(grid.Body().TypeCharacter(U'5', 0), U'5') << "no editor: a digit reaches the grid's key press";
}

TEST(KeyMap, F2OpensTheEditorWithTheArrowsMovingTheCaret)
{
    EditingPanes grid;
    grid.Body().KeyDown({TXLKey::F2, ssCtrl});
    EXPECT_TRUE(grid.host.calls.empty()) << "only F2 alone";
    grid.Body().KeyDown({TXLKey::F2, 0});
    EXPECT_EQ(grid.host.calls, (std::vector<std::string>{"arrows move the caret", "editing on", "edit"}));
    EXPECT_TRUE(grid.Body().IsEditing());
    grid.SetEditMode(TXLEditMode::Closed);
    EXPECT_FALSE(grid.Body().IsEditing());
}

TEST(KeyMap, ShiftWithAKeyClosesTheEditorUnlessItIsPermanent)
{
    EditingPanes grid;
    grid.Body().PrepareEdit({2, 2});
    grid.Body().KeyDown({TXLKey::Down, ssShift});
    EXPECT_FALSE(grid.Body().IsEditing());
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 2, 3, 4}));

    grid.options |= OptionBit(oPermEdit);
    grid.Body().PrepareEdit({2, 2});
    grid.Body().KeyDown({TXLKey::Down, ssShift});
    EXPECT_TRUE(grid.Body().IsEditing());
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 2, 3, 5}));
}

TEST(KeyMap, WithoutRangeSelectShiftMovesTheCurrentCell)
{
    EditingPanes grid;
    grid.options &= ~OptionBit(oRangeSelect);
    grid.Body().KeyDown({TXLKey::Down, ssShift});
    EXPECT_EQ(grid.Body().Current(), (Point{2, 3}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 3, 3, 4}));
}

TEST(KeyMap, EscapeCancelsTheEditAndIsConsumed)
{
    EditingPanes grid;
    grid.Body().PrepareEdit({2, 2});
    char32_t key = kCharEscape;
    grid.Body().KeyPress(key, 0);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(grid.host.calls.back(), "cancel");
    EXPECT_FALSE(grid.Body().IsEditing());
}

TEST(KeyMap, AnInputMethodStartsEditingAndFeedsTheOpenEditor)
{
    EditingPanes grid;
    TXLTypedInput start;
    start.Kind = TXLInputKind::CompositionStart;
    start.Preedit = "zhong";
    grid.Body().InputMethod(start);
    ASSERT_EQ(grid.host.started.size(), 1u);
    EXPECT_EQ(grid.host.started[0].Preedit, "zhong");
    TXLTypedInput end;
    end.Kind = TXLInputKind::CompositionEnd;
    end.Commit = "中";
    grid.Body().InputMethod(end);
    ASSERT_EQ(grid.host.forwarded.size(), 1u);
    EXPECT_EQ(grid.host.forwarded[0].Commit, "中");

    // On a cell without an editor nothing opens and nothing is forwarded.
    EditingPanes other;
    other.MakeCheckBox();
    other.Body().InputMethod(start);
    other.Body().InputMethod(end);
    EXPECT_TRUE(other.host.started.empty());
    EXPECT_TRUE(other.host.forwarded.empty());
}

} // namespace
} // namespace qv::test
