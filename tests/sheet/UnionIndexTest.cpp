// The merged-range index against a plain scan: points, rectangles, removals and the creation order kept.
#include "StreamBytes.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

#include <random>

namespace qv {
namespace {

// What the index must answer, found by looking at every range.
const TXLUnion* ScanAt(const TXLSection& section, Point p)
{
    for (const auto& range : section.Unions())
        if (range->GetRect().Contains(p))
            return range.get();
    return nullptr;
}

size_t ScanIntersecting(const TXLSection& section, const Rect& rect)
{
    size_t found = 0;
    for (const auto& range : section.Unions())
        found += range->GetRect().Intersects(rect);
    return found;
}

// Ranges of every height class the index files apart: one row, a few rows across block edges, and tall ones.
void MergeMixedRanges(TXLSection& section, int count)
{
    std::mt19937 random(7);
    const int heights[] = {1, 2, 3, 5, 17, 64, 300};
    for (int i = 0; i < count; ++i) {
        const int left = static_cast<int>(random() % 200);
        const int top = static_cast<int>(random() % 1000);
        const int width = 1 + static_cast<int>(random() % 4);
        const int height = heights[random() % std::size(heights)];
        section.Merge({left, top, left + width, top + height});
    }
}

class UnionIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.SetColCount(300);
        sheet.SetRowCount(1500);
        MergeMixedRanges(client, 2000);
        ASSERT_GT(client.Unions().size(), 100u);
    }

    TXLSheet sheet;
    TXLSection& client = sheet.Section(sClient);
};

TEST_F(UnionIndexTest, PointsFindTheRangeAScanFinds)
{
    for (int y = 0; y < 1400; y += 3)
        for (int x = 0; x < 210; ++x) {
            const Point p{x, y};
            const TXLUnion* expected = ScanAt(client, p);
            ASSERT_EQ(client.UnionAt(p, TXLAnchorRule::Include), expected) << x << ", " << y;
            const bool atTopLeft = expected && expected->GetRect().TopLeft() == p;
            ASSERT_EQ(client.UnionAt(p, TXLAnchorRule::Exclude), atTopLeft ? nullptr : expected);
        }
    EXPECT_EQ(client.CheckInvariants(), "");
}

TEST_F(UnionIndexTest, RectanglesMeetTheRangesAScanMeets)
{
    const Rect rects[] = {{0, 0, 1, 1},        {10, 10, 20, 20},   {0, 0, 300, 1500}, {50, 255, 51, 257},
                          {199, 0, 200, 1500}, {0, 511, 300, 513}, {7, 900, 9, 1400}, {100, 100, 100, 200}};
    for (const Rect& rect : rects) {
        SCOPED_TRACE(std::to_string(rect.left) + "," + std::to_string(rect.top));
        const std::vector<TXLUnion*> found = client.UnionsIntersecting(rect);
        EXPECT_EQ(found.size(), ScanIntersecting(client, rect));
        for (const TXLUnion* range : found)
            EXPECT_TRUE(range->GetRect().Intersects(rect));
        EXPECT_EQ(client.FirstIntersecting(rect, nullptr) != nullptr, !found.empty());
    }
}

TEST_F(UnionIndexTest, RemovalsKeepTheOthersInCreationOrder)
{
    std::vector<Rect> kept;
    std::vector<TXLUnion*> removed;
    for (size_t i = 0; i < client.Unions().size(); ++i)
        if (i % 3 == 0)
            removed.push_back(client.Unions()[i].get());
        else
            kept.push_back(client.Unions()[i]->GetRect());
    for (TXLUnion* range : removed)
        client.RemoveUnion(range);
    ASSERT_EQ(client.Unions().size(), kept.size());
    for (size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(client.Unions()[i]->GetRect(), kept[i]);
    for (const Rect& r : kept)
        EXPECT_EQ(client.UnionAt(r.TopLeft(), TXLAnchorRule::Include)->GetRect(), r);
    EXPECT_EQ(client.CheckInvariants(), "");
}

TEST(UnionIndex, ARemovedRangeLeavesNoHoleInTheStream)
{
    TXLSheet sheet;
    sheet.SetColCount(10);
    TXLSection& client = sheet.Section(sClient);
    for (int left : {0, 3, 6})
        client.Merge({left, 0, left + 2, 2});
    client.RemoveUnion(client.UnionAt({3, 0}, TXLAnchorRule::Include));
    TXLSheet loaded;
    const std::string data = test::DataOf(sheet);
    ByteReader reader(data);
    loaded.ReadData(reader);
    ASSERT_EQ(loaded.Section(sClient).Unions().size(), 2u);
    EXPECT_EQ(loaded.Section(sClient).Unions()[0]->GetRect(), (Rect{0, 0, 2, 2}));
    EXPECT_EQ(loaded.Section(sClient).Unions()[1]->GetRect(), (Rect{6, 0, 8, 2}));
}

TEST(UnionIndex, MovingARangeFilesItUnderItsNewRows)
{
    TXLSheet sheet;
    TXLSection& client = sheet.Section(sClient);
    client.Merge({0, 0, 2, 2});
    client.Merge({4, 4, 6, 6});
    TXLUnion& range = *client.Unions()[0];
    range.SetRect({0, 0, 2, 40}); // from a block of two rows to one of 64
    EXPECT_EQ(client.UnionAt({1, 39}, TXLAnchorRule::Include), &range);
    EXPECT_EQ(client.UnionAt({1, 1}, TXLAnchorRule::Include), &range);
    range.SetRect({3, 3, 5, 5}); // meets the other range, which goes
    ASSERT_EQ(client.Unions().size(), 1u);
    EXPECT_EQ(client.UnionAt({4, 4}, TXLAnchorRule::Include), &range);
    EXPECT_EQ(client.UnionAt({5, 5}, TXLAnchorRule::Include), nullptr);
    EXPECT_EQ(client.CheckInvariants(), "");
}

} // namespace
} // namespace qv
