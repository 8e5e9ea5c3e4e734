// Owned objects in sparse lists: what gets destroyed and when, handing objects over, sub-lists created on demand.
#include "sheet/ObjectSList.h"
#include "sheet/ProZeroSList.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

class TrackedList;

// Records its own destruction, and whether the list still held it at that moment.
struct Tracked {
    Tracked(int t, std::vector<int>& log, TrackedList* list = nullptr, int at = -1)
        : tag(t), destroyed(log), owner(list), index(at)
    {
    }
    ~Tracked();
    int tag;
    std::vector<int>& destroyed;
    TrackedList* owner;
    int index;
};

class TrackedList : public TObjectSList<Tracked> {
public:
    std::vector<int> stillListed; // tags of objects destroyed while Get of their index still returned them
};

Tracked::~Tracked()
{
    destroyed.push_back(tag);
    if (owner && owner->Get(index) == this)
        owner->stillListed.push_back(tag);
}

TEST(TObjectSList, SetCountDestroysTheObjectsAtAndAboveTheCount)
{
    std::vector<int> destroyed;
    {
        TObjectSList<Tracked> list;
        for (const int index : {1, 3, 9})
            list.Put(index, std::make_unique<Tracked>(index, destroyed));
        list.SetCount(3);
        EXPECT_EQ(destroyed, (std::vector<int>{9, 3}));
        EXPECT_EQ(list.Get(1)->tag, 1);
        EXPECT_EQ(list.Last(), 1);
    }
    EXPECT_EQ(destroyed, (std::vector<int>{9, 3, 1})) << "destroying the list destroys what it holds";
}

TEST(TObjectSList, EveryWayOutDestroysTheObjectOnceItIsNoLongerListed)
{
    const struct {
        const char* what;
        void (*apply)(TrackedList&, std::vector<int>&);
        std::vector<int> destroyed;
    } cases[] = {
        {"replaced", [](TrackedList& l, std::vector<int>& log) { l.Put(2, std::make_unique<Tracked>(99, log)); }, {2}},
        {"set to nil", [](TrackedList& l, std::vector<int>&) { l.Put(2, nullptr); }, {2}},
        {"deleted", [](TrackedList& l, std::vector<int>&) { l.Delete(2); }, {2}},
        {"deleted in a run", [](TrackedList& l, std::vector<int>&) { l.InsertDelete(1, -2); }, {2}},
        {"cut by the count", [](TrackedList& l, std::vector<int>&) { l.SetCount(2); }, {5, 2}},
        {"cleared", [](TrackedList& l, std::vector<int>&) { l.Clear(); }, {2, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> destroyed;
        TrackedList list;
        for (const int index : {2, 5})
            list.Put(index, std::make_unique<Tracked>(index, destroyed, &list, index));
        c.apply(list, destroyed);
        EXPECT_EQ(destroyed, c.destroyed);
        EXPECT_TRUE(list.stillListed.empty());
        list.Clear(); // before `destroyed` goes
    }
}

TEST(TObjectSList, TakeHandsTheObjectOverWithoutDestroyingIt)
{
    std::vector<int> destroyed;
    TObjectSList<Tracked> list;
    list.Put(4, std::make_unique<Tracked>(4, destroyed));
    list.Put(20, std::make_unique<Tracked>(20, destroyed));
    std::unique_ptr<Tracked> taken = list.Take(20);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->tag, 20);
    EXPECT_EQ(list.Get(20), nullptr);
    EXPECT_EQ(list.Last(), 4);
    EXPECT_EQ(list.Take(20), nullptr);
    EXPECT_EQ(list.Take(-1), nullptr);
    EXPECT_TRUE(destroyed.empty());
    list.Put(0, std::move(taken));
    EXPECT_EQ(list.Get(0)->tag, 20);
    list.Clear();
}

// A layer whose sub-lists take the layer's default when created, as the section's defaulted layers do.
class DefaultedLayer : public TListSList<TDefSList> {
public:
    int layerDefault = 7;
    std::vector<int> created;

protected:
    void ItemCreated(TDefSList& item, int index) override
    {
        EXPECT_EQ(Get(index), &item) << "the new sub-list is already in place";
        item.SetDefault(layerDefault);
        created.push_back(index);
    }
};

TEST(TListSList, GetOrCreateCreatesOnceAndLetsTheOwnerInitialiseTheSubList)
{
    DefaultedLayer layer;
    TDefSList* row = layer.GetOrCreate(4);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetValue(0), 7);
    EXPECT_EQ(layer.GetOrCreate(4), row);
    EXPECT_EQ(layer.created, std::vector<int>{4});
    EXPECT_EQ(layer.Get(3), nullptr) << "Get never creates";
}

TEST(TListSList, GetOrCreateOutsideTheDataModelCreatesNothing)
{
    DefaultedLayer layer;
    EXPECT_EQ(layer.GetOrCreate(-1), nullptr);
    EXPECT_EQ(layer.GetOrCreate(kMaxSListIndex + 1), nullptr);
    EXPECT_NE(layer.GetOrCreate(kMaxSListIndex), nullptr);
    EXPECT_EQ(layer.created, std::vector<int>{kMaxSListIndex});
}

} // namespace
} // namespace qv
