// Defaults and offsets of the integer lists read against a default.
#include "sheet/ProZeroSList.h"

#include <algorithm>
#include <limits>

namespace qv {

namespace {

int Saturate(int64_t value)
{
    return static_cast<int>(
        std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

void TProZeroSList::SetDefault(int value)
{
    m_default = value;
    if (m_summary)
        m_summary->blocks = 0; // every value moved
}

int TProZeroSList::GetOffset(int n) const
{
    if (n < 1)
        return 0;
    const int block = (n - 1) / kSListBlockItems;
    const int blocks = DirectoryLength();
    int64_t total = int64_t{n} * m_default;
    if (block >= blocks) {
        Summarise(blocks);
        return Saturate(total + m_summary->deltasBefore[blocks]);
    }
    Summarise(block);
    total += m_summary->deltasBefore[block];
    if (const Block* items = BlockAt(block))
        for (int slot = 0; slot <= (n - 1) % kSListBlockItems; ++slot)
            total += int64_t{ValueOf((*items)[slot])} - m_default;
    return Saturate(total);
}

int TProZeroSList::FindOffset(int& pos) const
{
    const int given = pos;
    if (given <= 0 || m_default <= 0) {
        pos = 0;
        return 0;
    }
    const int blocks = DirectoryLength();
    Summarise(blocks);
    const auto first = m_summary->reach.begin();
    const auto hit = std::upper_bound(first, first + blocks, int64_t{given});
    if (hit != first + blocks)
        return FindInBlock(static_cast<int>(hit - first), pos);
    // Past the directory every item has the default size.
    const int64_t rest = given - BlockStart(blocks);
    pos = static_cast<int>(given - rest % m_default);
    return Saturate(int64_t{blocks} * kSListBlockItems + rest / m_default);
}

// The block's reach exceeds pos and no earlier block's does, so the first item ending beyond pos is in it.
int TProZeroSList::FindInBlock(int block, int& pos) const
{
    const Block* items = BlockAt(block);
    int64_t start = BlockStart(block);
    int slot = 0;
    for (; slot < kSListBlockItems - 1; ++slot) {
        const int64_t end = start + ValueOf(items ? (*items)[slot] : 0);
        if (end > pos)
            break;
        start = end;
    }
    pos = static_cast<int>(start);
    return block * kSListBlockItems + slot;
}

int64_t TProZeroSList::BlockStart(int block) const
{
    return int64_t{block} * kSListBlockItems * m_default + m_summary->deltasBefore[block];
}

// Extends the summary to the first `blocks` blocks, starting again from the lowest block written since last time.
void TProZeroSList::Summarise(int blocks) const
{
    if (!m_summary)
        m_summary = std::make_unique<Summary>();
    Summary& s = *m_summary;
    s.blocks = std::min({s.blocks, TakeFirstChangedBlock(), DirectoryLength()});
    // Allocated on first use only: most lists (the property layers) never ask for offsets.
    if (static_cast<int>(s.deltasBefore.size()) < blocks + 1) {
        s.deltasBefore.resize(blocks + 1);
        s.reach.resize(blocks);
    }
    if (s.blocks >= blocks)
        return;
    for (int b = s.blocks; b < blocks; ++b) {
        int64_t deltas = 0;
        int64_t highest = std::max<int64_t>(m_default, int64_t{kSListBlockItems} * m_default);
        if (const Block* items = BlockAt(b)) {
            int64_t partial = 0;
            highest = std::numeric_limits<int64_t>::min();
            for (const int32_t raw : *items) {
                const int64_t value = ValueOf(raw);
                partial += value;
                highest = std::max(highest, partial);
                deltas += value - m_default;
            }
        }
        const int64_t reach = BlockStart(b) + highest;
        s.reach[b] = b == 0 ? reach : std::max(s.reach[b - 1], reach);
        s.deltasBefore[b + 1] = s.deltasBefore[b] + deltas;
    }
    s.blocks = blocks;
}

void TZeroSList::SetDefault(int value)
{
    TProZeroSList::SetDefault(value);
    Clear();
}

} // namespace qv
