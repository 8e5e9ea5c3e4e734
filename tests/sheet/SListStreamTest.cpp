// The block format and the list-of-lists format: round trips of every integer kind, the bytes, damaged streams.
#include "sheet/ObjectSList.h"
#include "sheet/ProZeroSList.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace qv {
namespace {

using Items = std::map<int, int32_t>;

template <class L> Items RawItems(const L& list)
{
    Items items;
    list.ForEach([&](int index, int32_t item) { items[index] = item; });
    return items;
}

// Stream bytes written field by field, so damaged streams read as what they claim.
class Bytes {
public:
    Bytes& Byte(uint8_t value)
    {
        m_writer.WriteByte(value);
        return *this;
    }
    Bytes& Int(int32_t value)
    {
        m_writer.WriteInt32(value);
        return *this;
    }
    // A header: version 0, count, number of blocks.
    Bytes& Header(int32_t count, int32_t blocks) { return Byte(0).Int(count).Int(blocks); }
    Bytes& Block(int32_t number, int32_t firstItem = 0)
    {
        Int(number).Int(firstItem);
        for (int i = 1; i < kSListBlockItems; ++i)
            Int(0);
        return *this;
    }
    std::string Data() const { return m_writer.Data(); }

private:
    ByteWriter m_writer;
};

template <class Loadable> void ExpectRejected(Loadable& list, const std::string& data, const std::string& message)
{
    ByteReader reader(data);
    try {
        list.LoadFromStream(reader);
        ADD_FAILURE() << "accepted; expected " << message;
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

template <class L> class IntegerSListStream : public ::testing::Test {
};

using IntegerKinds = ::testing::Types<TSList, TProZeroSList, TZeroSList, TDefSList, TXLSizeList>;
TYPED_TEST_SUITE(IntegerSListStream, IntegerKinds);

TYPED_TEST(IntegerSListStream, RoundTripKeepsItemsCountLastAndEmptiedBlocks)
{
    TypeParam list;
    list.SetCount(77); // the count bounds nothing, so items above it are written too
    const Items items = {{0, 5}, {17, -3}, {100, INT_MIN}, {kMaxSListIndex, INT_MAX}};
    for (const auto& [index, item] : items)
        list.Put(index, item);
    list.Put(40, 9);
    list.Put(40, 0);
    ByteWriter writer;
    list.SaveToStream(writer);

    TypeParam loaded;
    loaded.Put(3, 1);
    loaded.Put(5000, 2);
    ByteReader reader(writer.Data());
    loaded.LoadFromStream(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(RawItems(loaded), items) << "the stream replaces what was there";
    EXPECT_EQ(loaded.Count(), 77);
    EXPECT_EQ(loaded.Last(), kMaxSListIndex);
    EXPECT_EQ(loaded.AllocatedBlocks(), 5) << "blocks 0, 1, 2 (emptied), 6 and the last";
    ByteWriter again;
    loaded.SaveToStream(again);
    EXPECT_EQ(again.Data(), writer.Data());
}

TYPED_TEST(IntegerSListStream, DamageIsRejectedWhereItIsAndLeavesTheListAsItWas)
{
    std::string tooManyBlocks;
    {
        Bytes bytes;
        bytes.Header(0, kMaxSListBlocks + 1);
        for (int b = 0; b <= kMaxSListBlocks; ++b)
            bytes.Block(0);
        tooManyBlocks = bytes.Data();
    }
    const struct {
        const char* what;
        std::string data;
        std::string message;
    } cases[] = {
        {"empty", "", "Damaged stream: the stream ends inside sparse list version at byte offset 0"},
        {"no count", Bytes().Byte(0).Data(),
         "Damaged stream: the stream ends inside sparse list count at byte offset 1"},
        {"no block count", Bytes().Byte(0).Int(3).Data(),
         "Damaged stream: the stream ends inside sparse list block count at byte offset 5"},
        {"negative block count", Bytes().Header(3, -1).Data(),
         "Damaged stream: impossible sparse list block count -1 at byte offset 5"},
        {"far more blocks than the bytes hold", Bytes().Header(3, 70000).Block(0).Data(),
         "Damaged stream: impossible sparse list block count 70000 at byte offset 5"},
        {"more blocks than the bytes hold", Bytes().Header(3, 2).Block(0).Block(1).Data().substr(0, 9 + 68 + 67),
         "Damaged stream: impossible sparse list block count 2 at byte offset 5"},
        {"more blocks than a directory holds, all present", tooManyBlocks,
         "Damaged stream: impossible sparse list block count 65536 at byte offset 5"},
        {"negative block number", Bytes().Header(3, 1).Block(-1).Data(),
         "Damaged stream: sparse list block number -1 at byte offset 9"},
        {"block number one past the directory", Bytes().Header(3, 1).Block(kMaxSListBlocks).Data(),
         "Damaged stream: sparse list block number 65535 at byte offset 9"},
        {"second block number far out", Bytes().Header(3, 2).Block(0, 8).Block(70000).Data(),
         "Damaged stream: sparse list block number 70000 at byte offset 77"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TypeParam list;
        list.SetCount(9);
        list.Put(3, 42);
        ExpectRejected(list, c.data, c.message);
        EXPECT_EQ(RawItems(list), (Items{{3, 42}}));
        EXPECT_EQ(list.Count(), 9);
    }
}

TEST(TSListStream, WritesVersionCountBlocksAndRawItemsLittleEndian)
{
    TSList list;
    list.SetCount(3);
    list.Put(17, 5);
    ByteWriter writer;
    list.SaveToStream(writer);
    EXPECT_EQ(writer.Data(), Bytes().Header(3, 1).Block(1).Data().replace(9 + 4 + 4, 4, std::string("\5\0\0\0", 4)));
}

TEST(TSListStream, ARepeatedBlockNumberKeepsTheLaterBlock)
{
    TSList list;
    const std::string data = Bytes().Header(0, 2).Block(1, 5).Block(1, 6).Data();
    ByteReader reader(data);
    list.LoadFromStream(reader);
    EXPECT_EQ(RawItems(list), (Items{{16, 6}}));
}

// The stored form is relative to the default, and the default is the owner's to store.
template <class L> void ExpectValueRoundTrip(int32_t storedForm)
{
    L list;
    list.SetDefault(10);
    list.SetValue(3, 25);
    ByteWriter writer;
    list.SaveToStream(writer);
    EXPECT_EQ(writer.Data(), Bytes().Header(0, 1).Block(0).Data().replace(9 + 4 + 3 * 4, 4, [&] {
        ByteWriter item;
        item.WriteInt32(storedForm);
        return item.Data();
    }()));
    L loaded;
    loaded.SetDefault(10);
    ByteReader reader(writer.Data());
    loaded.LoadFromStream(reader);
    EXPECT_EQ(loaded.GetValue(3), 25);
    EXPECT_EQ(loaded.GetValue(4), 10);
}

TEST(TSListStream, DefaultedListsWriteTheirStoredFormWithoutTheDefault)
{
    ExpectValueRoundTrip<TProZeroSList>(15);
    ExpectValueRoundTrip<TZeroSList>(15);
    ExpectValueRoundTrip<TXLSizeList>(15);
    ExpectValueRoundTrip<TDefSList>(26);
}

template <class L> class ListOfListsStream : public ::testing::Test {
};

using SubListKinds = ::testing::Types<TSList, TDefSList>;
TYPED_TEST_SUITE(ListOfListsStream, SubListKinds);

template <class L> std::map<int, Items> SubLists(const TListSList<L>& lists)
{
    std::map<int, Items> all;
    lists.ForEach([&](int index, const L* list) { all[index] = RawItems(*list); });
    return all;
}

TYPED_TEST(ListOfListsStream, RoundTripWritesNonEmptySubListsAndKeepsOthersOnLoad)
{
    TListSList<TypeParam> lists;
    lists.GetOrCreate(0)->Put(2, 5);
    lists.GetOrCreate(3); // empty: not written
    lists.GetOrCreate(5)->Put(40, -1);
    lists.GetOrCreate(kMaxSListIndex)->Put(kMaxSListIndex, 9);
    ByteWriter writer;
    lists.SaveToStream(writer);
    EXPECT_EQ(writer.Data().substr(0, 8), Bytes().Int(3).Int(0).Data());

    TListSList<TypeParam> loaded;
    loaded.GetOrCreate(5)->Put(1, 77);
    loaded.GetOrCreate(8)->Put(1, 88);
    ByteReader reader(writer.Data());
    loaded.LoadFromStream(reader);
    EXPECT_TRUE(reader.AtEnd());
    const std::map<int, Items> expected = {
        {0, {{2, 5}}}, {5, {{40, -1}}}, {8, {{1, 88}}}, {kMaxSListIndex, {{kMaxSListIndex, 9}}}};
    EXPECT_EQ(SubLists(loaded), expected);
}

TYPED_TEST(ListOfListsStream, DamageAnywhereIsRejectedBeforeAnySubListChanges)
{
    const struct {
        const char* what;
        std::string data;
        std::string message;
    } cases[] = {
        {"empty", "", "Damaged stream: the stream ends inside sub-list count at byte offset 0"},
        {"negative count", Bytes().Int(-1).Data(), "Damaged stream: impossible sub-list count -1 at byte offset 0"},
        {"more sub-lists than the bytes hold", Bytes().Int(2).Int(0).Header(0, 0).Data(),
         "Damaged stream: impossible sub-list count 2 at byte offset 0"},
        {"negative index", Bytes().Int(1).Int(-1).Header(0, 0).Data(),
         "Damaged stream: sub-list index -1 at byte offset 4"},
        {"index beyond the data model", Bytes().Int(1).Int(kMaxSListIndex + 1).Header(0, 0).Data(),
         "Damaged stream: sub-list index 1048560 at byte offset 4"},
        {"damage in the second sub-list",
         Bytes().Int(2).Int(1).Header(0, 1).Block(0, 5).Int(2).Header(0, 1).Block(kMaxSListBlocks).Data(),
         "Damaged stream: sparse list block number 65535 at byte offset 98"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TListSList<TypeParam> lists;
        lists.GetOrCreate(1)->Put(0, 42);
        ExpectRejected(lists, c.data, c.message);
        EXPECT_EQ(SubLists(lists), (std::map<int, Items>{{1, {{0, 42}}}}));
    }
}

} // namespace
} // namespace qv
