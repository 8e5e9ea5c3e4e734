// A shown, focused grid with its own edit host over a small sheet, and the keys and clicks a user gives it.
#pragma once

#include "editors/Edit.h"
#include "editors/PickEdit.h"
#include "grid/Grid.h"
#include "grid/QtGeometry.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {

struct EditingGrid {
    EditingGrid()
    {
        sheet.SetColCount(8);
        sheet.SetRowCount(20);
        grid.resize(520, 320);
        grid.SetSheet(&sheet);
        grid.show();
        grid.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
    }

    TXLView& Body() { return grid.View(sClient); }
    TXLEdit& Host() { return dynamic_cast<TXLEdit&>(*grid.EditHost()); }
    TXLSection& Client() { return sheet.Section(sClient); }
    TXLCell& Make(Point p, const TXLCellClass& cls) { return Client().ReplaceCell(p, &cls); }
    // Moves the current cell there without editing.
    void GoTo(Point p)
    {
        Body().SetCurrent(p, TXLCollapse::Collapse, TXLReveal::MakeVisible);
        QApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    // A key to whatever has the focus, as the user presses it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focused(), key, modifiers);
    }
    // Each character to whatever has the focus then: the first one typed on the grid opens the editor.
    void Type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(Focused(), c.toLatin1());
    }
    // A click in the middle of a body cell.
    void Click(Point cell)
    {
        Rect r;
        Body().CellRectToPixels({cell.x, cell.y, cell.x + 1, cell.y + 1}, r, 0);
        QTest::mouseClick(&Body(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    // Where the host should lie over a cell drawn without a frame: up to its right and bottom grid lines.
    QRect CoverOf(Point cell)
    {
        Rect r;
        Body().CellRectToPixels({cell.x, cell.y, cell.x + 1, cell.y + 1}, r, 0);
        return ToQRect({r.left, r.top, r.right - 1, r.bottom - 1});
    }
    // The edit field of the pick-list editor that is open.
    QLineEdit* PickField()
    {
        auto* pick = dynamic_cast<TXLPickEdit*>(Host().Control());
        return pick ? pick->PickList().lineEdit() : nullptr;
    }
    // Frees the controls the host replaced.
    static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TXLSheet sheet;
    TXLGrid grid;
};

} // namespace qv::test
