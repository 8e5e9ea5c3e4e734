// Boolean cells: the flat check box at scale 100 and 200, text instead of a box with a format, toggling.
#include "cells/BooleanCell.h"
#include "CellTestSheet.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct Drawn {
    Region ink;  // every pixel that is no longer the white background
    Region mark; // pixels in the window-text colour
    Region frame;
};

Drawn DrawCheckBox(bool checked, int scale, TXLLayout layout, Rect rect)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCBoolean>(sheet);
    cell.SetAsBoolean(checked);
    RecordingCanvas canvas({80, 80});
    TXLDrawInfo info;
    info.Canvas = &canvas;
    info.Scale = scale;
    info.Layout = layout;
    cell.DrawValue(info, rect);
    const Region white = canvas.PixelsOfColor(0xFFFFFF);
    return {Region(canvas.SurfaceRect()).Subtract(white), canvas.PixelsOfColor(canvas.ResolveColor(clWindowText)),
            canvas.PixelsOfColor(canvas.ResolveColor(clBtnShadow))};
}

TEST(TXLCBoolean, WithoutAFormatDrawsACheckBoxOfThirteenPixelsPerHundredPercent)
{
    struct Case {
        int scale;
        TXLLayout layout;
        Rect box;
    };
    const Rect cell{5, 4, 65, 44};
    const Case cases[] = {
        {100, {haLeft, vaTop, 0, wmClip}, {5, 4, 18, 17}},
        {200, {haLeft, vaTop, 0, wmClip}, {5, 4, 31, 30}},
        {100, {haRight, vaBottom, 0, wmClip}, {52, 31, 65, 44}},
        {100, {haCenter, vaCenter, 0, wmClip}, {28, 17, 41, 30}},
        {150, {haLeft, vaTop, 0, wmClip}, {5, 4, 24, 23}}, // 150 x 13 / 100 = 19
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const Drawn d = DrawCheckBox(false, c.scale, c.layout, cell);
        EXPECT_EQ(d.ink.Bounds(), c.box);
        EXPECT_EQ(d.frame, Region(c.box).Subtract(c.box.Inflate(-1, -1))) << "a flat one-pixel frame";
        EXPECT_TRUE(d.mark.IsEmpty()) << "unchecked: no mark";
    }
}

TEST(TXLCBoolean, TheMarkScalesWithTheBox)
{
    const TXLLayout topLeft{haLeft, vaTop, 0, wmClip};
    const Drawn small = DrawCheckBox(true, 100, topLeft, {0, 0, 40, 40});
    const Drawn large = DrawCheckBox(true, 200, topLeft, {0, 0, 40, 40});
    ASSERT_FALSE(small.mark.IsEmpty());
    EXPECT_TRUE(small.mark.Subtract(Rect{1, 1, 12, 12}).IsEmpty()) << "the mark stays inside the frame";
    Region doubled;
    for (const Rect& r : small.mark.Rects())
        doubled = doubled.Union(Rect{2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom});
    EXPECT_EQ(large.mark, doubled);
}

TEST(TXLCBoolean, WithAFormatDrawsTheTextInstead)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCBoolean>(sheet);
    cell.SetFormat("Yes;No");
    RecordingCanvas canvas({80, 30});
    TXLDrawInfo info;
    info.Canvas = &canvas;
    Rect rect{0, 0, 80, 30};
    cell.DrawValue(info, rect);
    const auto texts = canvas.OpsOfKind(CanvasOpKind::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "No");
    EXPECT_TRUE(canvas.OpsOfKind(CanvasOpKind::FillRect).empty());
}

TEST(TXLCBoolean, ASpaceTogglesAndIsConsumedOtherKeysPass)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCBoolean>(sheet);
    char32_t key = U' ';
    cell.KeyPress(key);
    EXPECT_TRUE(cell.GetAsBoolean());
    EXPECT_EQ(key, 0u) << "the space must not reach the editor";
    key = U'x';
    cell.KeyPress(key);
    EXPECT_TRUE(cell.GetAsBoolean());
    EXPECT_EQ(key, U'x');
    cell.DblClick();
    EXPECT_FALSE(cell.GetAsBoolean());
}

} // namespace
} // namespace qv
