// A merged range of a section: its rectangle and the cell anchoring it at the top-left.
#pragma once

#include "platform/Geometry.h"

#include <cstddef>

namespace qv {

class TXLCell;
class TXLSection;

class TXLUnion {
public:
    TXLUnion(TXLSection& section, Point topLeft, TXLCell* anchor)
        : m_section(section), m_rect{topLeft.x, topLeft.y, topLeft.x, topLeft.y}, m_anchor(anchor)
    {
    }

    // Section-local, right and bottom exclusive.
    const Rect& GetRect() const { return m_rect; }
    // Stores a changed rectangle and normalises the range: the ranges it now meets go, covered cells are freed and
    // attributes evened.
    void SetRect(const Rect& rect);
    TXLCell* Anchor() const { return m_anchor; }
    TXLSection& Section() const { return m_section; }

private:
    // The section keeps the rectangle, the anchor and the place in its list consistent with its index.
    friend class TXLSection;

    TXLSection& m_section;
    Rect m_rect;
    TXLCell* m_anchor;
    size_t m_slot = 0; // the place in the section's list of ranges
};

} // namespace qv
