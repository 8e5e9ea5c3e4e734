// TObjectSList: a sparse list owning its objects; TListSList: a sparse list of sub-lists created on demand.
#pragma once

#include "platform/ByteStream.h"
#include "sheet/SListBlocks.h"

#include <concepts>
#include <string>

namespace qv {

// Owned objects in the block structure: Get returns a plain pointer, Put takes ownership, and whatever leaves the
// list (replaced, deleted, cut by SetCount, cleared) passes through FreeItem and is destroyed there. Rows are
// object lists of cells, sections object lists of rows.
template <class T> class TObjectSList : public BasicSList<std::unique_ptr<T>> {
public:
    using BasicSList<std::unique_ptr<T>>::BasicSList;

    // Empties the slot and hands its object to the caller unfreed (for moving or detaching it); nil when absent.
    // No ItemsMoved. Blocks stay allocated.
    std::unique_ptr<T> Take(int index)
    {
        if (index < 0 || index > this->Last())
            return nullptr;
        return this->Exchange(index, nullptr);
    }
};

// Sub-lists of class L (created in the list's memory), one per outer index. The property layers are
// TListSList<TSList> and TListSList<TDefSList>; ItemCreated gives a new sub-list its default.
template <std::default_initializable L> class TListSList : public TObjectSList<L> {
public:
    using TObjectSList<L>::TObjectSList;

    // The sub-list at index, created (then ItemCreated) when absent; nil only outside 0..kMaxSListIndex.
    L* GetOrCreate(int index);
    // The number of non-empty sub-lists, then per sub-list in increasing index order its index and its own stream.
    void SaveToStream(ByteWriter& writer) const;
    // Reads the format of SaveToStream: each sub-list named is created if needed and replaced by the stream's;
    // others are kept. The whole stream is checked before anything changes, so damage (EReadError) leaves the
    // list as it was.
    void LoadFromStream(ByteReader& reader);

protected:
    // A sub-list just created at index by GetOrCreate; it is already in the list.
    virtual void ItemCreated(L& /*item*/, int /*index*/) {}

private:
    template <class Load> static void ReadEntries(ByteReader& reader, Load&& load);
};

template <std::default_initializable L> L* TListSList<L>::GetOrCreate(int index)
{
    if (index < 0 || index > kMaxSListIndex)
        return nullptr;
    if (L* item = this->Get(index))
        return item;
    std::unique_ptr<L> created(new (this->Memory()) L(this->Memory()));
    L& item = *created;
    this->Put(index, std::move(created));
    ItemCreated(item, index);
    return &item;
}

template <std::default_initializable L> void TListSList<L>::SaveToStream(ByteWriter& writer) const
{
    const size_t countAt = writer.Size();
    writer.WriteInt32(0);
    int32_t written = 0;
    this->ForEach([&](int index, const L* item) {
        if (item->IsEmpty())
            return;
        writer.WriteInt32(index);
        item->SaveToStream(writer);
        ++written;
    });
    writer.PatchInt32(countAt, written);
}

template <std::default_initializable L> void TListSList<L>::LoadFromStream(ByteReader& reader)
{
    ByteReader probe = reader;
    ReadEntries(probe, [](int, ByteReader& r) { L().LoadFromStream(r); });
    ReadEntries(reader, [this](int index, ByteReader& r) {
        r.Charge(this->StorageGrowth(index) + sizeof(L), "a sub-list");
        GetOrCreate(index)->LoadFromStream(r);
    });
}

template <std::default_initializable L>
template <class Load>
void TListSList<L>::ReadEntries(ByteReader& reader, Load&& load)
{
    // An entry takes at least its index and an empty block-format list: 4 + 9 bytes.
    constexpr size_t kSmallestEntry = 13;
    const size_t backed = reader.Remaining() < 4 ? 0 : (reader.Remaining() - 4) / kSmallestEntry;
    const int32_t count =
        reader.ReadCount("sub-list count", static_cast<int32_t>(std::min<size_t>(backed, kMaxSListIndex + 1)));
    for (int32_t i = 0; i < count; ++i) {
        const size_t at = reader.Offset();
        const int32_t index = reader.ReadInt32("sub-list index");
        if (index < 0 || index > kMaxSListIndex)
            throw EReadError("sub-list index " + std::to_string(index), at);
        load(index, reader);
    }
}

} // namespace qv
