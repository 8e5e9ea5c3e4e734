// The merged-range index: ranges filed by the aligned row block holding them, then by their left column.
#include "sheet/UnionIndex.h"

#include "sheet/Union.h"

#include <bit>

namespace qv {

namespace {

// The level of the smallest aligned block of 2^level rows holding rows [top, bottom).
int LevelOf(int top, int bottom)
{
    return std::bit_width(static_cast<unsigned>(top ^ (bottom - 1)));
}

int BlockStart(int row, int level)
{
    return row >> level << level;
}

} // namespace

uint64_t TXLUnionIndex::KeyOf(int level, int firstRow, int left)
{
    return uint64_t(level) << (2 * kColumnBits) | uint64_t(firstRow) << kColumnBits | uint64_t(left);
}

uint64_t TXLUnionIndex::KeyOf(const Rect& rect)
{
    const int level = LevelOf(rect.top, rect.bottom);
    return KeyOf(level, BlockStart(rect.top, level), rect.left);
}

void TXLUnionIndex::Insert(TXLUnion& range)
{
    const Rect& r = range.GetRect();
    if (m_ranges.emplace(KeyOf(r), &range).second)
        ++m_perLevel[LevelOf(r.top, r.bottom)];
}

void TXLUnionIndex::Erase(const TXLUnion& range)
{
    const Rect& r = range.GetRect();
    const auto it = m_ranges.find(KeyOf(r));
    if (it == m_ranges.end() || it->second != &range)
        return;
    m_ranges.erase(it);
    --m_perLevel[LevelOf(r.top, r.bottom)];
}

void TXLUnionIndex::Clear()
{
    m_ranges.clear();
    m_perLevel.fill(0);
}

TXLUnion* TXLUnionIndex::At(Point p) const
{
    if (p.x < 0 || p.y < 0)
        return nullptr;
    for (int level = 0; level < kLevels; ++level) {
        if (m_perLevel[level] == 0)
            continue;
        const uint64_t key = KeyOf(level, BlockStart(p.y, level), p.x);
        // The range of the block starting at or left of p.x is the only one there that can hold it.
        auto it = m_ranges.upper_bound(key);
        if (it == m_ranges.begin())
            continue;
        --it;
        if (BlockOf(it->first) == BlockOf(key) && it->second->GetRect().Contains(p))
            return it->second;
    }
    return nullptr;
}

bool TXLUnionIndex::ForEachIntersecting(const Rect& rect, const std::function<bool(TXLUnion&)>& fn) const
{
    if (rect.IsEmpty() || rect.right <= 0 || rect.bottom <= 0)
        return true;
    const int left = std::max(rect.left, 0);
    for (int level = 0; level < kLevels; ++level) {
        if (m_perLevel[level] == 0)
            continue;
        // Blocks holding ranges, from the one holding the rectangle's top row on, while they start above its bottom.
        for (int first = BlockStart(std::max(rect.top, 0), level); first < rect.bottom;) {
            auto it = m_ranges.lower_bound(KeyOf(level, first, 0));
            if (it == m_ranges.end() || BlockOf(it->first) >> kColumnBits != uint64_t(level))
                break;
            first = static_cast<int>(BlockOf(it->first) & ((uint64_t{1} << kColumnBits) - 1));
            if (first >= rect.bottom)
                break;
            const uint64_t block = BlockOf(it->first);
            // The range starting left of the rectangle may reach into it; the others start inside it.
            it = m_ranges.upper_bound(KeyOf(level, first, left));
            if (it != m_ranges.begin() && BlockOf(std::prev(it)->first) == block)
                --it;
            for (; it != m_ranges.end() && BlockOf(it->first) == block; ++it) {
                const Rect& r = it->second->GetRect();
                if (r.left >= rect.right)
                    break;
                if (r.Intersects(rect) && !fn(*it->second))
                    return false;
            }
            first += 1 << level;
        }
    }
    return true;
}

} // namespace qv
