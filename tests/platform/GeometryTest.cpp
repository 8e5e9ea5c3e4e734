// Half-open rectangle arithmetic: extents, containment, intersection, bounds, offset and inflation.
#include "platform/Geometry.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Geometry, RightAndBottomAreExclusive)
{
    constexpr Rect r{10, 20, 13, 22};
    static_assert(r.Width() == 3 && r.Height() == 2);
    struct Case {
        Point p;
        bool inside;
    };
    const Case cases[] = {
        {{10, 20}, true}, {{12, 21}, true},  {{13, 20}, false}, {{10, 22}, false},
        {{9, 20}, false}, {{10, 19}, false}, {{13, 22}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(r.Contains(c.p), c.inside);
    }
}

TEST(Geometry, EmptinessAndDegenerateRectangles)
{
    const Rect cases[] = {{0, 0, 0, 5}, {0, 0, 5, 0}, {5, 5, 4, 9}, {5, 5, 9, 4}};
    for (const Rect& r : cases) {
        EXPECT_TRUE(r.IsEmpty());
        EXPECT_FALSE(r.Contains(r.TopLeft()));
    }
    EXPECT_FALSE((Rect{0, 0, 1, 1}).IsEmpty());
}

TEST(Geometry, IntersectAndUnion)
{
    struct Case {
        Rect a, b, intersection, bounds;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, {0, 0, 15, 15}},
        // Touching edges share no pixel.
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, {0, 0, 10, 10}},
        // An empty operand does not widen the bounds.
        {{0, 0, 10, 10}, {50, 50, 50, 60}, {}, {0, 0, 10, 10}},
        {{}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.Intersect(c.b), c.intersection);
        EXPECT_EQ(c.b.Intersect(c.a), c.intersection);
        EXPECT_EQ(c.a.Intersects(c.b), !c.intersection.IsEmpty());
        EXPECT_EQ(c.a.Union(c.b), c.bounds);
        EXPECT_EQ(c.b.Union(c.a), c.bounds);
    }
}

TEST(Geometry, OffsetInflateAndFromSize)
{
    constexpr Rect r{10, 20, 30, 40};
    static_assert(r.Offset(-10, 5) == Rect{0, 25, 20, 45});
    static_assert(r.Inflate(3, 1) == Rect{7, 19, 33, 41});
    static_assert(r.Inflate(-10, -10).IsEmpty());
    static_assert(Rect::FromSize({4, 5}, {6, 7}) == Rect{4, 5, 10, 12});
    static_assert(r.GetSize() == Size{20, 20});
    static_assert(Point{1, 2}.Offset(3, 4) == Point{4, 6});
    EXPECT_EQ(r.Inflate(-1, -1).Width(), r.Width() - 2);
}

} // namespace
} // namespace qv
