// The canvas contract on the recording canvas: text layout, edges, clipping, state and rasterised primitives.
#include "platform/LayoutCases.h"
#include "platform/LineBreak.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr std::uint32_t kBackground = 0x123456;

// Font height -10: lines 10 pixels high, narrow characters 5 wide, wide characters 10.
class CanvasTest : public testing::Test {
protected:
    CanvasTest() : canvas({100, 60}, kBackground)
    {
        TXLFontData font;
        font.Height = -10;
        canvas.SetFont(font);
    }

    struct Run {
        std::string text;
        Point at;
        bool operator==(const Run&) const = default;
    };

    std::vector<Run> Runs() const
    {
        std::vector<Run> runs;
        for (const CanvasOp& op : canvas.OpsOfKind(CanvasOpKind::TextRun)) {
            runs.push_back({op.Text, op.Bounds.TopLeft()});
        }
        return runs;
    }

    std::vector<std::string> RunTexts() const
    {
        std::vector<std::string> texts;
        for (const Run& run : Runs()) {
            texts.push_back(run.text);
        }
        return texts;
    }

    RecordingCanvas canvas;
};

TEST_F(CanvasTest, FixedMetrics)
{
    struct Case {
        std::string text;
        int height;
        Size extent;
    };
    const Case cases[] = {
        {"abc", -10, {15, 10}},     {"", -10, {0, 10}},         {"中文", -10, {20, 10}},
        {"\u3000a", -10, {15, 10}}, {"\uE5E5a", -10, {15, 10}}, {"\u10FF\u1100", -10, {15, 10}},
        {"abc", 10, {15, 10}},      {"ab", 0, {12, 12}},        {"ab", -1, {2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " at height " + std::to_string(c.height));
        TXLFontData font;
        font.Height = c.height;
        font.Style = fsBold;
        canvas.SetFont(font);
        EXPECT_EQ(canvas.TextExtent(c.text), c.extent);
    }
}

TEST_F(CanvasTest, AlignsEachLine)
{
    const Rect rect{10, 5, 60, 35};
    struct Case {
        unsigned flags;
        std::vector<Point> starts;
    };
    // "abcd" is 20 wide, "ab" 10.
    const Case cases[] = {
        {DT_LEFT, {{10, 5}, {10, 15}}},
        {DT_CENTER, {{25, 5}, {30, 15}}},
        {DT_RIGHT, {{40, 5}, {50, 15}}},
        // Vertical placement needs a single line.
        {DT_VCENTER, {{10, 5}, {10, 15}}},
        {DT_BOTTOM | DT_RIGHT, {{40, 5}, {50, 15}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        canvas.ClearOps();
        Rect r = rect;
        EXPECT_EQ(canvas.DrawText("abcd\r\nab", r, c.flags | DT_NOPREFIX), 20);
        EXPECT_EQ(r, rect);
        EXPECT_EQ(Runs(), (std::vector<Run>{{"abcd", c.starts[0]}, {"ab", c.starts[1]}}));
    }

    const Case singleLine[] = {
        {DT_SINGLELINE, {{10, 5}}},
        {DT_SINGLELINE | DT_VCENTER | DT_CENTER, {{25, 15}}},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {{40, 25}}},
    };
    for (const Case& c : singleLine) {
        SCOPED_TRACE(c.flags);
        canvas.ClearOps();
        Rect r = rect;
        EXPECT_EQ(canvas.DrawText("abcd", r, c.flags), 10);
        EXPECT_EQ(Runs(), (std::vector<Run>{{"abcd", c.starts[0]}}));
    }
    // Text wider than the rectangle hangs out on both sides when centred.
    canvas.ClearOps();
    Rect narrow{10, 0, 20, 10};
    canvas.DrawText("abcd", narrow, DT_CENTER | DT_NOCLIP);
    EXPECT_EQ(Runs()[0].at, (Point{5, 0}));
}

TEST_F(CanvasTest, SingleLineTurnsLineBreaksIntoBlanks)
{
    Rect r{0, 0, 100, 20};
    EXPECT_EQ(canvas.DrawText("ab\r\ncd", r, DT_SINGLELINE), 10);
    EXPECT_EQ(RunTexts(), std::vector<std::string>{"ab  cd"});
}

TEST_F(CanvasTest, WordBreak)
{
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"aa bb cc", 35, {"aa bb", "cc"}},
        {"aa bb cc", 40, {"aa bb cc"}},
        {"aa   bb", 20, {"aa", "bb"}},
        {"aa bb  ", 100, {"aa bb"}}, // blanks that end a line are not drawn
        // A word wider than the line stays whole on a line of its own.
        {"aaaaaaaaaa", 20, {"aaaaaaaaaa"}},
        {"aa bbbbbbbbb", 20, {"aa", "bbbbbbbbb"}},
        {"aaaaa bb", 20, {"aaaaa", "bb"}},
        {"中文字符", 25, {"中文", "字符"}},
        {"ab", 0, {"ab"}},
        // Hard line breaks stay; an empty line is kept.
        {"aa\r\n\r\nbb cc", 100, {"aa", "", "bb cc"}},
        {"  aa bb", 20, {"  aa", "bb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.width));
        canvas.ClearOps();
        Rect r{10, 0, 10 + c.width, 60};
        const int height = canvas.DrawText(c.text, r, DT_WORDBREAK | DT_NOPREFIX);
        EXPECT_EQ(height, 10 * int(c.lines.size()));

        std::vector<std::string> drawn;
        int y = 0;
        for (const std::string& line : c.lines) {
            if (!line.empty()) {
                drawn.push_back(line);
            }
        }
        EXPECT_EQ(RunTexts(), drawn);
        for (const Run& run : Runs()) {
            EXPECT_EQ(run.at.x, 10);
            EXPECT_EQ(run.at.y % 10, 0);
            EXPECT_GE(run.at.y, y);
            y = run.at.y + 10;
        }
    }
}

TEST_F(CanvasTest, WrapsOnlyWhereALineMayBreak)
{
    for (const test::WrapCase& c : test::WrapCases()) {
        SCOPED_TRACE(c.Name);
        canvas.ClearOps();
        Rect r{0, 0, canvas.TextExtent(c.Ruler).cx, 60};
        canvas.DrawText(c.Text, r, DT_WORDBREAK | DT_NOPREFIX);
        EXPECT_EQ(RunTexts(), c.Lines);
    }
}

TEST(LineBreakOffsets, BlanksAndCjkCharactersButNeverInsideAWord)
{
    struct Case {
        std::string text;
        std::vector<std::size_t> offsets;
    };
    const Case cases[] = {
        {"12,384,000.00", {}},
        {"  aa bb", {5}}, // leading blanks are an indent
        {"aa ，", {}},    // not even after a blank does a line start with a comma
        {"a中b", {1, 4}}, // around an ideograph
        {"（一）", {}},   // nor inside brackets
        {"“引”文", {9}},  // a closing quote may end a line
        {"\xFF\xFE"
         "ab c",
         {5}}, // invalid bytes are characters too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LineBreakOffsets(c.text), c.offsets);
    }
}

TEST_F(CanvasTest, EndEllipsis)
{
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"abcdefghij", 30, {"abc..."}}, {"abcdef", 30, {"abcdef"}}, {"abcdefgh\nxy", 30, {"abc...", "xy"}},
        {"中文字符", 30, {"中..."}},    {"abcdef", 14, {"..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.width));
        canvas.ClearOps();
        Rect r{0, 0, c.width, 60};
        EXPECT_EQ(canvas.DrawText(c.text, r, DT_END_ELLIPSIS), 10 * int(c.lines.size()));
        EXPECT_EQ(RunTexts(), c.lines);
    }
}

TEST_F(CanvasTest, CalcRectMeasuresWithoutDrawing)
{
    struct Case {
        std::string text;
        unsigned flags;
        Rect given;
        Rect measured;
    };
    const Case cases[] = {
        {"abc", 0, {0, 0, 100, 50}, {0, 0, 15, 10}},
        // Unwrapped text wider than the rectangle widens it.
        {"abcdefghij", 0, {5, 5, 25, 6}, {5, 5, 55, 15}},
        {"aa bb cc", DT_WORDBREAK, {0, 0, 35, 65535}, {0, 0, 25, 20}},
        {"a\r\nb\nc\rd", 0, {0, 0, 100, 0}, {0, 0, 5, 40}},
        {"ab\r\n", 0, {0, 0, 100, 0}, {0, 0, 10, 10}},
        {"\r\n", 0, {0, 0, 100, 0}, {0, 0, 0, 10}},
        {"", 0, {3, 4, 100, 100}, {3, 4, 3, 4}},
        {"abcdefghij", DT_END_ELLIPSIS, {0, 0, 30, 0}, {0, 0, 30, 10}},
        {"中文字符 ab", DT_WORDBREAK, {0, 0, 45, 0}, {0, 0, 40, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Rect r = c.given;
        EXPECT_EQ(canvas.DrawText(c.text, r, c.flags | DT_CALCRECT), c.measured.Height());
        EXPECT_EQ(r, c.measured);
    }
    EXPECT_TRUE(Runs().empty());
    EXPECT_EQ(canvas.OpsOfKind(CanvasOpKind::DrawText).size(), std::size(cases));
}

TEST_F(CanvasTest, TabsExpandToEightAverageCharacters)
{
    // Tab stops every 8 × 5 = 40 pixels from the line's start.
    Rect r{10, 0, 100, 20};
    canvas.DrawText("a\tb\tc", r, DT_EXPANDTABS);
    EXPECT_EQ(Runs(), (std::vector<Run>{{"a", {10, 0}}, {"b", {50, 0}}, {"c", {90, 0}}}));

    struct Case {
        std::string text;
        unsigned flags;
        int width;
    };
    const Case cases[] = {
        {"a\tb", DT_EXPANDTABS, 45},
        {"abcdefgh\tb", DT_EXPANDTABS, 85}, // at a stop already: on to the next
        {"\t\t", DT_EXPANDTABS, 80},
        {"a\tb", 0, 15}, // a blank without the flag
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Rect measured{0, 0, 200, 0};
        canvas.DrawText(c.text, measured, c.flags | DT_CALCRECT);
        EXPECT_EQ(measured.Width(), c.width);
    }
    canvas.ClearOps();
    Rect plain{0, 0, 100, 20};
    canvas.DrawText("a\tb", plain, 0);
    EXPECT_EQ(RunTexts(), std::vector<std::string>{"a b"});
}

TEST_F(CanvasTest, PrefixesUnlessNoPrefix)
{
    struct Case {
        std::string text;
        unsigned flags;
        std::string drawn;
    };
    const Case cases[] = {
        {"&File", 0, "File"},          {"a&&b", 0, "a&b"}, {"a&&&b&", 0, "a&b"}, {"&File", DT_NOPREFIX, "&File"},
        {"a&&b", DT_NOPREFIX, "a&&b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        canvas.ClearOps();
        Rect r{0, 0, 100, 20};
        canvas.DrawText(c.text, r, c.flags);
        EXPECT_EQ(RunTexts(), std::vector<std::string>{c.drawn});
    }
}

TEST_F(CanvasTest, IndentBlankIsAFullWidthBlank)
{
    // Two indent blanks before a narrow name: 2 × 10 + 2 × 5 wide, drawn as U+3000.
    Rect r{0, 0, 100, 20};
    canvas.DrawText("\uE5E5\uE5E5ab", r, DT_RIGHT | DT_NOPREFIX);
    EXPECT_EQ(Runs(), (std::vector<Run>{{"\u3000\u3000ab", {70, 0}}}));
    Rect measured{0, 0, 100, 0};
    canvas.DrawText("\uE5E5\uE5E5ab", measured, DT_CALCRECT);
    EXPECT_EQ(measured.Width(), 30);
    // Recorded as the caller gave it.
    EXPECT_EQ(canvas.OpsOfKind(CanvasOpKind::DrawText)[0].Text, "\uE5E5\uE5E5ab");
}

TEST_F(CanvasTest, TextIsClippedToItsRectangleUnlessNoClip)
{
    canvas.ExcludeClipRect({0, 0, 5, 60});
    const Region before = canvas.ClipRegion();
    const Rect rect{10, 10, 30, 20};
    Rect r = rect;
    canvas.DrawText("abcdefgh", r, 0);
    r = rect;
    canvas.DrawText("abcdefgh", r, DT_NOCLIP);
    const auto runs = canvas.OpsOfKind(CanvasOpKind::TextRun);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Clip, before.Intersect(rect));
    EXPECT_EQ(runs[1].Clip, before);
    EXPECT_EQ(runs[0].Depth, 1);
    EXPECT_EQ(canvas.ClipRegion(), before);
}

TEST_F(CanvasTest, OpaqueTextFillsItsBoxWithTheBrush)
{
    canvas.SetBrush({clYellow, bsSolid});
    Rect r{10, 10, 90, 30};
    canvas.SetBkMode(bkTransparent);
    canvas.DrawText("ab", r, 0);
    EXPECT_EQ(canvas.PixelAt({12, 12}), kBackground);
    canvas.SetBkMode(bkOpaque);
    canvas.DrawText("ab", r, 0);
    EXPECT_EQ(canvas.PixelsOfColor(0xFFFF00), Region(Rect{10, 10, 20, 20}));
}

struct EdgeCase {
    const char* name;
    unsigned edge;
    unsigned flags;
    std::uint32_t outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

class CanvasEdgeTest : public CanvasTest, public testing::WithParamInterface<EdgeCase> {};

// Pixel colours of the rings on rect (10, 10, 20, 20): outer ring on its border, inner one pixel further in.
TEST_P(CanvasEdgeTest, DrawsRingsInSystemColours)
{
    const EdgeCase& c = GetParam();
    Rect rect{10, 10, 20, 20};
    canvas.DrawEdge(rect, c.edge, BF_RECT | c.flags);
    EXPECT_EQ(rect, (Rect{10, 10, 20, 20})) << "moved without BF_ADJUST";

    auto at = [&](int x, int y) { return canvas.PixelAt({x, y}); };
    EXPECT_EQ(at(10, 15), c.outerTopLeft);
    EXPECT_EQ(at(15, 10), c.outerTopLeft);
    EXPECT_EQ(at(10, 10), c.outerTopLeft);
    EXPECT_EQ(at(19, 15), c.outerBottomRight);
    EXPECT_EQ(at(15, 19), c.outerBottomRight);
    // The far corners belong to the right and bottom sides.
    EXPECT_EQ(at(19, 10), c.outerBottomRight);
    EXPECT_EQ(at(10, 19), c.outerBottomRight);
    EXPECT_EQ(at(11, 15), c.innerTopLeft);
    EXPECT_EQ(at(15, 11), c.innerTopLeft);
    EXPECT_EQ(at(18, 15), c.innerBottomRight);
    EXPECT_EQ(at(15, 18), c.innerBottomRight);
    EXPECT_EQ(at(15, 15), (c.flags & BF_MIDDLE) ? 0xC0C0C0 : kBackground);
    EXPECT_EQ(at(9, 15), kBackground);
    EXPECT_EQ(at(20, 15), kBackground);

    // The edge is one operation of the caller's, its strips drawn on its behalf.
    EXPECT_EQ(canvas.Ops().front().Kind, CanvasOpKind::DrawEdge);
    EXPECT_EQ(canvas.Ops().front().Edge, c.edge);
    for (std::size_t i = 1; i < canvas.Ops().size(); ++i) {
        EXPECT_EQ(canvas.Ops()[i].Depth, 1);
    }
    EXPECT_EQ(canvas.Brush(), TXLBrush{}) << "brush not restored";
}

constexpr std::uint32_t kLight = 0xDFDFDF, kHighlight = 0xFFFFFF, kShadow = 0x808080, kDark = 0x000000,
                        kFace = 0xC0C0C0, kBg = kBackground;

INSTANTIATE_TEST_SUITE_P(
    CanvasEdges, CanvasEdgeTest,
    testing::Values(EdgeCase{"raised", EDGE_RAISED, 0, kLight, kDark, kHighlight, kShadow},
                    EdgeCase{"sunken", EDGE_SUNKEN, 0, kShadow, kHighlight, kDark, kLight},
                    EdgeCase{"etched", EDGE_ETCHED, 0, kShadow, kHighlight, kHighlight, kShadow},
                    EdgeCase{"bump", EDGE_BUMP, 0, kLight, kDark, kDark, kLight},
                    EdgeCase{"raisedSoft", EDGE_RAISED, BF_SOFT, kHighlight, kDark, kLight, kShadow},
                    EdgeCase{"sunkenSoft", EDGE_SUNKEN, BF_SOFT, kDark, kHighlight, kShadow, kLight},
                    // A lone inner ring lies on the rectangle's border.
                    EdgeCase{"raisedInner", BDR_RAISEDINNER, 0, kHighlight, kShadow, kBg, kBg},
                    EdgeCase{"sunkenInnerSoft", BDR_SUNKENINNER, BF_SOFT, kShadow, kLight, kBg, kBg},
                    EdgeCase{"sunkenOuter", BDR_SUNKENOUTER, 0, kShadow, kHighlight, kBg, kBg},
                    EdgeCase{"raisedMiddle", EDGE_RAISED, BF_MIDDLE, kLight, kDark, kHighlight, kShadow},
                    EdgeCase{"flat", EDGE_SUNKEN, BF_FLAT, kShadow, kShadow, kFace, kFace},
                    EdgeCase{"mono", EDGE_RAISED, BF_MONO, kDark, kDark, kHighlight, kHighlight}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

TEST_F(CanvasTest, EdgeAdjustAndPartialSides)
{
    struct Case {
        unsigned edge;
        unsigned flags;
        Rect adjusted;
    };
    const Case cases[] = {
        {EDGE_SUNKEN, BF_RECT, {12, 12, 18, 18}},
        {BDR_RAISEDINNER, BF_RECT, {11, 11, 19, 19}},
        {BDR_SUNKENINNER, BF_RECT | BF_SOFT, {11, 11, 19, 19}},
        {EDGE_RAISED, BF_TOPLEFT, {12, 12, 20, 20}},
        {EDGE_BUMP, BF_BOTTOM, {10, 10, 20, 18}},
    };
    for (const Case& c : cases) {
        Rect rect{10, 10, 20, 20};
        canvas.DrawEdge(rect, c.edge, c.flags | BF_ADJUST);
        EXPECT_EQ(rect, c.adjusted);
    }
    // Only the named sides are drawn.
    RecordingCanvas fresh({30, 30}, kBackground);
    Rect rect{10, 10, 20, 20};
    fresh.DrawEdge(rect, EDGE_RAISED, BF_TOPLEFT);
    EXPECT_EQ(fresh.PixelAt({10, 15}), kLight);
    EXPECT_EQ(fresh.PixelAt({19, 15}), kBackground);
    EXPECT_EQ(fresh.PixelAt({15, 19}), kBackground);
    EXPECT_EQ(fresh.PixelAt({19, 10}), kLight);
}

TEST_F(CanvasTest, ExcludedRectangleKeepsItsFill)
{
    // A coloured cell is filled and excluded; the background fill then leaves it alone.
    const Rect cell{10, 10, 20, 20};
    canvas.SetBrush({clRed, bsSolid});
    canvas.FillRect(cell);
    canvas.ExcludeClipRect(cell);
    canvas.SetBrush({clWindow, bsSolid});
    canvas.FillRect(canvas.SurfaceRect());

    EXPECT_EQ(canvas.PixelAt({15, 15}), 0xFF0000u);
    EXPECT_EQ(canvas.PixelAt({9, 15}), 0xFFFFFFu);
    EXPECT_EQ(canvas.PixelsOfColor(0xFF0000), Region(cell));
    EXPECT_TRUE(canvas.WasFilled({15, 15}, clRed));
    EXPECT_FALSE(canvas.WasFilled({15, 15}, clWindow));
    EXPECT_TRUE(canvas.WasFilled({20, 15}, clWindow));
    EXPECT_EQ(canvas.LastFillColorAt({15, 15}), clRed);
    EXPECT_EQ(canvas.LastFillColorAt({0, 0}), clWindow);

    canvas.ResetClip();
    EXPECT_EQ(canvas.ClipRegion(), Region(canvas.SurfaceRect()));
    canvas.SetBrush({clBlue, bsClear});
    canvas.FillRect(cell);
    EXPECT_EQ(canvas.LastFillColorAt({15, 15}), clRed) << "a clear brush fills nothing";
}

TEST_F(CanvasTest, ClipOperations)
{
    canvas.IntersectClipRect({10, 10, 50, 50});
    canvas.ExcludeClipRect({20, 20, 30, 30});
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect{10, 10, 50, 50}).Subtract(Rect{20, 20, 30, 30}));
    canvas.SetClipRegion(Region(Rect{-10, -10, 5, 5}).Union(Rect{90, 50, 200, 200}));
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect{0, 0, 5, 5}).Union(Rect{90, 50, 100, 60}));
    canvas.ResetClip();
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect{0, 0, 100, 60}));
}

TEST_F(CanvasTest, SaveAndRestoreState)
{
    const TXLFontData font = canvas.Font();
    const Region full = canvas.ClipRegion();
    canvas.SaveState();
    canvas.IntersectClipRect({0, 0, 50, 50});
    TXLFontData bold = font;
    bold.Style = fsBold;
    canvas.SetFont(bold);
    canvas.SetPen({clRed, 3, psDot});
    canvas.SetBrush({clBlue, bsClear});
    canvas.SetBkMode(bkTransparent);
    canvas.MoveTo({7, 8});
    {
        TXLCanvasStateSaver saver(canvas);
        canvas.ExcludeClipRect({0, 0, 10, 10});
        canvas.SetBrush({clLime, bsSolid});
    }
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect{0, 0, 50, 50}));
    EXPECT_EQ(canvas.Brush(), (TXLBrush{clBlue, bsClear}));

    canvas.RestoreState();
    EXPECT_EQ(canvas.ClipRegion(), full);
    EXPECT_EQ(canvas.Font(), font);
    EXPECT_EQ(canvas.Pen(), TXLPen{});
    EXPECT_EQ(canvas.Brush(), TXLBrush{});
    EXPECT_EQ(canvas.BkMode(), bkOpaque);
    EXPECT_EQ(canvas.PenPosition(), (Point{0, 0}));
    canvas.RestoreState(); // nothing saved: no change
    EXPECT_EQ(canvas.ClipRegion(), full);
}

TEST_F(CanvasTest, InversionAndFocusRectangleUndoThemselves)
{
    const Region selection = Region(Rect{10, 10, 40, 30}).Xor(Rect{20, 15, 30, 25});
    canvas.IntersectClipRect({0, 0, 35, 60});
    canvas.InvertRegion(selection);
    EXPECT_EQ(canvas.PixelsOfColor(kBackground ^ 0xFFFFFF), selection.Intersect(Rect{0, 0, 35, 60}));
    canvas.InvertRegion(selection);
    EXPECT_EQ(canvas.PixelsOfColor(kBackground), Region(canvas.SurfaceRect()));

    canvas.ResetClip();
    const Rect focus{10, 10, 20, 16};
    canvas.DrawFocusRect(focus);
    const Region dotted = canvas.PixelsOfColor(kBackground ^ 0xFFFFFF);
    EXPECT_TRUE(dotted.Contains({10, 10}));
    EXPECT_FALSE(dotted.Contains({11, 10}));
    EXPECT_TRUE(dotted.Contains({12, 10}));
    EXPECT_TRUE(dotted.Contains({11, 15}));
    EXPECT_FALSE(dotted.Contains({12, 12}));
    EXPECT_EQ(dotted.Area(), (2 * 10 + 2 * 4) / 2);
    canvas.DrawFocusRect(focus);
    EXPECT_EQ(canvas.PixelsOfColor(kBackground), Region(canvas.SurfaceRect()));
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPixel)
{
    canvas.SetPen({clRed, 1, psSolid});
    canvas.PolyPolyline({{{0, 5}, {10, 5}}, {{20, 0}, {20, 4}}});
    ASSERT_EQ(canvas.Ops().size(), 1u) << "one call, one operation";
    EXPECT_EQ(canvas.Ops()[0].Lines.size(), 2u);
    EXPECT_EQ(canvas.PixelsOfColor(0xFF0000), Region(Rect{0, 5, 10, 6}).Union(Rect{20, 0, 21, 4}));

    struct Case {
        TXLPen pen;
        Point from, to;
        Region expected;
    };
    const Case cases[] = {
        {{clBlue, 3, psSolid}, {10, 20}, {15, 20}, Region(Rect{9, 19, 16, 22})},
        {{clBlue, 1, psClear}, {10, 20}, {15, 20}, Region()},
        {{clBlue, 1, psDot},
         {10, 20},
         {15, 20},
         Region(Rect{10, 20, 11, 21}).Union(Rect{12, 20, 13, 21}).Union(Rect{14, 20, 15, 21})},
        {{clBlue, 1, psSolid},
         {30, 30},
         {33, 33},
         Region(Rect{30, 30, 31, 31}).Union(Rect{31, 31, 32, 32}).Union(Rect{32, 32, 33, 33})},
    };
    for (const Case& c : cases) {
        RecordingCanvas fresh({60, 60}, kBackground);
        fresh.SetPen(c.pen);
        fresh.MoveTo(c.from);
        fresh.LineTo(c.to);
        EXPECT_EQ(fresh.PenPosition(), c.to);
        EXPECT_EQ(fresh.PixelsOfColor(0x0000FF), c.expected);
    }
}

TEST_F(CanvasTest, HintTriangleIsFilledAndOutlined)
{
    const int right = 50, top = 10;
    canvas.SetPen({clRed, 1, psSolid});
    canvas.SetBrush({clRed, bsSolid});
    canvas.Polygon({{right - 5, top}, {right - 1, top}, {right - 1, top + 4}});
    Region expected;
    for (int row = 0; row < 5; ++row) {
        expected = expected.Union(Rect{right - 5 + row, top + row, right, top + row + 1});
    }
    EXPECT_EQ(canvas.PixelsOfColor(0xFF0000), expected);
}

TEST_F(CanvasTest, RectangleOutlinesWithPenAndFillsWithBrush)
{
    canvas.SetPen({clBlack, 1, psSolid});
    canvas.SetBrush({clRed, bsSolid});
    canvas.Rectangle({10, 10, 20, 16});
    EXPECT_EQ(canvas.PixelsOfColor(0xFF0000), Region(Rect{11, 11, 19, 15}));
    EXPECT_EQ(canvas.PixelsOfColor(0x000000), Region(Rect{10, 10, 20, 16}).Subtract(Rect{11, 11, 19, 15}));
}

TEST_F(CanvasTest, StretchDrawIsRecorded)
{
    TXLGraphicData picture{"TBitmap", {1, 2, 3}, 16, 8};
    canvas.StretchDraw({0, 0, 32, 16}, picture);
    const auto ops = canvas.OpsOfKind(CanvasOpKind::StretchDraw);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].GraphicClass, "TBitmap");
    EXPECT_EQ(ops[0].Bounds, (Rect{0, 0, 32, 16}));
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_TRUE((TXLGraphicData{"TIcon", {}, 0, 8}).IsEmpty());
}

} // namespace
} // namespace qv
