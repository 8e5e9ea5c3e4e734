// Integer lists read against a default: TProZeroSList, TZeroSList, TDefSList and the size list TXLSizeList.
#pragma once

#include "sheet/SList.h"

#include <vector>

namespace qv {

// Integers stored as value - default, so an absent item reads as the default. GetOffset and FindOffset lay the
// items end to end; they keep per-block sums between calls, so after a write at block b the next call costs
// O(blocks from b) and later calls O(log blocks). Not safe for concurrent readers (the sums are filled in lazily).
class TProZeroSList : public TSList {
public:
    using TSList::TSList;

    int Default() const { return m_default; }
    // Stores the default. Stored items are kept as they are, so the values of explicit items move with it.
    virtual void SetDefault(int value);
    // The value at index; the default where nothing is stored, including outside the data model.
    int GetValue(int index) const { return ValueOf(Get(index)); }
    // A value equal to the default is stored as absent. Ignored outside 0..kMaxSListIndex.
    void SetValue(int index, int value) { Put(index, RawOf(value)); }
    // The sum of the values of items [0, n): for a size list the pixel offset at which item n starts.
    // 0 for n < 1; summed in 64 bits and saturated to the int range.
    int GetOffset(int n) const;
    // The index of the item covering pos with the items laid end to end from offset 0; pos becomes that item's
    // start. An offset equal to an item's end belongs to the next item, so zero-sized items are never found.
    // pos <= 0 or a default <= 0 gives 0 and pos 0. Beyond the data model the index is extrapolated (saturated).
    int FindOffset(int& pos) const;

protected:
    // How a value is stored: as value - default, or (TDefSList) as value + 1 so that it survives a new default.
    enum class Encoding { Relative, PlusOne };
    TProZeroSList(Encoding encoding, std::pmr::memory_resource* memory) : TSList(memory), m_encoding(encoding) {}

private:
    // Per block b: the sum of (value - default) of all blocks before b, and the highest end offset of any item in
    // blocks 0..b (a running maximum, so it can be searched even when some values are negative).
    struct Summary {
        std::vector<int64_t> deltasBefore; // [0] is 0 once allocated
        std::vector<int64_t> reach;
        int blocks = 0;
    };

    // Wrapping arithmetic: every int32 value round-trips through its stored form.
    static int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }
    int32_t ValueOf(int32_t raw) const
    {
        if (m_encoding == Encoding::PlusOne)
            return raw == 0 ? m_default : Wrap(int64_t{raw} - 1);
        return Wrap(int64_t{raw} + m_default);
    }
    int32_t RawOf(int32_t value) const
    {
        if (value == m_default)
            return 0;
        return m_encoding == Encoding::PlusOne ? Wrap(int64_t{value} + 1) : Wrap(int64_t{value} - m_default);
    }
    void Summarise(int blocks) const;
    int64_t BlockStart(int block) const;
    int FindInBlock(int block, int& pos) const;

    int m_default = 0;
    Encoding m_encoding = Encoding::Relative;
    // Made on first use: most lists (the property layers) never ask for offsets.
    mutable std::unique_ptr<Summary> m_summary;
};

// Changing the default empties the list: explicit values relative to an old default mean nothing any more.
class TZeroSList : public TProZeroSList {
public:
    // Stores the default, then Clear.
    void SetDefault(int value) override;
};

// Values that survive a change of the default: stored as value + 1, so the stored form cannot hold -1 (it reads
// as the default). The section's property layers use it.
class TDefSList : public TProZeroSList {
public:
    explicit TDefSList(std::pmr::memory_resource* memory = std::pmr::new_delete_resource())
        : TProZeroSList(Encoding::PlusOne, memory)
    {
    }
};

// Column widths or row heights in pixels; the default is the default size.
class TXLSizeList : public TZeroSList {
public:
    TXLSizeList() = default;
    explicit TXLSizeList(int defaultSize) { SetDefault(defaultSize); }
};

} // namespace qv
