// A merged range of a section: its rectangle and the cell anchoring it at the top-left.
#pragma once

#include "platform/Geometry.h"

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
    // Stores a changed rectangle and normalises the range (which frees covered cells and evens attributes).
    void SetRect(const Rect& rect);
    TXLCell* Anchor() const { return m_anchor; }
    void SetAnchor(TXLCell* cell) { m_anchor = cell; }
    TXLSection& Section() const { return m_section; }

private:
    TXLSection& m_section;
    Rect m_rect;
    TXLCell* m_anchor;
};

} // namespace qv
