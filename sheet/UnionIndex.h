// The merged ranges of a section by position: the range holding a point, the ranges meeting a rectangle.
#pragma once

#include "platform/Geometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>

namespace qv {

class TXLUnion;

// Ranges that never overlap, each filed under the smallest aligned block of 2^level rows holding its rows. The
// ranges of one block all cross the block's middle row, so they are disjoint in columns and kept in order of
// their left column: a point meets at most one range per level. A point costs O(levels in use x log n); a
// rectangle that per block of its rows holding ranges, plus the ranges found. Rows and columns are 0..2^21 - 1.
class TXLUnionIndex {
public:
    // The range's rectangle must be non-empty, overlap no indexed range, and stay as it is while indexed.
    void Insert(TXLUnion& range);
    // Removes the range filed under its present rectangle; nothing when it is not there.
    void Erase(const TXLUnion& range);
    void Clear();
    bool IsEmpty() const { return m_ranges.empty(); }
    // The range containing p, or nullptr.
    TXLUnion* At(Point p) const;
    // Calls fn for each range intersecting rect, ordered by level, then row, then column, until fn returns
    // false; fn must not change the index. Returns false when fn stopped the walk.
    bool ForEachIntersecting(const Rect& rect, const std::function<bool(TXLUnion&)>& fn) const;

private:
    static constexpr int kLevels = 22;
    static uint64_t KeyOf(const Rect& rect);
    static uint64_t KeyOf(int level, int firstRow, int left);
    // The key's level and block, without the column.
    static uint64_t BlockOf(uint64_t key) { return key >> kColumnBits; }
    static constexpr int kColumnBits = 21;

    std::map<uint64_t, TXLUnion*> m_ranges;
    std::array<int, kLevels> m_perLevel{};
};

} // namespace qv
