// The body's scroll bars: arrows, page clicks, top and bottom, the flat style and bars switched off.
#include "GridTestSupport.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

constexpr int kRow = 15; // rows and columns of SheetInGrid at scale 100
constexpr int kCol = 60;

// 20 × 100 cells shown: both bars are needed.
struct ShownWideSheet : SheetInGrid {
    explicit ShownWideSheet(TXLScrolls scrolls = kDefaultScrolls) : SheetInGrid(20, 100)
    {
        grid.SetScrolls(scrolls);
        grid.show();
        Settle();
    }
};

// The centre of a part of a bar, as the bar's style lays it out.
QPoint CentreOf(QScrollBar& bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

void Click(QScrollBar& bar, QStyle::SubControl part)
{
    const QPoint at = CentreOf(bar, part);
    QTest::mousePress(&bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
}

struct ClickCase {
    const char* name;
    TXLAxis axis;
    QStyle::SubControl part;
    int from;
    // The expected origin from the client size on the axis.
    int (*expected)(int client);
};

void PrintTo(const ClickCase& c, std::ostream* out)
{
    *out << c.name;
}

int Snapped(int pixel, int item)
{
    return pixel / item * item;
}

// From 100 (inside row 6, 90 to 105) or 150 (inside column 2, 120 to 180); pages snap to the item's start.
const ClickCase kClicks[] = {
    {"DownArrow", axRows, QStyle::SC_ScrollBarAddLine, 100, [](int) { return 105; }},
    {"UpArrow", axRows, QStyle::SC_ScrollBarSubLine, 100, [](int) { return 90; }},
    {"PageBelowTheThumb", axRows, QStyle::SC_ScrollBarAddPage, 100,
     [](int client) { return Snapped(100 + client, kRow); }},
    {"PageAboveTheThumb", axRows, QStyle::SC_ScrollBarSubPage, 700,
     [](int client) { return Snapped(700 - client, kRow); }},
    {"RightArrow", axCols, QStyle::SC_ScrollBarAddLine, 150, [](int) { return 180; }},
    {"LeftArrow", axCols, QStyle::SC_ScrollBarSubLine, 150, [](int) { return 120; }},
    {"PageRightOfTheThumb", axCols, QStyle::SC_ScrollBarAddPage, 150,
     [](int client) { return Snapped(150 + client, kCol); }},
};

struct StyleCase {
    const char* name;
    TXLScrolls scrolls;
};

class BarClick : public ::testing::TestWithParam<std::tuple<ClickCase, StyleCase>> {};

TEST_P(BarClick, MovesTheBodyByAnItemOrAPageAndTheThumbFollows)
{
    const auto& [click, style] = GetParam();
    ShownWideSheet fixture(style.scrolls);
    TXLView& body = fixture.Body();
    QScrollBar& bar = fixture.grid.ScrollBar(click.axis);
    ASSERT_TRUE(bar.isVisible());
    body.SetOrigin(click.axis == axCols ? Point{click.from, 0} : Point{0, click.from});
    ASSERT_EQ(bar.value(), click.from);
    Click(bar, click.part);
    const int origin = click.axis == axCols ? body.Origin().x : body.Origin().y;
    EXPECT_EQ(origin, click.expected(body.ClientSize(click.axis)));
    EXPECT_EQ(bar.value(), origin);
    EXPECT_EQ(click.axis == axCols ? body.Origin().y : body.Origin().x, 0) << "the other axis stays";
}

std::string NameOf(const ::testing::TestParamInfo<std::tuple<ClickCase, StyleCase>>& info)
{
    return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(ScrollBar, BarClick,
                         ::testing::Combine(::testing::ValuesIn(kClicks),
                                            ::testing::Values(StyleCase{"", kDefaultScrolls},
                                                              StyleCase{"Flat", kDefaultScrolls | ScrollBit(sFlat)})),
                         NameOf);

// The bars' menu offers the top and the bottom (and the far left and right).
TEST(ScrollBar, TopAndBottomGoToTheContentsEnds)
{
    ShownWideSheet fixture;
    TXLView& body = fixture.Body();
    body.SetOrigin({150, 700});
    for (TXLAxis axis : {axCols, axRows}) {
        QScrollBar& bar = fixture.grid.ScrollBar(axis);
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        const int extent = axis == axCols ? 20 * kCol : 100 * kRow;
        EXPECT_EQ(axis == axCols ? body.Origin().x : body.Origin().y, extent - body.ClientSize(axis));
        EXPECT_EQ(bar.value(), bar.maximum());
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        EXPECT_EQ(axis == axCols ? body.Origin().x : body.Origin().y, 0);
        EXPECT_EQ(bar.value(), 0);
    }
}

TEST(ScrollBar, TheFlatStyleDrawsPlainBarsOfSixteenPixelsAndCanBeSwitchedOff)
{
    ShownWideSheet fixture(kDefaultScrolls | ScrollBit(sFlat));
    TXLView& body = fixture.Body();
    QScrollBar& vertical = fixture.grid.ScrollBar(axRows);
    QScrollBar& horizontal = fixture.grid.ScrollBar(axCols);
    EXPECT_FALSE(vertical.styleSheet().isEmpty());
    EXPECT_EQ(vertical.width(), 16);
    EXPECT_EQ(horizontal.height(), 16);
    EXPECT_EQ(body.x() + body.width(), vertical.x()) << "the bar beside the body";
    EXPECT_EQ(body.y() + body.height(), horizontal.y());
    EXPECT_EQ(CentreOf(vertical, QStyle::SC_ScrollBarSubLine), QPoint(7, 7)) << "a square arrow at each end";
    EXPECT_EQ(CentreOf(vertical, QStyle::SC_ScrollBarAddLine), QPoint(7, vertical.height() - 9));

    fixture.grid.SetScrolls(kDefaultScrolls);
    Settle();
    EXPECT_TRUE(vertical.styleSheet().isEmpty()) << "the platform's bars again";
    EXPECT_TRUE(vertical.isVisible());
    EXPECT_EQ(body.x() + body.width(), vertical.x());
    EXPECT_EQ(vertical.x() + vertical.width(), fixture.grid.contentsRect().right() + 1);
}

struct HiddenCase {
    const char* name;
    TXLScrolls scrolls;
    bool horizontalShown;
    bool verticalShown;
};

void PrintTo(const HiddenCase& c, std::ostream* out)
{
    *out << c.name;
}

class SwitchedOffBar : public ::testing::TestWithParam<HiddenCase> {};

// A bar switched off stays hidden however large the content, the body takes its room, and the body still scrolls.
TEST_P(SwitchedOffBar, StaysHiddenAndLeavesItsRoomToTheBody)
{
    const HiddenCase& c = GetParam();
    ShownWideSheet fixture(c.scrolls);
    TXLView& body = fixture.Body();
    QScrollBar& horizontal = fixture.grid.ScrollBar(axCols);
    QScrollBar& vertical = fixture.grid.ScrollBar(axRows);
    EXPECT_EQ(horizontal.isVisible(), c.horizontalShown);
    EXPECT_EQ(vertical.isVisible(), c.verticalShown);
    const QRect inside = fixture.grid.contentsRect();
    EXPECT_EQ(body.x() + body.width(), c.verticalShown ? vertical.x() : inside.right() + 1);
    EXPECT_EQ(body.y() + body.height(), c.horizontalShown ? horizontal.y() : inside.bottom() + 1);

    body.SetCurrent({19, 99}, TXLCollapse::Collapse, TXLReveal::MakeVisible);
    EXPECT_EQ(body.Origin(), (Point{20 * kCol - body.width(), 100 * kRow - body.height()}))
        << "the keyboard reaches the last cell";
    fixture.sheet.SetSize(99, axRows, 40); // the content grows
    Settle();
    EXPECT_EQ(vertical.isVisible(), c.verticalShown);

    fixture.grid.SetScrolls(kDefaultScrolls);
    Settle();
    EXPECT_TRUE(horizontal.isVisible()) << "switched on again";
    EXPECT_TRUE(vertical.isVisible());
    EXPECT_EQ(vertical.value(), body.Origin().y);
}

INSTANTIATE_TEST_SUITE_P(
    ScrollBar, SwitchedOffBar,
    ::testing::Values(HiddenCase{"NoVertical", ScrollBit(sHorizontal) | ScrollBit(sTracking), true, false},
                      HiddenCase{"NoHorizontal", ScrollBit(sVertical) | ScrollBit(sTracking), false, true},
                      HiddenCase{"OnlyTracking", ScrollBit(sTracking), false, false},
                      HiddenCase{"None", 0, false, false}),
    [](const ::testing::TestParamInfo<HiddenCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace qv::test
