// The block machinery of every sparse list, run against each kind: storage, blocks, moves, counts, freeing, cache.
#include "sheet/ObjectSList.h"
#include "sheet/ProZeroSList.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory_resource>
#include <string>
#include <utility>
#include <vector>

namespace qv {
namespace {

struct Probe {
    explicit Probe(int t) : tag(t) {}
    int tag;
};

// Items are made from non-zero tags and read back as tags (0 = nil), so one table of cases serves every kind.
template <class L> struct Kind {
    static int32_t Make(int tag) { return tag; }
    static int TagOf(int32_t item) { return item; }
};

template <> struct Kind<TObjectSList<Probe>> {
    static std::unique_ptr<Probe> Make(int tag) { return tag ? std::make_unique<Probe>(tag) : nullptr; }
    static int TagOf(const Probe* item) { return item ? item->tag : 0; }
};

template <> struct Kind<TListSList<TSList>> {
    static std::unique_ptr<TSList> Make(int tag)
    {
        if (tag == 0)
            return nullptr;
        auto list = std::make_unique<TSList>();
        list->Put(3, tag);
        return list;
    }
    static int TagOf(const TSList* item) { return item ? item->Get(3) : 0; }
};

// Records the two hooks rows and sections rely on.
template <class L> class Recorder : public L {
public:
    using Item = typename L::Item;
    std::vector<std::pair<int, int>> moved;
    std::vector<int> freed;

    void Forget()
    {
        moved.clear();
        freed.clear();
    }

protected:
    void ItemsMoved(int first, int last) override { moved.emplace_back(first, last); }
    void FreeItem(Item item) override { freed.push_back(Kind<L>::TagOf(SListItemTraits<Item>::Look(item))); }
};

using Contents = std::map<int, int>; // index -> tag

int TagAt(int index)
{
    return 1000 + index;
}

template <class L> void Fill(Recorder<L>& list, const std::vector<int>& indexes)
{
    for (const int index : indexes)
        list.Put(index, Kind<L>::Make(TagAt(index)));
    list.Forget();
}

// Compares ForEach, Get and Last with the expectation, so a stale cache or last shows up as well as a wrong item.
template <class L> void ExpectContents(const Recorder<L>& list, const Contents& expected)
{
    Contents seen;
    list.ForEach([&](int index, auto item) { seen[index] = Kind<L>::TagOf(item); });
    EXPECT_EQ(seen, expected);
    for (const auto& [index, tag] : expected) {
        EXPECT_EQ(Kind<L>::TagOf(list.Get(index)), tag) << "Get(" << index << ")";
        EXPECT_EQ(Kind<L>::TagOf(list.Get(index + 1)), expected.contains(index + 1) ? expected.at(index + 1) : 0);
    }
    EXPECT_EQ(list.Last(), expected.empty() ? -1 : expected.rbegin()->first);
    EXPECT_EQ(list.IsEmpty(), expected.empty());
}

template <class L> class SListFamily : public ::testing::Test {
};

using Kinds = ::testing::Types<TSList, TProZeroSList, TZeroSList, TDefSList, TXLSizeList, TObjectSList<Probe>,
                               TListSList<TSList>>;
TYPED_TEST_SUITE(SListFamily, Kinds);

TYPED_TEST(SListFamily, ANewListIsEmpty)
{
    Recorder<TypeParam> list;
    EXPECT_EQ(list.Get(0), typename TypeParam::View{});
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Last(), -1);
    int calls = 0;
    EXPECT_EQ(list.ForEach([&](int, auto) { return ++calls; }), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(list.DirectoryLength(), 0);
    EXPECT_EQ(list.AllocatedBlocks(), 0);
}

TYPED_TEST(SListFamily, PutAllocatesOnlyTheBlockItTouches)
{
    using K = Kind<TypeParam>;
    Recorder<TypeParam> list;
    list.Put(5, K::Make(0));
    EXPECT_EQ(list.DirectoryLength(), 0) << "storing nothing allocates nothing";

    list.Put(100, K::Make(7));
    EXPECT_EQ(list.AllocatedBlocks(), 1);
    EXPECT_EQ(list.DirectoryLength(), 7);
    ExpectContents(list, {{100, 7}});

    list.Put(100, K::Make(0));
    ExpectContents(list, {});
    EXPECT_EQ(list.AllocatedBlocks(), 1) << "storing nil keeps the block";
    EXPECT_EQ(list.freed, std::vector<int>{7});

    list.Put(5, K::Make(0));
    EXPECT_EQ(list.AllocatedBlocks(), 1);
}

TYPED_TEST(SListFamily, LastFallsToTheHighestRemainingItemAcrossMissingBlocks)
{
    using K = Kind<TypeParam>;
    Recorder<TypeParam> list;
    Fill(list, {3, 7, 200});
    list.Put(200, K::Make(0));
    ExpectContents(list, {{3, TagAt(3)}, {7, TagAt(7)}});
    list.Put(3, K::Make(0));
    ExpectContents(list, {{7, TagAt(7)}});
    list.Put(7, K::Make(0));
    ExpectContents(list, {});
}

TYPED_TEST(SListFamily, IndexesOutsideTheDataModelAreNeverStored)
{
    using K = Kind<TypeParam>;
    for (const int index : {-1, kMaxSListIndex + 1, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(index);
        Recorder<TypeParam> list;
        list.Put(index, K::Make(5));
        EXPECT_EQ(list.freed, std::vector<int>{5}) << "an item that cannot be stored is freed";
        EXPECT_EQ(list.DirectoryLength(), 0);
        EXPECT_EQ(K::TagOf(list.Get(index)), 0);
        EXPECT_TRUE(list.IsEmpty());
    }
    Recorder<TypeParam> list;
    list.Put(kMaxSListIndex, K::Make(5));
    EXPECT_EQ(list.DirectoryLength(), kMaxSListBlocks);
    ExpectContents(list, {{kMaxSListIndex, 5}});
}

TYPED_TEST(SListFamily, ReplacingAnItemFreesTheOldOne)
{
    using K = Kind<TypeParam>;
    Recorder<TypeParam> list;
    list.Put(4, K::Make(1));
    list.Put(4, K::Make(2));
    EXPECT_EQ(list.freed, std::vector<int>{1});
    ExpectContents(list, {{4, 2}});
}

TYPED_TEST(SListFamily, TheCacheNeverAnswersWithAReplacedItem)
{
    using K = Kind<TypeParam>;
    Recorder<TypeParam> list;
    EXPECT_EQ(K::TagOf(list.Get(5)), 0);
    list.Put(5, K::Make(1)); // Get(5) nil was cached before
    EXPECT_EQ(K::TagOf(list.Get(5)), 1);
    list.Put(6, K::Make(2));
    EXPECT_EQ(K::TagOf(list.Get(5)), 1);
    list.Delete(5);
    EXPECT_EQ(K::TagOf(list.Get(5)), 2);
    list.Insert(5, K::Make(3));
    EXPECT_EQ(K::TagOf(list.Get(5)), 3);
    list.InsertDelete(5, -1);
    EXPECT_EQ(K::TagOf(list.Get(5)), 2);
    list.SetCount(5);
    EXPECT_EQ(K::TagOf(list.Get(5)), 0);
    list.Put(5, K::Make(4));
    EXPECT_EQ(K::TagOf(list.Get(5)), 4);
    list.Clear();
    EXPECT_EQ(K::TagOf(list.Get(5)), 0);
}

struct ShiftCase {
    const char* what;
    std::vector<int> before; // indexes holding TagAt(index)
    enum { Delete, Insert, InsertDelete } op;
    int index;
    int argument; // Insert: the new item's tag (0 = nil); InsertDelete: the count
    Contents after;
    std::vector<std::pair<int, int>> moved;
    std::vector<int> freed;
};

constexpr int kTop = kMaxSListIndex;

// clang-format off
const ShiftCase kShiftCases[] = {
    {"delete in a run", {2, 3, 4}, ShiftCase::Delete, 3, 0,
     {{2, 1002}, {3, 1004}}, {{3, 4}}, {1003}},
    {"delete the last item", {2, 3}, ShiftCase::Delete, 3, 0,
     {{2, 1002}}, {{3, 3}}, {1003}},
    {"delete above last", {2, 3}, ShiftCase::Delete, 4, 0,
     {{2, 1002}, {3, 1003}}, {}, {}},
    {"delete a negative index", {2}, ShiftCase::Delete, -1, 0,
     {{2, 1002}}, {}, {}},
    {"delete a hole, items cross blocks", {0, 15, 16, 40}, ShiftCase::Delete, 1, 0,
     {{0, 1000}, {14, 1015}, {15, 1016}, {39, 1040}}, {{1, 40}}, {}},
    {"delete inside a missing block", {0, 100}, ShiftCase::Delete, 20, 0,
     {{0, 1000}, {99, 1100}}, {{20, 100}}, {}},
    {"delete above a missing block", {0, 32, 40}, ShiftCase::Delete, 0, 0,
     {{31, 1032}, {39, 1040}}, {{0, 40}}, {1000}},
    {"insert at the front", {0, 5}, ShiftCase::Insert, 0, 7,
     {{0, 7}, {1, 1000}, {6, 1005}}, {{1, 6}, {0, 0}}, {}},
    {"insert below a missing block", {15, 40}, ShiftCase::Insert, 0, 7,
     {{0, 7}, {16, 1015}, {41, 1040}}, {{1, 41}, {0, 0}}, {}},
    {"insert above last", {0, 5}, ShiftCase::Insert, 10, 7,
     {{0, 1000}, {5, 1005}, {10, 7}}, {{10, 10}}, {}},
    {"insert nil", {0, 5}, ShiftCase::Insert, 2, 0,
     {{0, 1000}, {6, 1005}}, {{3, 6}, {2, 2}}, {}},
    {"insert at a block edge", {15, 16}, ShiftCase::Insert, 15, 7,
     {{15, 7}, {16, 1015}, {17, 1016}}, {{16, 17}, {15, 15}}, {}},
    {"insert pushes the top item out of the data model", {kTop - 1, kTop}, ShiftCase::Insert, kTop - 1, 7,
     {{kTop - 1, 7}, {kTop, 1000 + kTop - 1}}, {{kTop, kTop}, {kTop - 1, kTop - 1}}, {1000 + kTop}},
    {"insert at a negative index", {1}, ShiftCase::Insert, -1, 7,
     {{1, 1001}}, {}, {7}},
    {"insert beyond the data model", {1}, ShiftCase::Insert, kTop + 1, 7,
     {{1, 1001}}, {}, {7}},
    {"insert nils", {0, 1, 3}, ShiftCase::InsertDelete, 1, 2,
     {{0, 1000}, {3, 1001}, {5, 1003}}, {{3, 5}}, {}},
    {"insert nils above last", {0, 3}, ShiftCase::InsertDelete, 4, 3,
     {{0, 1000}, {3, 1003}}, {}, {}},
    {"insert nils pushing items out", {1, kTop - 1}, ShiftCase::InsertDelete, kTop - 3, 5,
     {{1, 1001}}, {}, {1000 + kTop - 1}},
    {"insert the most nils", {0, 9}, ShiftCase::InsertDelete, 0, INT_MAX,
     {}, {}, {1009, 1000}},
    {"delete several", {0, 1, 2, 3, 17}, ShiftCase::InsertDelete, 1, -2,
     {{0, 1000}, {1, 1003}, {15, 1017}}, {{1, 17}}, {1001, 1002}},
    {"delete past the end", {0, 3, 4}, ShiftCase::InsertDelete, 3, -5,
     {{0, 1000}}, {{3, 4}}, {1003, 1004}},
    {"delete the most", {0, 9}, ShiftCase::InsertDelete, 0, INT_MIN,
     {}, {{0, 9}}, {1000, 1009}},
    {"insert or delete nothing", {0, 9}, ShiftCase::InsertDelete, 0, 0,
     {{0, 1000}, {9, 1009}}, {}, {}},
    {"delete across a far gap", {0, 70000}, ShiftCase::Delete, 1, 0,
     {{0, 1000}, {69999, 71000}}, {{1, 70000}}, {}},
    {"insert below far items", {5, 4096, 70000, kTop}, ShiftCase::Insert, 0, 7,
     {{0, 7}, {6, 1005}, {4097, 5096}, {70001, 71000}}, {{1, 70001}, {0, 0}}, {1000 + kTop}},
    {"delete many across far blocks", {3, 300, 5000, 70000}, ShiftCase::InsertDelete, 200, -4700,
     {{3, 1003}, {300, 6000}, {65300, 71000}}, {{200, 70000}}, {1300}},
};
// clang-format on

TYPED_TEST(SListFamily, ShiftsMoveItemsReportTheMovedRangeAndFreeWhatDropsOut)
{
    using K = Kind<TypeParam>;
    for (const ShiftCase& c : kShiftCases) {
        SCOPED_TRACE(c.what);
        Recorder<TypeParam> list;
        Fill(list, c.before);
        list.SetCount(INT_MAX);
        switch (c.op) {
        case ShiftCase::Delete:
            list.Delete(c.index);
            break;
        case ShiftCase::Insert:
            list.Insert(c.index, K::Make(c.argument));
            break;
        case ShiftCase::InsertDelete:
            list.InsertDelete(c.index, c.argument);
            break;
        }
        ExpectContents(list, c.after);
        EXPECT_EQ(list.moved, c.moved);
        EXPECT_EQ(list.freed, c.freed);
        EXPECT_EQ(list.Count(), INT_MAX);
    }
}

TYPED_TEST(SListFamily, SetCountFreesFromTheTopDown)
{
    const struct {
        int count;
        std::vector<int> freed;
        Contents after;
    } cases[] = {
        {3, {1009, 1003}, {{1, 1001}}},
        {10, {}, {{1, 1001}, {3, 1003}, {9, 1009}}},
        {0, {1009, 1003, 1001}, {}},
        {-1, {1009, 1003, 1001}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        Recorder<TypeParam> list;
        Fill(list, {1, 3, 9});
        list.SetCount(c.count);
        EXPECT_EQ(list.Count(), c.count);
        EXPECT_EQ(list.freed, c.freed);
        ExpectContents(list, c.after);
    }
}

TYPED_TEST(SListFamily, ForEachVisitsInIndexOrderAndStopsAtTheFirstNonZeroResult)
{
    Recorder<TypeParam> list;
    Fill(list, {100, 3, 17, 5});
    std::vector<int> visited;
    const int result = list.ForEach([&](int index, auto) {
        visited.push_back(index);
        return index == 17 ? -9 : 0;
    });
    EXPECT_EQ(result, -9);
    EXPECT_EQ(visited, (std::vector<int>{3, 5, 17}));
}

TYPED_TEST(SListFamily, ForEachInVisitsOnlyTheHalfOpenRange)
{
    const std::vector<int> indexes = {3, 15, 16, 255, 256, 4096, 70000, kTop};
    const struct {
        int first, end;
        std::vector<int> visited;
    } cases[] = {
        {0, 16, {3, 15}},  {16, 257, {16, 255, 256}}, {257, 70000, {4096}}, {70000, kTop + 1, {70000, kTop}},
        {-5, 4, {3}},      {kTop, INT_MAX, {kTop}},   {10, 10, {}},         {20, 10, {}},
        {4097, 69999, {}},
    };
    Recorder<TypeParam> list;
    Fill(list, indexes);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.end));
        std::vector<int> visited;
        list.ForEachIn(c.first, c.end, [&](int index, auto) { visited.push_back(index); });
        EXPECT_EQ(visited, c.visited);
    }
}

TYPED_TEST(SListFamily, ClearFreesEveryItemInIndexOrderAndKeepsTheCount)
{
    using K = Kind<TypeParam>;
    Recorder<TypeParam> list;
    Fill(list, {40, 2, 100});
    list.SetCount(200);
    list.Clear();
    EXPECT_EQ(list.freed, (std::vector<int>{1002, 1040, 1100}));
    ExpectContents(list, {});
    EXPECT_EQ(list.AllocatedBlocks(), 0);
    EXPECT_EQ(list.DirectoryLength(), 0);
    EXPECT_EQ(list.Count(), 200);
    list.Put(1, K::Make(1));
    ExpectContents(list, {{1, 1}});
}

// Counts the bytes a list takes from its memory.
class CountingMemory : public std::pmr::memory_resource {
public:
    size_t live = 0;

private:
    void* do_allocate(size_t bytes, size_t alignment) override
    {
        live += bytes;
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void* p, size_t bytes, size_t alignment) override
    {
        live -= bytes;
        std::pmr::new_delete_resource()->deallocate(p, bytes, alignment);
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

// Readers charge StorageGrowth against their stream before storing: it must be what storing really takes.
TEST(SListStorage, StorageGrowthIsWhatStoringAllocates)
{
    // From the near end up, growing the tree a level at a time and several at once, and from the far end down.
    const std::vector<int> orders[] = {
        {0, 5, 17, 300, 300, 4095, 4096, 70000, 65536, kMaxSListIndex - 16, kMaxSListIndex},
        {16, 0, 70000, 256},
        {kMaxSListIndex, 0, 5, 70000},
    };
    for (const std::vector<int>& order : orders) {
        CountingMemory memory;
        TSList list(&memory);
        for (const int index : order) {
            SCOPED_TRACE(index);
            const size_t before = memory.live;
            const size_t growth = list.StorageGrowth(index);
            list.Put(index, 1);
            EXPECT_EQ(memory.live - before, growth);
            EXPECT_EQ(list.Get(index), 1);
        }
        list.Clear();
        EXPECT_EQ(memory.live, 0u);
    }
}

TEST(SListStorage, AFarItemTakesMemoryForItselfNotForTheIndexesBelowIt)
{
    CountingMemory memory;
    TSList list(&memory);
    list.Put(kMaxSListIndex, 1);
    EXPECT_LT(memory.live, 1024u);
    EXPECT_EQ(list.DirectoryLength(), kMaxSListBlocks);
    // A thousand items spread over the whole range: a few hundred bytes each, however far apart.
    for (int i = 0; i < 1000; ++i)
        list.Put(i * 1000, 1);
    EXPECT_LT(memory.live, 1000u * 700);
}

} // namespace
} // namespace qv
