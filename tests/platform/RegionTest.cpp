// Region algebra against a pixel model, canonical form and the frame shapes the selection is built from.
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <bitset>
#include <functional>
#include <random>

namespace qv {
namespace {

constexpr int kSide = 16;
using PixelSet = std::bitset<kSide * kSide>;

PixelSet PixelsOf(const Region& region)
{
    PixelSet pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            pixels[y * kSide + x] = region.Contains({x, y});
        }
    }
    return pixels;
}

Region Build(const std::vector<Rect>& rects)
{
    Region region;
    for (const Rect& r : rects) {
        region = region.Union(r);
    }
    return region;
}

TEST(Region, XorOfGrownRectangleIsARing)
{
    const Rect inner{10, 10, 20, 20};
    const Region ring = Region(inner.Inflate(3, 3)).Xor(inner);
    const std::vector<Rect> expected = {{7, 7, 23, 10}, {7, 10, 10, 20}, {20, 10, 23, 20}, {7, 20, 23, 23}};
    EXPECT_EQ(ring.Rects(), expected);
    EXPECT_EQ(ring.Area(), 16 * 16 - 10 * 10);
    EXPECT_EQ(ring.Bounds(), (Rect{7, 7, 23, 23}));
    EXPECT_FALSE(ring.Contains({15, 15}));
    // Xor is its own inverse.
    EXPECT_EQ(ring.Xor(inner), Region(inner.Inflate(3, 3)));
}

TEST(Region, XorComposesFrames)
{
    // A rectangle xor the ring around it is the grown rectangle; xor its own inside leaves a 4-pixel frame.
    const Rect r{10, 10, 30, 20};
    const Region grown = Region(r).Xor(Region(r.Inflate(3, 3)).Xor(r));
    EXPECT_EQ(grown, Region(r.Inflate(3, 3)));
    const Region frame = grown.Xor(r.Inflate(-1, -1));
    struct Case {
        Point p;
        bool inside;
    };
    const Case cases[] = {
        {{7, 7}, true},   {{9, 15}, true},   {{10, 15}, true}, {{11, 15}, false},
        {{29, 19}, true}, {{28, 18}, false}, {{32, 22}, true}, {{33, 15}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(frame.Contains(c.p), c.inside);
    }
    EXPECT_EQ(frame.Area(), 26 * 16 - 18 * 8);
}

TEST(Region, SubtractThenUnionRestores)
{
    const Region a = Build({{0, 0, 10, 6}, {3, 6, 8, 12}});
    const Region b = Build({{5, 2, 14, 9}});
    EXPECT_EQ(a.Subtract(b).Union(a.Intersect(b)), a);
    EXPECT_EQ(a.Subtract(b).Union(b), a.Union(b));
    EXPECT_TRUE(a.Subtract(b).Intersect(b).IsEmpty());
    EXPECT_TRUE(a.Subtract(a).IsEmpty());
}

TEST(Region, EqualPixelSetsCompareEqual)
{
    const Region whole(Rect{0, 0, 8, 8});
    // The same square as four quarters in different orders, as columns, and with overlaps.
    const std::vector<std::vector<Rect>> pieces = {
        {{0, 0, 4, 4}, {4, 0, 8, 4}, {0, 4, 4, 8}, {4, 4, 8, 8}},
        {{4, 4, 8, 8}, {0, 4, 4, 8}, {4, 0, 8, 4}, {0, 0, 4, 4}},
        {{0, 0, 2, 8}, {2, 0, 5, 8}, {5, 0, 8, 8}},
        {{0, 0, 6, 6}, {2, 2, 8, 8}, {0, 5, 3, 8}, {5, 0, 8, 3}},
    };
    for (const auto& list : pieces) {
        EXPECT_EQ(Build(list), whole);
        EXPECT_EQ(Build(list).Rects(), std::vector<Rect>{whole.Bounds()});
    }
    // An L built from a horizontal and from a vertical cut.
    EXPECT_EQ(Build({{0, 0, 2, 6}, {2, 4, 6, 6}}), Build({{0, 0, 2, 4}, {0, 4, 6, 6}}));
    EXPECT_NE(Build({{0, 0, 2, 6}}), Build({{0, 0, 2, 5}}));
}

TEST(Region, EmptyRectanglesAndOffset)
{
    EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).IsEmpty());
    EXPECT_EQ(Region(Rect{5, 5, 5, 9}), Region());
    EXPECT_EQ(Region().Bounds(), Rect{});
    EXPECT_EQ(Region().Union(Rect{1, 1, 2, 2}).Rects(), std::vector<Rect>{(Rect{1, 1, 2, 2})});
    const Region l = Build({{0, 0, 2, 6}, {2, 4, 6, 6}});
    EXPECT_EQ(l.Offset(10, -2), Build({{10, -2, 12, 4}, {12, 2, 16, 4}}));
}

// Every operation agrees with the same operation on plain pixel sets, and the rectangles it keeps are disjoint,
// non-empty and rebuild the same region.
TEST(Region, OperationsMatchPixelModel)
{
    std::mt19937 random(20240531);
    std::uniform_int_distribution<int> coordinate(0, kSide);
    auto randomRegion = [&] {
        Region region;
        const int count = 1 + int(random() % 4);
        for (int i = 0; i < count; ++i) {
            const int x0 = coordinate(random), x1 = coordinate(random);
            const int y0 = coordinate(random), y1 = coordinate(random);
            region = region.Union(Rect{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)});
        }
        return region;
    };
    struct Operation {
        const char* name;
        std::function<Region(const Region&, const Region&)> region;
        std::function<PixelSet(const PixelSet&, const PixelSet&)> pixels;
    };
    const Operation operations[] = {
        {"union", &Region::Union, [](auto& a, auto& b) { return a | b; }},
        {"subtract", &Region::Subtract, [](auto& a, auto& b) { return a & ~b; }},
        {"intersect", &Region::Intersect, [](auto& a, auto& b) { return a & b; }},
        {"xor", &Region::Xor, [](auto& a, auto& b) { return a ^ b; }},
    };
    for (int round = 0; round < 300; ++round) {
        const Region a = randomRegion();
        const Region b = randomRegion();
        for (const Operation& op : operations) {
            SCOPED_TRACE(testing::Message() << op.name << " round " << round);
            const Region result = op.region(a, b);
            const PixelSet expected = op.pixels(PixelsOf(a), PixelsOf(b));
            ASSERT_EQ(PixelsOf(result), expected);
            ASSERT_EQ(result.Area(), std::int64_t(expected.count()));
            ASSERT_EQ(result.IsEmpty(), expected.none());

            Rect bounds;
            for (const Rect& r : result.Rects()) {
                ASSERT_FALSE(r.IsEmpty());
                bounds = bounds.Union(r);
            }
            ASSERT_EQ(result.Bounds(), bounds);
            ASSERT_EQ(Build(result.Rects()), result);
            std::int64_t rectArea = 0;
            for (const Rect& r : result.Rects()) {
                rectArea += std::int64_t(r.Width()) * r.Height();
            }
            ASSERT_EQ(rectArea, result.Area()) << "rectangles overlap";
        }
    }
}

} // namespace
} // namespace qv
