// Raised titles of the body's selection: frames on merged title cells, and what a selection change repaints.
#include "PaneFixture.h"
#include "platform/RecordingCanvas.h"
#include "sheet/ProRange.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <ostream>

namespace qv::test {
namespace {

std::unique_ptr<RecordingCanvas> PaintWhole(TXLPane& pane)
{
    auto canvas = std::make_unique<RecordingCanvas>(pane.ClientSize());
    pane.Paint(*canvas, Rect::FromSize({0, 0}, pane.ClientSize()));
    return canvas;
}

// The pixels in which two paintings of a pane differ.
Region Differing(const RecordingCanvas& before, const RecordingCanvas& after)
{
    Region result;
    const Rect surface = before.SurfaceRect();
    for (int y = 0; y < surface.bottom; ++y)
        for (int x = 0; x < surface.right; ++x)
            if (before.PixelAt({x, y}) != after.PixelAt({x, y}))
                result = result.Union(Rect{x, y, x + 1, y + 1});
    return result;
}

// The edge drawn around exactly these bounds, if any.
std::optional<CanvasOp> EdgeAt(const RecordingCanvas& canvas, const Rect& bounds)
{
    for (const CanvasOp& op : canvas.OpsOfKind(CanvasOpKind::DrawEdge))
        if (op.Bounds == bounds)
            return op;
    return std::nullopt;
}

void SelectInBody(Panes& grid, const Rect& range)
{
    if (range.IsEmpty())
        grid.Body().ResetSelection();
    else
        grid.Body().Select(range, grid.Body().Current());
}

// Column titles: 60 wide from x 0, one row 20 high; row titles: 40 wide, rows 15 high from y 0.
TEST(TitleMarks, AMergedTitleCellMeetingTheSelectionIsRaisedWhole)
{
    Panes grid;
    TXLRange(grid.sheet.Section(sCols), {1, 0, 3, 1}).Merge(false); // x 60 to 180
    TXLRange(grid.sheet.Section(sCols), {5, 0, 7, 1}).Merge(false); // x 300 to 420, not selected
    TXLRange(grid.sheet.Section(sRows), {0, 4, 1, 7}).Merge(false); // y 60 to 105
    grid.Body().SetCurrent({2, 6}, TXLCollapse::Collapse, TXLReveal::None);
    grid.Body().Select({2, 6, 3, 7}, grid.Body().Current()); // column 2 and row 6, each the last of its range

    const auto cols = PaintWhole(grid.Pane(sCols));
    ASSERT_NE(EdgeAt(*cols, {60, 0, 180, 20}), std::nullopt);
    EXPECT_EQ(EdgeAt(*cols, {60, 0, 180, 20})->Edge, EDGE_RAISED) << "one raised frame around the merged cell";
    EXPECT_EQ(EdgeAt(*cols, {120, 0, 180, 20}), std::nullopt) << "no frame of the covered cell";
    ASSERT_NE(EdgeAt(*cols, {300, 0, 420, 20}), std::nullopt);
    EXPECT_EQ(EdgeAt(*cols, {300, 0, 420, 20})->Edge, BDR_RAISEDINNER) << "its own flat frame";
    ASSERT_NE(EdgeAt(*cols, {180, 0, 240, 20}), std::nullopt);
    EXPECT_EQ(EdgeAt(*cols, {180, 0, 240, 20})->Edge, BDR_RAISEDINNER) << "the column after the range";

    const auto rows = PaintWhole(grid.Pane(sRows));
    ASSERT_NE(EdgeAt(*rows, {0, 60, 40, 105}), std::nullopt);
    EXPECT_EQ(EdgeAt(*rows, {0, 60, 40, 105})->Edge, EDGE_RAISED);
    ASSERT_NE(EdgeAt(*rows, {0, 45, 40, 60}), std::nullopt);
    EXPECT_EQ(EdgeAt(*rows, {0, 45, 40, 60})->Edge, BDR_RAISEDINNER);
}

struct SelectionChange {
    const char* name;
    Rect from; // the body's selection before and after; empty: none
    Rect to;
    TXLOptions options;
    Point origin;
};

void PrintTo(const SelectionChange& change, std::ostream* out)
{
    *out << change.name;
}

std::string NameOf(const ::testing::TestParamInfo<SelectionChange>& info)
{
    return info.param.name;
}

class SelectionRepaint : public ::testing::TestWithParam<SelectionChange> {};

// Every pixel whose painting changes is repainted, the raised titles' included, and little else is.
TEST_P(SelectionRepaint, CoversWhatTheChangeAltersInTheBodyAndTheTitles)
{
    const SelectionChange& c = GetParam();
    Panes grid;
    grid.options = c.options;
    TXLRange(grid.sheet.Section(sCols), {1, 0, 3, 1}).Merge(false);
    TXLRange(grid.sheet.Section(sRows), {0, 4, 1, 7}).Merge(false);
    grid.Body().SetOrigin(c.origin);
    grid.Body().SetCurrent({2, 2}, TXLCollapse::Collapse, TXLReveal::None);
    SelectInBody(grid, c.from);
    std::array<std::unique_ptr<RecordingCanvas>, 4> before;
    for (TXLSector sector : {sCols, sRows, sClient}) {
        before[sector] = PaintWhole(grid.Pane(sector));
        grid.Host(sector).invalidated = {};
    }
    SelectInBody(grid, c.to);
    bool anyChange = false;
    for (TXLSector sector : {sCols, sRows, sClient}) {
        SCOPED_TRACE(sector == sCols ? "column titles" : sector == sRows ? "row titles" : "body");
        const Region changed = Differing(*before[sector], *PaintWhole(grid.Pane(sector)));
        const Region repainted = grid.Host(sector).invalidated;
        EXPECT_TRUE(changed.Subtract(repainted).IsEmpty())
            << "stale pixels around " << changed.Bounds().left << "," << changed.Bounds().top;
        EXPECT_TRUE(repainted.Subtract(Region(changed.Bounds().Inflate(1, 1))).IsEmpty())
            << "repainted beyond the change";
        anyChange = anyChange || !changed.IsEmpty();
    }
    EXPECT_TRUE(anyChange);
}

constexpr TXLOptions kPlain = kDefaultOptions & ~OptionBit(oTitle3D);

// Merged title cells: columns 1 and 2, rows 4 to 6.
INSTANTIATE_TEST_SUITE_P(
    TitleMarks, SelectionRepaint,
    ::testing::Values(SelectionChange{"FirstSelection", {}, {2, 2, 3, 3}, kDefaultOptions, {}},
                      SelectionChange{"ToAnotherColumnAndRow", {4, 2, 5, 3}, {5, 8, 6, 9}, kDefaultOptions, {}},
                      SelectionChange{"Extended", {4, 2, 5, 3}, {4, 2, 7, 4}, kDefaultOptions, {}},
                      SelectionChange{"ShrunkToItsFirstCell", {4, 2, 7, 4}, {4, 2, 5, 3}, kDefaultOptions, {}},
                      SelectionChange{"Cleared", {4, 2, 6, 4}, {}, kDefaultOptions, {}},
                      SelectionChange{"IntoAMergedTitle", {4, 2, 5, 3}, {2, 5, 3, 6}, kDefaultOptions, {}},
                      SelectionChange{"OutOfAMergedTitle", {2, 5, 3, 6}, {4, 8, 5, 9}, kDefaultOptions, {}},
                      SelectionChange{"ScrolledHalfACellOn", {4, 2, 5, 3}, {1, 5, 3, 6}, kDefaultOptions, {30, 20}},
                      SelectionChange{
                          "WholeRows", {4, 2, 5, 3}, {1, 5, 3, 9}, kDefaultOptions | OptionBit(oRowSelect), {}},
                      SelectionChange{"WithoutRaisedTitles", {4, 2, 5, 3}, {5, 8, 6, 9}, kPlain, {}}),
    NameOf);

} // namespace
} // namespace qv::test
