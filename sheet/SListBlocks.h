// BasicSList: the block machinery every sparse list shares (directory of 16-item blocks, highest index, read cache).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <type_traits>
#include <utility>
#include <vector>

namespace qv {

inline constexpr int kSListBlockItems = 16;
// The stored directory length is 16 bits wide.
inline constexpr int kMaxSListBlocks = 65535;
// The highest index a sparse list holds (1,048,559); higher indexes are outside the data model and never stored.
inline constexpr int kMaxSListIndex = kMaxSListBlocks * kSListBlockItems - 1;

// How a stored item is looked at: an integer by value, an owned object through a plain pointer. Nil is View{}.
template <class Item> struct SListItemTraits;

template <> struct SListItemTraits<int32_t> {
    using View = int32_t;
    static View Look(int32_t item) { return item; }
};

template <class T> struct SListItemTraits<std::unique_ptr<T>> {
    using View = T*;
    static View Look(const std::unique_ptr<T>& item) { return item.get(); }
};

// The blocks of a sparse list by number, owned, in the list's memory (its sheet's, or the heap): a 16-way radix
// tree whose height follows the highest number reached, a tree of height 0 being block 0 itself. Memory stays
// proportional to the blocks present (a lone block at the far end costs four nodes), and the walks skip whole
// empty subtrees.
template <class Block> class SListDirectory {
public:
    explicit SListDirectory(std::pmr::memory_resource* memory) : m_memory(memory) {}
    SListDirectory(SListDirectory&& other) noexcept
        : m_memory(other.m_memory), m_root(std::exchange(other.m_root, nullptr)),
          m_height(std::exchange(other.m_height, 0)), m_length(std::exchange(other.m_length, 0))
    {
    }
    // Both directories must live in the same memory: the blocks change owner, not place.
    SListDirectory& operator=(SListDirectory&& other) noexcept
    {
        Clear();
        m_root = std::exchange(other.m_root, nullptr);
        m_height = std::exchange(other.m_height, 0);
        m_length = std::exchange(other.m_length, 0);
        return *this;
    }
    ~SListDirectory() { Clear(); }

    std::pmr::memory_resource* Memory() const { return m_memory; }
    // One past the highest block number reached since the last Clear.
    int Length() const { return m_length; }
    // The block with this number, nil when not allocated. O(height), at most four steps.
    Block* At(int number) const
    {
        if (number < 0 || number >= m_length)
            return nullptr;
        const void* p = m_root;
        for (int level = m_height; level > 0 && p; --level)
            p = static_cast<const Node*>(p)->child[Digit(number, level - 1)];
        return static_cast<Block*>(const_cast<void*>(p));
    }
    // The block with this number (0..kMaxSListBlocks - 1), allocated with every item nil when absent.
    Block& Ensure(int number)
    {
        m_length = std::max(m_length, number + 1);
        const int height = HeightFor(number);
        if (!m_root)
            m_height = height;
        for (; m_height < height; ++m_height) {
            Node* root = NewNode();
            root->child[0] = m_root;
            m_root = root;
        }
        // A slot holds a node of the level, or at level 0 a block.
        void** slot = &m_root;
        for (int level = m_height; level > 0; --level) {
            if (!*slot)
                *slot = NewNode();
            slot = &static_cast<Node*>(*slot)->child[Digit(number, level - 1)];
        }
        if (!*slot)
            *slot = new (m_memory->allocate(sizeof(Block), alignof(Block))) Block{};
        return *static_cast<Block*>(*slot);
    }
    // The bytes Ensure(number) would allocate: the missing nodes on the way and the block.
    size_t Growth(int number) const
    {
        const int height = HeightFor(number);
        if (!m_root)
            return height * sizeof(Node) + sizeof(Block);
        if (height > m_height) {
            // New roots up to the height, and a new path below the top one: the number's top digit is not 0.
            return (height - m_height + height - 1) * sizeof(Node) + sizeof(Block);
        }
        const void* p = m_root;
        for (int level = m_height; level > 0; --level) {
            p = static_cast<const Node*>(p)->child[Digit(number, level - 1)];
            if (!p)
                return (level - 1) * sizeof(Node) + sizeof(Block);
        }
        return 0;
    }
    // The lowest allocated block number at or above number, -1 when none. O(16 x height).
    int NextFrom(int number) const
    {
        return m_root && number < Span(m_height) ? Next(m_root, m_height, 0, std::max(number, 0)) : -1;
    }
    // The highest allocated block number at or below number, -1 when none. O(16 x height).
    int PreviousFrom(int number) const
    {
        return m_root && number >= 0 ? Previous(m_root, m_height, 0, std::min(number, Span(m_height) - 1)) : -1;
    }
    // Destroys every block (and so the items still in them) and every node; Length() becomes 0.
    void Clear()
    {
        if (m_root)
            Free(m_root, m_height);
        m_root = nullptr;
        m_height = 0;
        m_length = 0;
    }

private:
    static constexpr int kBits = 4;
    static constexpr int kFanOut = 1 << kBits;
    struct Node {
        std::array<void*, kFanOut> child{};
    };

    static int Digit(int number, int level) { return (number >> (kBits * level)) & (kFanOut - 1); }
    // Block numbers a subtree of this height covers.
    static int Span(int height) { return 1 << (kBits * height); }
    static int HeightFor(int number)
    {
        int height = 0;
        while (number >= Span(height))
            ++height;
        return height;
    }
    Node* NewNode() { return new (m_memory->allocate(sizeof(Node), alignof(Node))) Node{}; }
    // p is a subtree of the height covering the block numbers [base, base + Span(height)); number lies in it.
    static int Next(const void* p, int height, int base, int number)
    {
        if (height == 0)
            return base;
        const Node& node = *static_cast<const Node*>(p);
        for (int digit = Digit(number, height - 1); digit < kFanOut; ++digit) {
            const int childBase = base + digit * Span(height - 1);
            if (const void* child = node.child[digit])
                if (const int found = Next(child, height - 1, childBase, std::max(number, childBase)); found >= 0)
                    return found;
        }
        return -1;
    }
    static int Previous(const void* p, int height, int base, int number)
    {
        if (height == 0)
            return base;
        const Node& node = *static_cast<const Node*>(p);
        for (int digit = Digit(number, height - 1); digit >= 0; --digit) {
            const int childBase = base + digit * Span(height - 1);
            const int childLast = childBase + Span(height - 1) - 1;
            if (const void* child = node.child[digit])
                if (const int found = Previous(child, height - 1, childBase, std::min(number, childLast)); found >= 0)
                    return found;
        }
        return -1;
    }
    void Free(void* p, int height)
    {
        if (height == 0) {
            Block* block = static_cast<Block*>(p);
            block->~Block();
            m_memory->deallocate(block, sizeof(Block), alignof(Block));
            return;
        }
        Node* node = static_cast<Node*>(p);
        for (void* child : node->child)
            if (child)
                Free(child, height - 1);
        m_memory->deallocate(node, sizeof(Node), alignof(Node));
    }

    std::pmr::memory_resource* m_memory;
    void* m_root = nullptr; // a Node, or at height 0 the block
    int m_height = 0;
    int m_length = 0;
};

// Maps indexes 0..kMaxSListIndex to items, spending memory only on the 16-index blocks that were written.
// A block, once allocated, stays until Clear. Not copyable: subclasses own objects and override the hooks.
template <class ItemType> class BasicSList {
public:
    using Item = ItemType;
    using View = typename SListItemTraits<Item>::View;

    // The blocks live in memory: a sheet's lists use the sheet's, everything else the heap.
    explicit BasicSList(std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) : m_directory(memory) {}
    BasicSList(const BasicSList&) = delete;
    BasicSList& operator=(const BasicSList&) = delete;
    // Frees the items without calling an overridden Clear or FreeItem; a subclass needing them calls Clear itself.
    virtual ~BasicSList() = default;

    // A list object lives in the memory it is created in (a sheet's rows in the sheet's); the memory and the
    // object's size are kept just before it, so that deleting it needs to know neither.
    static void* operator new(size_t size, std::pmr::memory_resource* memory)
    {
        void* block = memory->allocate(size + sizeof(ObjectHeader), alignof(std::max_align_t));
        return new (block) ObjectHeader{memory, size} + 1;
    }
    static void* operator new(size_t size) { return operator new(size, std::pmr::new_delete_resource()); }
    static void operator delete(void* object)
    {
        ObjectHeader* header = static_cast<ObjectHeader*>(object) - 1;
        header->memory->deallocate(header, header->size + sizeof(ObjectHeader), alignof(std::max_align_t));
    }
    static void operator delete(void* object, std::pmr::memory_resource*) { operator delete(object); }

    // The item at index; nil when absent or outside [0, Last()]. A repeated read of one index costs no block lookup.
    View Get(int index) const;
    // Stores item, allocating its block if needed; a replaced item goes to FreeItem once the new one is in place.
    // Storing nil where nothing is stored allocates nothing. Outside 0..kMaxSListIndex nothing is stored (an owned
    // item passed is freed).
    void Put(int index, Item item);
    // Moves items [index, Last()] up by one, puts item at index, then ItemsMoved(index + 1, Last()) and
    // ItemsMoved(index, index). An item pushed beyond kMaxSListIndex is freed. Outside the data model item is freed.
    void Insert(int index, Item item);
    // Moves items (index, Last()] down by one, then ItemsMoved(index, old Last()). The item at index is freed (a raw
    // list would merely overwrite it; an owned object must not leak). Nothing when index is outside [0, Last()].
    void Delete(int index);
    // count > 0: inserts count nil items at index, then one ItemsMoved for the moved items (those pushed beyond
    // kMaxSListIndex are freed). count < 0: frees and deletes the -count items from index, then one
    // ItemsMoved(index, old Last()). Nothing when index is outside [0, Last()]. Count() is not changed.
    void InsertDelete(int index, int count);
    // Sets Count() and frees every item at index count or above, from the top down.
    void SetCount(int count);
    // Frees every item in increasing index order, then every block and the directory; Count() stays.
    virtual void Clear();
    // Calls fn(index, item) for each non-nil item in increasing index order. If fn returns int, the walk stops at the
    // first non-zero result and returns it; otherwise (and when all were visited) the result is 0. fn must not
    // modify the list.
    template <class Fn> int ForEach(Fn&& fn) const;
    // ForEach over the items at [first, end) only, skipping missing blocks whole: O(blocks present there).
    template <class Fn> int ForEachIn(int first, int end, Fn&& fn) const;

    bool IsEmpty() const { return m_last < 0; }
    // The highest index holding an item, -1 when none.
    int Last() const { return m_last; }
    // The nominal number of items set by SetCount; it bounds nothing by itself.
    int Count() const { return m_count; }
    // Number of directory entries: one past the highest block ever reached since the last Clear.
    int DirectoryLength() const { return m_directory.Length(); }
    std::pmr::memory_resource* Memory() const { return m_directory.Memory(); }
    // Bytes that storing at index (0..kMaxSListIndex) allocates: directory nodes and the block. Readers charge them
    // against their stream.
    size_t StorageGrowth(int index) const { return m_directory.Growth(index / kSListBlockItems); }
    // Number of allocated blocks, including blocks whose items were all set back to nil. O(blocks).
    int AllocatedBlocks() const;

protected:
    struct alignas(std::max_align_t) ObjectHeader {
        std::pmr::memory_resource* memory;
        size_t size;
    };
    using Block = std::array<Item, kSListBlockItems>;
    using Directory = SListDirectory<Block>;

    // Items at [first, last] (inclusive) now sit at new indexes, or their slots were emptied; called only for a
    // non-empty range. Rows and sections renumber their cells and rows here.
    virtual void ItemsMoved(int /*first*/, int /*last*/) {}
    // Every non-nil item leaving the list for good (not through Take) ends here; it is no longer in the list.
    // An owned object is destroyed when the parameter goes out of scope.
    virtual void FreeItem(Item /*item*/) {}

    // Stores item at index (0..kMaxSListIndex) and returns the item it replaced, without freeing anything.
    Item Exchange(int index, Item item);
    // The block with this number, nil when not allocated. Stays valid until Clear.
    const Block* BlockAt(int block) const;
    // The lowest allocated block number at or above block, -1 when none.
    int NextBlock(int block) const { return m_directory.NextFrom(block); }
    // Replaces the whole content by directory (at most kMaxSListBlocks entries) and sets Count().
    void AdoptBlocks(Directory directory, int count);
    // The lowest block written since the previous call (kMaxSListBlocks if none); for one summary kept by a subclass.
    int TakeFirstChangedBlock() const { return std::exchange(m_firstChangedBlock, kMaxSListBlocks); }

private:
    static bool IsNil(const Item& item) { return SListItemTraits<Item>::Look(item) == View{}; }
    static bool InModel(int index) { return index >= 0 && index <= kMaxSListIndex; }

    Block* MutableBlockAt(int block);
    // The slot of index, growing the directory and allocating the block; touches nothing else.
    Item& AllocatedSlot(int index);
    int LastAtOrBelow(int index) const;
    void Touched(int index);
    void Free(Item item);
    void ShiftUp(int index, int by);
    void ShiftDown(int index, int by);

    // The pointer-sized cache item first, so that no padding is spent: every row and layer list has these.
    Directory m_directory;
    mutable View m_cacheItem{};
    int m_last = -1;
    int m_count = 0;
    mutable int m_cacheIndex = -1;
    mutable int m_firstChangedBlock = 0;
};

template <class ItemType> auto BasicSList<ItemType>::Get(int index) const -> View
{
    if (index < 0 || index > m_last)
        return View{};
    if (index == m_cacheIndex)
        return m_cacheItem;
    const Block* block = BlockAt(index / kSListBlockItems);
    m_cacheItem = block ? SListItemTraits<Item>::Look((*block)[index % kSListBlockItems]) : View{};
    m_cacheIndex = index;
    return m_cacheItem;
}

template <class ItemType> void BasicSList<ItemType>::Put(int index, Item item)
{
    if (!InModel(index)) {
        Free(std::move(item));
        return;
    }
    Free(Exchange(index, std::move(item)));
}

template <class ItemType> void BasicSList<ItemType>::Insert(int index, Item item)
{
    if (!InModel(index)) {
        Free(std::move(item));
        return;
    }
    if (index <= m_last)
        ShiftUp(index, 1);
    Put(index, std::move(item));
    if (index + 1 <= m_last)
        ItemsMoved(index + 1, m_last);
    ItemsMoved(index, index);
}

template <class ItemType> void BasicSList<ItemType>::Delete(int index)
{
    if (index >= 0 && index <= m_last)
        ShiftDown(index, 1);
}

template <class ItemType> void BasicSList<ItemType>::InsertDelete(int index, int count)
{
    if (index < 0 || index > m_last || count == 0)
        return;
    if (count > 0) {
        const int by = std::min(count, kMaxSListIndex + 1 - index);
        ShiftUp(index, by);
        if (index + by <= m_last)
            ItemsMoved(index + by, m_last);
    } else {
        // 64 bits: -count overflows for the lowest int.
        const int64_t wanted = -static_cast<int64_t>(count);
        ShiftDown(index, static_cast<int>(std::min<int64_t>(wanted, m_last - index + 1)));
    }
}

template <class ItemType> void BasicSList<ItemType>::SetCount(int count)
{
    m_count = count;
    while (m_last >= 0 && m_last >= count)
        Free(Exchange(m_last, Item{}));
}

template <class ItemType> void BasicSList<ItemType>::Clear()
{
    // Detach everything first: an object being freed may look at the list and must find it consistent.
    Directory old = std::move(m_directory);
    m_last = -1;
    Touched(0);
    // Only the blocks that exist: a far-away item must not make freeing walk every block number before it.
    for (int b = old.NextFrom(0); b >= 0; b = old.NextFrom(b + 1))
        for (Item& item : *old.At(b))
            Free(std::move(item));
}

template <class ItemType> template <class Fn> int BasicSList<ItemType>::ForEach(Fn&& fn) const
{
    return ForEachIn(0, m_last + 1, std::forward<Fn>(fn));
}

template <class ItemType> template <class Fn> int BasicSList<ItemType>::ForEachIn(int first, int end, Fn&& fn) const
{
    first = std::max(first, 0);
    end = std::min(end, m_last + 1);
    if (first >= end)
        return 0;
    const int lastBlock = (end - 1) / kSListBlockItems;
    for (int b = m_directory.NextFrom(first / kSListBlockItems); b >= 0 && b <= lastBlock;
         b = m_directory.NextFrom(b + 1)) {
        const Block& block = *m_directory.At(b);
        const int from = std::max(first - b * kSListBlockItems, 0);
        const int to = std::min(end - b * kSListBlockItems, kSListBlockItems);
        for (int slot = from; slot < to; ++slot) {
            const View item = SListItemTraits<Item>::Look(block[slot]);
            if (item == View{})
                continue;
            const int index = b * kSListBlockItems + slot;
            if constexpr (std::is_void_v<std::invoke_result_t<Fn&, int, View>>) {
                fn(index, item);
            } else if (const int result = fn(index, item); result != 0) {
                return result;
            }
        }
    }
    return 0;
}

template <class ItemType> int BasicSList<ItemType>::AllocatedBlocks() const
{
    int blocks = 0;
    for (int b = m_directory.NextFrom(0); b >= 0; b = m_directory.NextFrom(b + 1))
        ++blocks;
    return blocks;
}

template <class ItemType> auto BasicSList<ItemType>::Exchange(int index, Item item) -> Item
{
    if (IsNil(item) && Get(index) == View{})
        return item;
    Item& slot = AllocatedSlot(index);
    m_last = std::max(m_last, index);
    Touched(index);
    Item old = std::exchange(slot, std::move(item));
    if (IsNil(slot) && index == m_last)
        m_last = LastAtOrBelow(index);
    return old;
}

template <class ItemType> auto BasicSList<ItemType>::BlockAt(int block) const -> const Block*
{
    return m_directory.At(block);
}

template <class ItemType> void BasicSList<ItemType>::AdoptBlocks(Directory directory, int count)
{
    Clear();
    m_directory = std::move(directory);
    m_count = count;
    m_last = LastAtOrBelow(DirectoryLength() * kSListBlockItems - 1);
    Touched(0);
}

template <class ItemType> auto BasicSList<ItemType>::MutableBlockAt(int block) -> Block*
{
    return m_directory.At(block);
}

template <class ItemType> auto BasicSList<ItemType>::AllocatedSlot(int index) -> Item&
{
    return m_directory.Ensure(index / kSListBlockItems)[index % kSListBlockItems];
}

template <class ItemType> int BasicSList<ItemType>::LastAtOrBelow(int index) const
{
    index = std::min(index, DirectoryLength() * kSListBlockItems - 1);
    if (index < 0)
        return -1;
    for (int b = m_directory.PreviousFrom(index / kSListBlockItems); b >= 0; b = m_directory.PreviousFrom(b - 1)) {
        const Block& block = *m_directory.At(b);
        const int top = b == index / kSListBlockItems ? index % kSListBlockItems : kSListBlockItems - 1;
        for (int slot = top; slot >= 0; --slot)
            if (!IsNil(block[slot]))
                return b * kSListBlockItems + slot;
    }
    return -1;
}

template <class ItemType> void BasicSList<ItemType>::Touched(int index)
{
    m_cacheIndex = -1;
    m_firstChangedBlock = std::min(m_firstChangedBlock, index / kSListBlockItems);
}

template <class ItemType> void BasicSList<ItemType>::Free(Item item)
{
    if (!IsNil(item))
        FreeItem(std::move(item));
}

// Items pushed beyond kMaxSListIndex are taken out and freed once the list is consistent again.
template <class ItemType> void BasicSList<ItemType>::ShiftUp(int index, int by)
{
    const int oldLast = m_last;
    std::vector<Item> dropped;
    for (int from = oldLast; from >= index; --from) {
        Block* block = MutableBlockAt(from / kSListBlockItems);
        if (!block) {
            // On to the top slot of the next allocated block below (none: the loop ends).
            from = (m_directory.PreviousFrom(from / kSListBlockItems - 1) + 1) * kSListBlockItems;
            continue;
        }
        Item& slot = (*block)[from % kSListBlockItems];
        if (IsNil(slot))
            continue;
        // Top down, so the destination has already been vacated.
        if (from > kMaxSListIndex - by)
            dropped.push_back(std::exchange(slot, Item{}));
        else
            AllocatedSlot(from + by) = std::exchange(slot, Item{});
    }
    m_last = LastAtOrBelow(std::min(oldLast + by, kMaxSListIndex));
    Touched(index);
    for (Item& item : dropped)
        Free(std::move(item));
}

template <class ItemType> void BasicSList<ItemType>::ShiftDown(int index, int by)
{
    const int oldLast = m_last;
    std::vector<Item> removed;
    const int end = index + by;
    for (int b = m_directory.NextFrom(index / kSListBlockItems); b >= 0 && b * kSListBlockItems < end;
         b = m_directory.NextFrom(b + 1)) {
        Block& block = *MutableBlockAt(b);
        const int to = std::min(end - b * kSListBlockItems, kSListBlockItems);
        for (int slot = std::max(index - b * kSListBlockItems, 0); slot < to; ++slot)
            if (!IsNil(block[slot]))
                removed.push_back(std::exchange(block[slot], Item{}));
    }
    for (int from = end; from <= oldLast; ++from) {
        Block* block = MutableBlockAt(from / kSListBlockItems);
        if (!block) {
            // On to the first slot of the next allocated block (none: the loop ends).
            const int next = m_directory.NextFrom(from / kSListBlockItems + 1);
            if (next < 0)
                break;
            from = next * kSListBlockItems - 1;
            continue;
        }
        Item& slot = (*block)[from % kSListBlockItems];
        if (!IsNil(slot))
            AllocatedSlot(from - by) = std::exchange(slot, Item{});
    }
    m_last = LastAtOrBelow(oldLast);
    Touched(index);
    for (Item& item : removed)
        Free(std::move(item));
    ItemsMoved(index, oldLast);
}

} // namespace qv
