// Integer lists read against a default: stored forms, changing the default, offsets and the item under an offset.
#include "sheet/ProZeroSList.h"

#include "platform/ByteStream.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

namespace qv {
namespace {

int32_t Wrapped(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// What differs between the kinds: the stored form and what a new default does to explicit values.
template <class L> struct Defaulted {
    static int32_t Stored(int value, int defaultValue) { return Wrapped(int64_t{value} - defaultValue); }
    // Values at 2, 5 and 7 after 30 at 2 and 20 at 5 under default 15, then default 20.
    static constexpr int kAfterNewDefault[3] = {20, 20, 20};
};

template <> struct Defaulted<TProZeroSList> {
    static int32_t Stored(int value, int defaultValue) { return Wrapped(int64_t{value} - defaultValue); }
    static constexpr int kAfterNewDefault[3] = {35, 25, 20}; // the stored differences stay
};

template <> struct Defaulted<TDefSList> {
    static int32_t Stored(int value, int) { return Wrapped(int64_t{value} + 1); }
    static constexpr int kAfterNewDefault[3] = {30, 20, 20}; // 20 at 5 stays stored, now equal to the default
};

template <class L> class DefaultedSList : public ::testing::Test {
};

using DefaultedKinds = ::testing::Types<TProZeroSList, TZeroSList, TDefSList, TXLSizeList>;
TYPED_TEST_SUITE(DefaultedSList, DefaultedKinds);

TYPED_TEST(DefaultedSList, ValuesReadBackAndTheDefaultIsStoredAsAbsent)
{
    TypeParam list;
    list.SetDefault(15);
    const int values[] = {0, 30, -7, 1, INT_MIN, INT_MAX};
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i) {
        SCOPED_TRACE(values[i]);
        list.SetValue(i, values[i]);
        EXPECT_EQ(list.GetValue(i), values[i]);
        EXPECT_EQ(list.Get(i), Defaulted<TypeParam>::Stored(values[i], 15));
    }
    for (const int absent : {99, -1, kMaxSListIndex + 1})
        EXPECT_EQ(list.GetValue(absent), 15);
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i)
        list.SetValue(i, 15);
    EXPECT_TRUE(list.IsEmpty());
}

TYPED_TEST(DefaultedSList, ANewDefaultTreatsExplicitValuesByKind)
{
    TypeParam list;
    list.SetDefault(15);
    list.SetValue(2, 30);
    list.SetValue(5, 20);
    list.SetDefault(20);
    EXPECT_EQ(list.Default(), 20);
    const int* expected = Defaulted<TypeParam>::kAfterNewDefault;
    EXPECT_EQ(list.GetValue(2), expected[0]);
    EXPECT_EQ(list.GetValue(5), expected[1]);
    EXPECT_EQ(list.GetValue(7), expected[2]);
}

TEST(TDefSList, MinusOneHasNoStoredFormAndReadsAsTheDefault)
{
    TDefSList list;
    list.SetDefault(4);
    list.SetValue(3, -1);
    EXPECT_EQ(list.GetValue(3), 4);
    EXPECT_TRUE(list.IsEmpty());
}

TYPED_TEST(DefaultedSList, OffsetsOfRowsOfFifteenWithOneOfThirty)
{
    TypeParam list;
    list.SetDefault(15);
    list.SetValue(2, 30);
    EXPECT_EQ(list.GetOffset(4), 75);
    const struct {
        int pos;
        int index;
        int start;
    } cases[] = {{40, 2, 30}, {60, 3, 60}, {29, 1, 15}, {30, 2, 30}, {59, 2, 30}, {1, 0, 0}, {1000, 65, 990}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos);
        int pos = c.pos;
        EXPECT_EQ(list.FindOffset(pos), c.index);
        EXPECT_EQ(pos, c.start);
    }
}

TYPED_TEST(DefaultedSList, DegenerateOffsetsAreZero)
{
    TypeParam list;
    EXPECT_EQ(list.GetOffset(5), 0) << "default 0";
    const struct {
        int defaultValue;
        int pos;
    } cases[] = {{15, 0}, {15, -20}, {15, INT_MIN}, {0, 100}, {-3, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.defaultValue);
        list.SetDefault(c.defaultValue);
        list.SetValue(0, 40);
        for (const int n : {0, -1, INT_MIN})
            EXPECT_EQ(list.GetOffset(n), 0);
        int pos = c.pos;
        EXPECT_EQ(list.FindOffset(pos), 0);
        EXPECT_EQ(pos, 0);
    }
}

// The plain definition: walk item by item.
struct BruteForce {
    std::vector<int64_t> values;

    template <class L> BruteForce(const L& list, int items)
    {
        for (int i = 0; i < items; ++i)
            values.push_back(list.GetValue(i));
    }
    int64_t Offset(int n) const
    {
        int64_t sum = 0;
        for (int i = 0; i < n; ++i)
            sum += values[i];
        return sum;
    }
    // The first item whose end lies beyond pos.
    int Find(int& pos, int defaultValue) const
    {
        if (pos <= 0 || defaultValue <= 0) {
            pos = 0;
            return 0;
        }
        int64_t start = 0;
        for (int i = 0; i < static_cast<int>(values.size()); ++i) {
            if (start + values[i] > pos) {
                pos = static_cast<int>(start);
                return i;
            }
            start += values[i];
        }
        ADD_FAILURE() << "brute force ran out of items at " << pos;
        return -1;
    }
};

template <class L> void ExpectOffsetsMatchBruteForce(const L& list)
{
    const int items = list.Last() + 60;
    const BruteForce brute(list, items + 40);
    for (int n = -1; n <= items; ++n)
        ASSERT_EQ(list.GetOffset(n), brute.Offset(n)) << "GetOffset(" << n << ")";
    const int64_t end = brute.Offset(items);
    for (int pos = -2; pos <= end; ++pos) {
        int found = pos;
        int expected = pos;
        ASSERT_EQ(list.FindOffset(found), brute.Find(expected, list.Default())) << "FindOffset(" << pos << ")";
        ASSERT_EQ(found, expected) << "start found for " << pos;
    }
}

TYPED_TEST(DefaultedSList, OffsetsMatchAnItemByItemWalkThroughEveryKindOfChange)
{
    TypeParam list;
    auto layout = [](TypeParam& l) {
        l.SetDefault(15);
        // Block 0 explicit, 1 missing, 2 with a hidden item, 3 with a negative one, 4..9 missing, 10 explicit.
        const std::pair<int, int> values[] = {{0, 30}, {1, 0},    {2, 15}, {3, 1},    {35, 100}, {40, 0},
                                              {47, 5}, {48, -40}, {49, 0}, {160, 45}, {175, 2}};
        for (const auto& [index, value] : values)
            l.SetValue(index, value);
    };
    layout(list);
    ExpectOffsetsMatchBruteForce(list);

    TypeParam saved;
    layout(saved);
    saved.SetValue(20, 70);
    ByteWriter stream;
    saved.SaveToStream(stream);

    const struct {
        const char* what;
        std::function<void(TypeParam&)> change;
    } changes[] = {
        {"an early item grows", [](TypeParam& l) { l.SetValue(1, 50); }},
        {"the directory grows", [](TypeParam& l) { l.SetValue(300, 7); }},
        {"delete the first item", [](TypeParam& l) { l.Delete(0); }},
        {"insert twenty defaults", [](TypeParam& l) { l.InsertDelete(2, 20); }},
        {"insert an explicit item", [](TypeParam& l) { l.Insert(40, 9); }},
        {"a new default", [](TypeParam& l) { l.SetDefault(12); }},
        {"cut by the count",
         [](TypeParam& l) {
             l.SetValue(5, 3);
             l.SetCount(4);
         }},
        {"cleared and set again",
         [](TypeParam& l) {
             l.Clear();
             l.SetValue(3, 40);
         }},
        {"loaded",
         [&](TypeParam& l) {
             ByteReader reader(stream.Data());
             l.SetDefault(15);
             l.LoadFromStream(reader);
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        c.change(list);
        ExpectOffsetsMatchBruteForce(list);
    }
}

TYPED_TEST(DefaultedSList, SumsBeyondTheIntRangeAreExactInsideAndSaturatedOutside)
{
    TypeParam tall;
    tall.SetDefault(3000);
    EXPECT_EQ(tall.GetOffset(1'000'000), INT_MAX);
    int pos = INT_MAX - 1;
    EXPECT_EQ(tall.FindOffset(pos), 715'827);
    EXPECT_EQ(pos, 715'827 * 3000);

    TypeParam huge;
    huge.SetDefault(1);
    huge.SetValue(0, 2'000'000'000);
    huge.SetValue(1, 2'000'000'000);
    EXPECT_EQ(huge.GetOffset(2), INT_MAX);
    pos = 2'147'000'000;
    EXPECT_EQ(huge.FindOffset(pos), 1) << "the end of item 1 lies beyond 32 bits";
    EXPECT_EQ(pos, 2'000'000'000);

    TypeParam sunk;
    sunk.SetDefault(-5);
    EXPECT_EQ(sunk.GetOffset(INT_MAX), INT_MIN);

    TypeParam wide;
    wide.SetDefault(1);
    wide.SetValue(0, 0);
    pos = INT_MAX;
    EXPECT_EQ(wide.FindOffset(pos), INT_MAX) << "the index past the data model saturates";
}

} // namespace
} // namespace qv
